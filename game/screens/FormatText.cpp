#include "game/screens/FormatText.h"

std::wstring FormatText(std::wstring format, const std::wstring& text) {
  ReplacePlaceholder(format, 0, text);
  return format;
}

std::wstring FormatText(std::wstring format, const std::wstring& text, int number) {
  ReplacePlaceholder(format, 0, text);
  ReplacePlaceholder(format, 1, number);
  return format;
}

std::size_t ReplacePlaceholder(std::wstring& text, int index, const std::wstring& argument) {
  const std::wstring placeholder = L"{" + std::to_wstring(index) + L"}";
  const std::size_t at = text.find(placeholder);
  if (at != std::wstring::npos) text.replace(at, placeholder.size(), argument);
  return at;
}

std::size_t ReplacePlaceholder(std::wstring& text, int index, int argument) {
  return ReplacePlaceholder(text, index, std::to_wstring(argument));
}

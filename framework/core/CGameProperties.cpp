#include "framework/core/CGameProperties.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace GF {
namespace {

bool IsSpace(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// Base-10 reading like the C library's, without its locale, clamped to 32 bits.
int ParseLeadingInt(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const std::int64_t limit = negative ? -std::int64_t{INT_MIN} : INT_MAX;
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    // Once past the limit the value stays there; the rest of the digits only get read.
    if (value < limit) value = std::min<std::int64_t>(value * 10 + (text[i] - L'0'), limit);
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

THolder<CGameProperties> CGameProperties::Instance() {
  static THolder<CGameProperties> instance(new CGameProperties);
  return instance;
}

int CGameProperties::GetInt(const std::string& key) const {
  const auto it = m_properties.find(key);
  return it == m_properties.end() ? 0 : ParseLeadingInt(it->second);
}

std::wstring CGameProperties::GetString(const std::string& key) const {
  const auto it = m_properties.find(key);
  return it == m_properties.end() ? std::wstring() : it->second;
}

void CGameProperties::SetInt(const std::string& key, int value) {
  m_properties[key] = std::to_wstring(value);
}

}  // namespace GF

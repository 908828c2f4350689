#pragma once

#include <cstddef>
#include <string>

// Texts of the text table with numbered placeholders "{0}" and "{1}" that a screen fills at
// run time ("Print the recipe of {0}!").

// The format with its first "{0}" replaced by text.
std::wstring FormatText(std::wstring format, const std::wstring& text);
// The same, then its first "{1}" replaced by number in decimal; a "{1}" that text brought in
// is replaced too.
std::wstring FormatText(std::wstring format, const std::wstring& text, int number);

// Replaces the first "{index}" of text by the argument; the position where it stood, or npos
// (text unchanged) when there is none.
std::size_t ReplacePlaceholder(std::wstring& text, int index, const std::wstring& argument);
std::size_t ReplacePlaceholder(std::wstring& text, int index, int argument);

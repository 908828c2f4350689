#include "platform/OsServices.h"

namespace Os {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += static_cast<char>(c);
  } else if (c < 0x800) {
    *out += static_cast<char>(0xC0 | (c >> 6));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out += static_cast<char>(0xE0 | (c >> 12));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | (c >> 18));
    *out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point starting at text[*i]; *i moves past it. Malformed input gives U+FFFD and
// moves one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t* i) {
  const auto lead = static_cast<unsigned char>(text[(*i)++]);
  if (lead < 0x80) return lead;
  int extra;
  char32_t c;
  char32_t min;
  if ((lead & 0xE0) == 0xC0)
    extra = 1, c = lead & 0x1F, min = 0x80;
  else if ((lead & 0xF0) == 0xE0)
    extra = 2, c = lead & 0x0F, min = 0x800;
  else if ((lead & 0xF8) == 0xF0)
    extra = 3, c = lead & 0x07, min = 0x10000;
  else
    return kReplacement;
  std::size_t j = *i;
  for (int k = 0; k < extra; ++k, ++j) {
    if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80)
      return kReplacement;
    c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  *i = j;
  return c;
}

}  // namespace

std::string Utf16ToUtf8(std::wstring_view units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto unit = static_cast<char32_t>(units[i] & 0xFFFF);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size()) {
      const auto low = static_cast<char32_t>(units[i + 1] & 0xFFFF);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), &out);
        ++i;
        continue;
      }
    }
    AppendUtf8(unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit, &out);
  }
  return out;
}

std::wstring Utf8ToUtf16(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = DecodeUtf8(text, &i);
    if (c >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

}  // namespace Os

#include "framework/engine/resources/TextTable.h"

#include <algorithm>
#include <cstdint>

#include "platform/Engine.h"

namespace GF::HGENS {

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr std::size_t kSkippedUnits = 8;

// Reads UTF-16 little-endian units out of a byte buffer, line by line.
class UnitLines {
 public:
  UnitLines(const std::uint8_t* data, std::size_t units) : m_data(data), m_units(units) {}

  bool AtEnd() const { return m_pos >= m_units; }
  void Advance() { ++m_pos; }
  char16_t Unit(std::size_t i) const {
    return static_cast<char16_t>(m_data[2 * i] | (m_data[2 * i + 1] << 8));
  }

  // The units up to the next line feed (consumed) or the end, less a trailing carriage
  // return, as [begin, end).
  void NextLine(std::size_t* begin, std::size_t* end) {
    *begin = m_pos;
    while (m_pos < m_units && Unit(m_pos) != u'\n') ++m_pos;
    *end = m_pos;
    if (m_pos < m_units) ++m_pos;  // the line feed
    if (*end > *begin && Unit(*end - 1) == u'\r') --*end;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_units;
  std::size_t m_pos = 0;
};

}  // namespace

TextTable& TextTable::Instance() {
  static TextTable table;
  return table;
}

void TextTable::Clear() {
  m_texts.clear();
  m_index.clear();
}

void TextTable::Load(const char* fileName) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  std::uint32_t size = 0;
  void* data = engine->ResourceLoad(fileName, &size);
  Parse(data, data ? size : 0);
  if (data) engine->ResourceFree(data);
  engine->Release();
}

void TextTable::Parse(const void* data, std::size_t size) {
  Clear();
  UnitLines lines(static_cast<const std::uint8_t*>(data), size / 2);
  if (lines.AtEnd() || lines.Unit(0) != kByteOrderMark) return;
  lines.Advance();

  while (!lines.AtEnd()) {
    std::size_t keyBegin, keyEnd;
    lines.NextLine(&keyBegin, &keyEnd);
    if (lines.AtEnd()) break;  // a key with no text line after it

    std::string key;
    for (std::size_t i = keyBegin; i < keyEnd; ++i)
      key.push_back(static_cast<char>(lines.Unit(i) & 0xFF));
    std::size_t textBegin, textEnd;
    lines.NextLine(&textBegin, &textEnd);
    textBegin = std::min(textBegin + kSkippedUnits, textEnd);

    std::wstring text;
    text.reserve(textEnd - textBegin);
    for (std::size_t i = textBegin; i < textEnd; ++i)
      text.push_back(static_cast<wchar_t>(lines.Unit(i)));
    m_index.try_emplace(std::move(key), static_cast<int>(m_texts.size()));
    m_texts.push_back(std::move(text));
  }
}

const std::wstring& TextTable::GetText(std::string_view key) const {
  static const std::wstring kEmpty;
  const auto it = m_index.find(key);
  return it == m_index.end() ? kEmpty : m_texts[it->second];
}

const std::wstring& TextTable::GetText(int index) const {
  static const std::wstring kEmpty;
  return index >= 0 && index < GetCount() ? m_texts[index] : kEmpty;
}

}  // namespace GF::HGENS

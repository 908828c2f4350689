#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace GF::HGENS {

// The texts shown to the player, by narrow key, from "Binary\textdata.txt": UTF-16
// little-endian behind a byte-order mark, key line and text line in pairs, each text line
// with 8 leading units that are not part of the text. Texts keep the two characters
// backslash and "n" where the fonts break lines.
class TextTable {
 public:
  static TextTable& Instance();

  // Replaces the table with the file's contents; a missing file or one without the
  // byte-order mark leaves it empty.
  void Load(const char* fileName = "Binary\\textdata.txt");
  // The same from bytes already in memory (an odd last byte is ignored).
  void Parse(const void* data, std::size_t size);
  void Clear();

  // Empty when the key is absent; a key that appears twice keeps its first text.
  const std::wstring& GetText(std::string_view key) const;
  // By position in the file; empty outside the table.
  const std::wstring& GetText(int index) const;
  int GetCount() const { return static_cast<int>(m_texts.size()); }

 private:
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };

  std::vector<std::wstring> m_texts;
  std::unordered_map<std::string, int, KeyHash, std::equal_to<>> m_index;
};

}  // namespace GF::HGENS

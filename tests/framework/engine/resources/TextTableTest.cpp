#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "framework/engine/resources/TextTable.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::TextTable;

// UTF-16 little-endian bytes of the units, behind a byte-order mark unless told otherwise.
std::string Utf16(const std::u16string& units, bool mark = true) {
  std::string bytes;
  if (mark) bytes += "\xFF\xFE";
  for (char16_t u : units) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

TextTable Parsed(const std::string& bytes) {
  TextTable table;
  table.Parse(bytes.data(), bytes.size());
  return table;
}

TEST(TextTableTest, KeysAndTextsInPairs) {
  const TextTable t =
      Parsed(Utf16(u"menu\r\n01234567Play\r\n"
                   u"quit\n--------Quit \u00e9\\nnow\r\n"
                   u"menu\r\n01234567Second\r\n"  // a repeated key keeps its first text
                   u"last\r\n01234567no line feed"));
  EXPECT_EQ(t.GetText("menu"), L"Play");
  EXPECT_EQ(t.GetText("quit"), L"Quit \u00e9\\nnow");  // backslash and n stay for the fonts
  EXPECT_EQ(t.GetText("last"), L"no line feed");
  EXPECT_EQ(t.GetText("absent"), L"");
  ASSERT_EQ(t.GetCount(), 4);
  EXPECT_EQ(t.GetText(2), L"Second");  // stored, reachable by index only
  EXPECT_EQ(t.GetText(4), L"");
  EXPECT_EQ(t.GetText(-1), L"");
}

TEST(TextTableTest, MalformedFilesAreReadSafely) {
  struct Case {
    const char* what;
    std::string bytes;
    int count;
  } cases[] = {
      {"no byte-order mark", Utf16(u"key\r\n01234567text\r\n", false), 0},
      {"empty", "", 0},
      {"only the mark", Utf16(u""), 0},
      {"key at the end without text", Utf16(u"a\r\n01234567A\r\nb\r\n"), 1},
      {"key at the very end", Utf16(u"a\r\n01234567A\r\nb"), 1},
      {"text shorter than the skipped units", Utf16(u"a\r\nabc\r\nb\r\n"), 1},
      {"odd byte count", Utf16(u"a\r\n01234567AB") + "\x41", 1},
  };
  for (const Case& c : cases) {
    const TextTable t = Parsed(c.bytes);
    EXPECT_EQ(t.GetCount(), c.count) << c.what;
  }
  EXPECT_EQ(Parsed(Utf16(u"a\r\nabc\r\n")).GetText("a"), L"");
  EXPECT_EQ(Parsed(Utf16(u"a\r\n01234567AB") + "\x41").GetText("a"), L"AB");
  // A key's units become bytes: their low byte.
  EXPECT_EQ(Parsed(Utf16(u"k\u0141y\r\n01234567T")).GetText("kAy"), L"T");
}

TEST(TextTableTest, LoadReadsThroughTheEngineAndReplacesTheTable) {
  const auto dir = pm::test::MakeTempDir("texttable");
  const std::string path = (dir / "textdata.txt").string();
  std::ofstream(path, std::ios::binary) << Utf16(u"hello\r\n01234567Hi\r\n");

  TextTable& table = TextTable::Instance();
  table.Load(path.c_str());
  EXPECT_EQ(table.GetText("hello"), L"Hi");
  table.Load((dir / "missing.txt").string().c_str());
  EXPECT_EQ(table.GetCount(), 0);
}

}  // namespace

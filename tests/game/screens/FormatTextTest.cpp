// Placeholders in texts of the text table: the first "{0}" and "{1}" only, in that order.

#include <gtest/gtest.h>

#include <string>

#include "game/screens/FormatText.h"

namespace {

struct TextCase {
  const wchar_t* format;
  const wchar_t* text;
  const wchar_t* expected;
};

TEST(FormatTextTest, FillsTheFirstPlaceholderZero) {
  const TextCase cases[] = {
      {L"Win {0} first", L"Stage 2", L"Win Stage 2 first"},
      {L"{0} and {0}", L"A", L"A and {0}"},
      {L"No placeholder", L"A", L"No placeholder"},
      {L"Empty {0}!", L"", L"Empty !"},
      {L"{1} alone", L"A", L"{1} alone"},
      {L"", L"A", L""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(FormatText(c.format, c.text), c.expected) << c.format;
}

struct NumberCase {
  const wchar_t* format;
  const wchar_t* text;
  int number;
  const wchar_t* expected;
};

TEST(FormatTextTest, FillsTheTextThenTheNumber) {
  const NumberCase cases[] = {
      {L"Win {1} in {0}", L"Stage 2", -5, L"Win -5 in Stage 2"},
      {L"{0}: {1}", L"Points", 0, L"Points: 0"},
      // The text comes first, so a "{1}" it brings in takes the number; a "{0}" the number
      // could bring in is never looked for.
      {L"{0}", L"Level {1}", 7, L"Level 7"},
      {L"{1} {1}", L"x", 3, L"3 {1}"},
  };
  for (const NumberCase& c : cases)
    EXPECT_EQ(FormatText(c.format, c.text, c.number), c.expected) << c.format;
}

TEST(FormatTextTest, ReportsWherePlaceholdersStood) {
  std::wstring text = L"ab{1}c";
  EXPECT_EQ(ReplacePlaceholder(text, 0, L"x"), std::wstring::npos);
  EXPECT_EQ(text, L"ab{1}c");
  EXPECT_EQ(ReplacePlaceholder(text, 1, 42), 2u);
  EXPECT_EQ(text, L"ab42c");
}

}  // namespace

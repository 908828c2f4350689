#include <gtest/gtest.h>

#include <string>

#include "game/screens/cookbook/RecipePrinting.h"

namespace {

PrintContext Page(int width, int height) {
  PrintContext context;
  context.pageWidth = width;
  context.pageHeight = height;
  context.scaleX = context.scaleY = static_cast<float>(width) / 2480.0f;
  return context;
}

TEST(RecipePrintingTest, HeadingTakesOneBlankForALineBreak) {
  const struct {
    std::wstring title, printed;
  } cases[] = {
      {L"Berry\\npancakes", L"Berry pancakes"},
      {L"Berry\\Npancakes", L"Berry pancakes"},
      {L"A \\nB", L"A B"},
      {L"A\\n B", L"A B"},
      {L"A\\n\\nB", L"A B"},
      {L"\\nA\\n", L"A"},
      {L"A\\qB", L"A\\qB"},
      {L"Pancakes\\", L"Pancakes\\"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintedTitle(c.title), c.printed) << c.title.size();
}

TEST(RecipePrintingTest, TextsBreakAtTheEscapeAndLoseTabs) {
  const struct {
    std::wstring text, printed;
  } cases[] = {
      {L"Mix\\nfry", L"Mix\n\rfry"},
      {L"Mix\\N\\nfry", L"Mix\n\r\n\rfry"},
      {L"Mix\tthe\teggs", L"Mixtheeggs"},
      {L"a\\qb\\", L"a\\qb\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintedText(c.text), c.printed) << c.text.size();
}

TEST(RecipePrintingTest, LayoutScalesWithThePageWidth) {
  const PrintContext a4 = Page(2480, 3508);
  EXPECT_EQ(PrintFontHeight(a4, 96), 96);
  EXPECT_EQ(PrintFontHeight(a4, 50), 50);
  EXPECT_EQ(PrintTextRect(a4, 0, 192, 0x111), (GF::TRect<int>{0, 192, 2480, 3508}));
  EXPECT_EQ(PrintTextRect(a4, 200, 1260, 0x90), (GF::TRect<int>{200, 1260, 2380, 3508}));

  // Twice as wide: everything doubles but the right margin, which is device pixels.
  const PrintContext wide = Page(4960, 7016);
  EXPECT_EQ(wide.scaleX, 2.0f);
  EXPECT_EQ(PrintFontHeight(wide, 96), 192);
  EXPECT_EQ(PrintFontHeight(wide, 50), 100);
  EXPECT_EQ(PrintTextRect(wide, 200, 1260, 0x90), (GF::TRect<int>{400, 2520, 4860, 7016}));
  EXPECT_EQ(PrintTextRect(wide, 0, 192, 0x111), (GF::TRect<int>{0, 384, 4960, 7016}));
  EXPECT_EQ(PrintImageRect(wide, 840, 700, 800, 100, 50), (GF::TRect<int>{1680, 1400, 3280, 2200}));
}

TEST(RecipePrintingTest, ImagesKeepTheirProportions) {
  EXPECT_EQ(PrintedHeight(800, 100, 50), 400);
  EXPECT_EQ(PrintedHeight(336, 64, 64), 336);
  EXPECT_EQ(PrintedHeight(180, 64, 48), 135);
  EXPECT_EQ(PrintedHeight(174, 64, 48), 130);  // 130.5 truncated
  EXPECT_EQ(PrintedHeight(100, 3, 1), 33);
  EXPECT_EQ(PrintedHeight(100, 0, 5), 0);  // no division by zero
  EXPECT_EQ(PrintImageRect(Page(2480, 3508), 50, 160, 336, 64, 64),
            (GF::TRect<int>{50, 160, 386, 496}));
}

TEST(RecipePrintingTest, TransparencyPrintsAsWhitePaper) {
  const struct {
    std::uint32_t argb, printed;
  } cases[] = {
      {0xFFFF0000, 0xFF0000}, {0x00FF0000, 0xFFFFFF}, {0x00000000, 0xFFFFFF},
      {0x80000000, 0x7F7F7F}, {0xFF123456, 0x123456}, {0xF0102030, 0x1F2F3F},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintedTexel(c.argb), c.printed) << std::hex << c.argb;
}

}  // namespace

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/OsServices.h"
#include "tests/support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCell = 40;  // line height of the texts below
constexpr int kLeft = 100;
constexpr int kTop = 100;

// A page printed into a PNG and read back as 0xRRGGBB pixels.
class PrintedPage {
 public:
  explicit PrintedPage(const std::function<void(Os::PrintJob&)>& draw)
      : m_file(pm::test::MakeTempDir("page") / "page.png") {
    const pm::test::ScopedEnv target("PANMASTER_PRINT_FILE", m_file.string());
    Os::PrintJob job;
    if (!job.FindDestination() || !job.CreateSurface() || !job.StartDocument("test") ||
        !job.StartPage())
      return;
    draw(job);
    if (!job.EndPage() || !job.EndDocument()) return;
    SDL_Surface* loaded = IMG_Load(m_file.c_str());
    if (!loaded) return;
    m_surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
  }
  ~PrintedPage() { SDL_FreeSurface(m_surface); }
  PrintedPage(const PrintedPage&) = delete;
  PrintedPage& operator=(const PrintedPage&) = delete;

  const fs::path& File() const { return m_file; }
  bool IsLoaded() const { return m_surface != nullptr; }
  int Width() const { return m_surface->w; }
  int Height() const { return m_surface->h; }
  std::uint32_t At(int x, int y) const {
    const auto* row = static_cast<const std::uint8_t*>(m_surface->pixels) + y * m_surface->pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  }
  bool Dark(int x, int y) const {
    const std::uint32_t p = At(x, y);
    return ((p >> 16) & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60;
  }
  // The lines (of kCell rows from top) with ink between the columns.
  std::vector<int> InkLines(int top, int left, int right) const {
    std::vector<int> lines;
    for (int line = 0; line < 6; ++line) {
      bool ink = false;
      for (int y = top + line * kCell; y < top + (line + 1) * kCell && !ink; ++y)
        for (int x = left; x < right && !ink; ++x) ink = Dark(x, y);
      if (ink) lines.push_back(line);
    }
    return lines;
  }
  // The leftmost and rightmost column with ink in the rows.
  std::pair<int, int> InkSpan(int top, int bottom) const {
    int first = Width(), last = -1;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < Width(); ++x)
        if (Dark(x, y)) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    return {first, last};
  }

 private:
  fs::path m_file;
  SDL_Surface* m_surface = nullptr;
};

void Text(Os::PrintJob& job, const std::wstring& text, int width, unsigned flags, int top = kTop) {
  job.SelectFont("Arial", kCell);
  job.DrawText(text, kLeft, top, kLeft + width, top + 6 * kCell, flags);
}

TEST(OsPrintingTest, PngPagesAreA4At300Dpi) {
  const PrintedPage page([](Os::PrintJob& job) {
    EXPECT_EQ(job.PageWidth(), 2480);
    EXPECT_EQ(job.PageHeight(), 3508);
  });
  ASSERT_TRUE(page.IsLoaded());
  EXPECT_EQ(page.Width(), 2480);
  EXPECT_EQ(page.Height(), 3508);
  EXPECT_EQ(page.At(0, 0), 0xFFFFFFu);  // a blank sheet
  std::ifstream file(page.File(), std::ios::binary);
  const std::string png{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // 11811 pixels a metre, both ways, in metres.
  EXPECT_NE(png.find(std::string("pHYs\0\0\x2E\x23\0\0\x2E\x23\x01", 13)), std::string::npos);
}

TEST(OsPrintingTest, LinesBreakAtEveryLineEndAndWrapAtBlanks) {
  const unsigned wrap = Os::kTextWordBreak | Os::kTextNoClip;
  const struct {
    std::wstring text;
    int width;
    unsigned flags;
    std::vector<int> lines;
  } cases[] = {
      {L"ab\ncd", 1000, wrap, {0, 1}},     {L"ab\rcd", 1000, wrap, {0, 1}},
      {L"ab\r\ncd", 1000, wrap, {0, 1}},   {L"ab\n\rcd", 1000, wrap, {0, 1}},
      {L"ab\n\ncd", 1000, wrap, {0, 2}},   {L"ab\n\r\n\rcd", 1000, wrap, {0, 2}},
      {L"aaa bbb ccc", 180, wrap, {0, 1}}, {L"aaa bbb ccc", 1000, wrap, {0}},
      {L"aaa bbb ccc", 60, 0, {0}},        {L"a mmmmmmmmmmmm b", 100, wrap, {0, 1, 2}},
  };
  // One case below the other, 6 lines apart.
  const auto top = [](std::size_t i) { return kTop + static_cast<int>(i) * 6 * kCell; };
  const PrintedPage page([&](Os::PrintJob& job) {
    for (std::size_t i = 0; i < std::size(cases); ++i)
      Text(job, cases[i].text, cases[i].width, cases[i].flags, top(i));
  });
  ASSERT_TRUE(page.IsLoaded());
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(page.InkLines(top(i), 0, 2480), cases[i].lines) << i;
}

TEST(OsPrintingTest, AWordTooWideStandsAloneAndIsClippedUnlessAsked) {
  const std::wstring text = L"a mmmmmmmmmmmm b";
  const PrintedPage loose(
      [&](Os::PrintJob& job) { Text(job, text, 100, Os::kTextWordBreak | Os::kTextNoClip); });
  const PrintedPage clipped([&](Os::PrintJob& job) { Text(job, text, 100, Os::kTextWordBreak); });
  ASSERT_TRUE(loose.IsLoaded() && clipped.IsLoaded());
  EXPECT_GT(loose.InkSpan(kTop + kCell, kTop + 2 * kCell).second, kLeft + 200);
  EXPECT_LT(clipped.InkSpan(kTop + kCell, kTop + 2 * kCell).second, kLeft + 100);
  EXPECT_EQ(clipped.InkLines(kTop, 0, 2480), (std::vector<int>{0, 1, 2}));
}

TEST(OsPrintingTest, LinesStandOnBandsOfTheBackgroundAndMayBeCentred) {
  const PrintedPage page([](Os::PrintJob& job) {
    job.SetBackgroundColour(0x93D7EB);
    Text(job, L"centred\nwide centred line", 1000, Os::kTextCenter | Os::kTextWordBreak);
  });
  ASSERT_TRUE(page.IsLoaded());
  for (int line = 0; line < 2; ++line) {
    const auto [first, last] = page.InkSpan(kTop + line * kCell, kTop + (line + 1) * kCell);
    EXPECT_NEAR((first + last) / 2, kLeft + 500, 6) << line;
    // The band reaches a little past the ink, no further.
    const int y = kTop + line * kCell + 2;
    EXPECT_EQ(page.At(first - 1, y), 0x93D7EBu) << line;
    EXPECT_EQ(page.At(first - 30, y), 0xFFFFFFu) << line;
    EXPECT_EQ(page.At(last + 30, y), 0xFFFFFFu) << line;
  }
  EXPECT_EQ(page.At(kLeft + 500, kTop + 2 * kCell + 2), 0xFFFFFFu);  // no third line
}

TEST(OsPrintingTest, ImagesStretchOverTheirRectangle) {
  const std::uint32_t pixels[] = {0xFF0000, 0x0000FF, 0x00FF00, 0xFFFF00};
  const PrintedPage page(
      [&pixels](Os::PrintJob& job) { job.DrawImage(pixels, 2, 2, 100.0, 200.0, 400.0, 200.0); });
  ASSERT_TRUE(page.IsLoaded());
  EXPECT_EQ(page.At(110, 210), 0xFF0000u);
  EXPECT_EQ(page.At(490, 210), 0x0000FFu);
  EXPECT_EQ(page.At(110, 390), 0x00FF00u);
  EXPECT_EQ(page.At(490, 390), 0xFFFF00u);
  EXPECT_EQ(page.At(95, 300), 0xFFFFFFu);
  EXPECT_EQ(page.At(505, 300), 0xFFFFFFu);
}

TEST(OsPrintingTest, AJobDroppedBeforeItsEndLeavesNoFile) {
  const auto file = pm::test::MakeTempDir("dropped") / "page.pdf";
  const pm::test::ScopedEnv target("PANMASTER_PRINT_FILE", file.string());
  {
    Os::PrintJob job;
    ASSERT_TRUE(job.FindDestination() && job.CreateSurface() && job.StartDocument("test") &&
                job.StartPage());
  }
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace

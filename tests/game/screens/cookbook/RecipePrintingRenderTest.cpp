#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "game/screens/cookbook/RecipePrinting.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/SampleContentFixture.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleCookBook.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPageWidth = 2480;  // A4 at 300 dpi, the size of a page printed into a file
constexpr int kPageHeight = 3508;

// Two lines wide at 50 units a line, then a third after the line break; the tab goes.
constexpr const wchar_t* kFirstText =
    L"Whisk the eggs with the flour and the milk \tuntil the batter is smooth and thick "
    L"enough to coat a spoon, then let it rest.\\nFry on a hot griddle.";

// Pixels of the rectangle for which the test holds.
template <class Test>
int Count(const pm::test::Shot& page, int left, int top, int right, int bottom, Test test) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += test(page.At(x, y)) ? 1 : 0;
  return count;
}

bool IsDark(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) < 0x40 && ((rgb >> 8) & 0xFF) < 0x40 && (rgb & 0xFF) < 0x40;
}

bool IsGrey(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) == (rgb & 0xFF) && ((rgb >> 8) & 0xFF) == (rgb & 0xFF);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::uint32_t Rgb(const SampleCookBookPiece& piece) {
  return piece.colour & 0xFFFFFF;
}

const SampleCookBookPiece& Piece(const std::vector<SampleCookBookPiece>& pieces,
                                 const std::string& name) {
  return *std::find_if(pieces.begin(), pieces.end(),
                       [&name](const SampleCookBookPiece& p) { return name == p.name; });
}

// Prints into files of a test folder, on the sample content's images.
class RecipePrintingRenderTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    scene = GF::MakeHolder<GF::HGENS::CScene>();
    dir = pm::test::MakeTempDir("print");
    session.ClearLog();
  }
  void TearDown() override {
    if (scene) scene->Clear();
    scene.Reset();
    SampleContentFixture::TearDown();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }

  PrintImage Image(const std::string& name) {
    return GetAnimationImage(name, GF::THolder<GF::IScene>(scene.Get()), 0);
  }

  // The sample recipe page, printed into `file` of the test folder. The log holds only
  // what the printing wrote.
  bool PrintSamplePage(const std::string& file) {
    std::vector<PrintImage> images;
    for (const char* name :
         {"cookingbook.top_left", "cookingbook.top_centr", "cookingbook.top_right",
          "cookingbook.bottom_left", "cookingbook.bottom_centr", "cookingbook.bottom_right",
          "Dishes.pancakes"})
      images.push_back(Image(name));
    session.ClearLog();
    const pm::test::ScopedEnv target("PANMASTER_PRINT_FILE", (dir / file).string());
    return PrintRecipePage(GetPrintContext(), images[0], images[1], images[2], images[3], images[4],
                           images[5], images[6], L"Berry\\npancakes", kFirstText, L"");
  }

  GF::THolder<GF::HGENS::CScene> scene;
  fs::path dir;
};

TEST_F(RecipePrintingRenderTest, AnimationImagesAreTheSpritesOfTheirFirstDrawable) {
  const std::size_t animations = scene->GetAnimations().size();
  const PrintImage corner = Image("cookingbook.top_left");
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->width, 64.0f);
  EXPECT_EQ(corner->height, 64.0f);
  const PrintImage edge = Image("cookingbook.top_centr");
  ASSERT_TRUE(edge);
  EXPECT_EQ(edge->texX, 64.0f);  // its own place in the atlas
  EXPECT_EQ(edge->height, 48.0f);
  EXPECT_EQ(scene->GetAnimations().size(), animations);  // the look-ups left nothing behind

  EXPECT_FALSE(Image("cookingbook.no_such_piece"));
  EXPECT_FALSE(GetAnimationImage("cookingbook.top_left", GF::THolder<GF::IScene>(scene.Get()), 1));
  // The menu layout's third drawable is its title text.
  EXPECT_FALSE(GetAnimationImage("main_menu.layout", GF::THolder<GF::IScene>(scene.Get()), 2));
  EXPECT_FALSE(GetSpriteImage({}));
  EXPECT_EQ(scene->GetAnimations().size(), animations);
}

TEST_F(RecipePrintingRenderTest, ImagesPrintTheirOwnRegionOfTheirTexture) {
  // Red on the left half of the texture, green on the right, a transparent band below.
  std::vector<std::uint32_t> texels(128 * 32, 0xFFFF0000);
  for (int y = 0; y < 32; ++y)
    for (int x = 64; x < 128; ++x) texels[y * 128 + x] = y < 16 ? 0xFF00FF00 : 0x0000FF00;
  const EngineTexture texture = session.MakeTexture(128, 32, texels);
  ASSERT_TRUE(texture);
  const auto green = GF::MakeHolder<GF::HGENS::CHGESprite>(texture, 64, 0, 64, 32);
  const auto overhang = GF::MakeHolder<GF::HGENS::CHGESprite>(texture, 96, 0, 64, 16);
  const auto thin = GF::MakeHolder<GF::HGENS::CHGESprite>(texture, 0, 0, 0.5f, 32);

  const pm::test::ScopedEnv target("PANMASTER_PRINT_FILE", (dir / "images.png").string());
  PrintContext& context = GetPrintContext();
  ASSERT_TRUE(BeginPrintJob(context));
  PrintTexture(context, 0, 0, 400, green);  // 400 x 200
  PrintTexture(context, 0, 400, 400, PrintImage());
  PrintTexture(context, 0, 800, 400, overhang);  // 400 x 100, its right half past the texture
  PrintTexture(context, 0, 1000, 400, thin);
  EndPrintJob(context);
  EXPECT_FALSE(context.job);
  session.engine().TextureFree(texture);

  const pm::test::Shot page(session.engine(), dir / "images.png");
  ASSERT_EQ(page.Width(), kPageWidth);
  EXPECT_EQ(page.At(200, 50), 0x00FF00u);
  EXPECT_EQ(page.At(200, 150), 0xFFFFFFu);  // transparent texels
  EXPECT_EQ(page.At(200, 500), 0xFFFFFFu);  // the empty holder's place
  EXPECT_EQ(page.At(100, 850), 0x00FF00u);
  EXPECT_EQ(page.At(300, 850), 0xFFFFFFu);  // nothing read past the texture
  EXPECT_EQ(Count(page, 0, 1000, 500, 1300, [](std::uint32_t p) { return p != 0xFFFFFF; }), 0);
  EXPECT_TRUE(session.LogLines().empty());
}

TEST_F(RecipePrintingRenderTest, SamplePageShowsFrameHeadingTextsAndPicture) {
  ASSERT_TRUE(PrintSamplePage("page.png"));
  EXPECT_TRUE(session.LogLines().empty());
  const pm::test::Shot page(session.engine(), dir / "page.png");
  ASSERT_EQ(page.Width(), kPageWidth);
  ASSERT_EQ(page.Height(), kPageHeight);
  const auto& frame = SampleCookBookFrame();

  // The corners, 64 x 64 texels: 336 units wide at the top, 178 at the bottom.
  EXPECT_EQ(page.At(50 + 168, 160 + 168), Rgb(Piece(frame, "top_left")));
  EXPECT_EQ(page.At(52, 162), 0xFFFFFFu);  // its transparent corner
  EXPECT_EQ(page.At(2110 + 168, 160 + 168), Rgb(Piece(frame, "top_right")));
  EXPECT_EQ(page.At(188 + 89, 3200 + 89), Rgb(Piece(frame, "bottom_left")));
  EXPECT_EQ(page.At(2091 + 89, 3200 + 89), Rgb(Piece(frame, "bottom_right")));
  // The edges, 64 x 48 texels: ten copies each.
  for (int k : {0, 9}) {
    EXPECT_EQ(page.At(380 + 173 * k + 90, 160 + 100), Rgb(Piece(frame, "top_centr"))) << k;
    EXPECT_EQ(page.At(361 + 173 * k + 87, 3196 + 65), Rgb(Piece(frame, "bottom_centr"))) << k;
  }
  EXPECT_EQ(page.At(1240, 3196 + 65), Rgb(Piece(frame, "bottom_centr")));

  // The heading: black on its band, centred, on one line ("Berry pancakes"), over the top
  // edge only as wide as the text.
  const int bandPixels =
      Count(page, 0, 192, kPageWidth, 288, [](std::uint32_t p) { return p == 0x93D7EB; });
  const int headingInk = Count(page, 0, 192, kPageWidth, 288, IsDark);
  EXPECT_GT(bandPixels, 20000);
  EXPECT_GT(headingInk, 5000);
  EXPECT_EQ(Count(page, 0, 288, kPageWidth, 384, IsDark), 0);  // no second line
  EXPECT_EQ(page.At(1240, 194), 0x93D7EBu);
  EXPECT_EQ(page.At(600, 240), Rgb(Piece(frame, "top_centr")));
  EXPECT_EQ(page.At(1880, 240), Rgb(Piece(frame, "top_centr")));
  const int inkLeft = Count(page, 0, 192, 1240, 288, IsDark);
  EXPECT_NEAR(inkLeft, headingInk - inkLeft, headingInk / 10);

  // The first text: black on white from x 200, wrapped short of 100 pixels before the
  // right edge, then the line break; the second text prints nothing.
  for (int line = 0; line < 3; ++line)
    EXPECT_GT(Count(page, 200, 1260 + 50 * line, 260, 1310 + 50 * line, IsDark), 50) << line;
  EXPECT_GT(Count(page, 1800, 1260, 2380, 1310, IsDark), 50);
  EXPECT_EQ(Count(page, 1300, 1360, 2380, 1410, IsDark), 0);  // "Fry on a hot griddle."
  EXPECT_EQ(Count(page, 0, 1260, 200, 1410, IsDark), 0);
  EXPECT_EQ(Count(page, 2380, 1260, kPageWidth, 1410, IsDark), 0);
  EXPECT_EQ(Count(page, 0, 1260, kPageWidth, 1410, [](std::uint32_t p) { return !IsGrey(p); }), 0);
  EXPECT_EQ(Count(page, 0, 1410, kPageWidth, 3190, IsDark), 0);

  // The picture: 128 x 64 texels, 800 units wide and 400 high, transparent around the plate.
  const auto& pancakes = Piece(SampleDishPictures(), "pancakes");
  EXPECT_EQ(page.At(840 + 400, 700 + 200), Rgb(pancakes));
  EXPECT_EQ(page.At(845, 705), 0xFFFFFFu);
  EXPECT_EQ(page.At(840 + 400, 700 + 60), 0xE0E4ECu);  // the plate
  EXPECT_EQ(page.At(1240, 1120), 0xFFFFFFu);           // below the picture
}

TEST_F(RecipePrintingRenderTest, SamplePageMatchesItsGolden) {
  ASSERT_TRUE(PrintSamplePage("page.png"));
  const fs::path golden = fs::path(PM_GOLDEN_DIR) / "recipe_page.png";
  if (std::getenv("PANMASTER_UPDATE_GOLDEN"))
    fs::copy_file(dir / "page.png", golden, fs::copy_options::overwrite_existing);
  const pm::test::Shot page(session.engine(), dir / "page.png");
  const pm::test::Shot expected(session.engine(), golden);
  ASSERT_EQ(expected.Width(), kPageWidth) << "PANMASTER_UPDATE_GOLDEN=1 writes " << golden;
  EXPECT_TRUE(page.Pixels() == expected.Pixels()) << "the page differs from " << golden;
}

TEST_F(RecipePrintingRenderTest, PdfIsOneA4PageNamedAfterTheGame) {
  ASSERT_TRUE(PrintSamplePage("page.pdf"));
  const std::string pdf = ReadFile(dir / "page.pdf");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
  EXPECT_EQ(Occurrences(pdf, "/Type /Page\n") + Occurrences(pdf, "/Type /Page "), 1);
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 595.2 841.92 ]"), std::string::npos);
  EXPECT_NE(pdf.find("(Sizzlewick 2 recipe)"), std::string::npos);
  EXPECT_TRUE(session.LogLines().empty());
}

TEST_F(RecipePrintingRenderTest, FilesThatCannotBeWrittenAreLoggedAtTheirStep) {
  const struct {
    const char* file;
    bool started;
    const char* line;
  } cases[] = {
      {"missing/page.pdf", false, "Field  create printing HDC"},
      {"missing/page.png", true, "Field end printing document"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrintSamplePage(c.file), c.started) << c.file;
    EXPECT_EQ(session.LogLines(), std::vector<std::string>{c.line}) << c.file;
    EXPECT_FALSE(GetPrintContext().job);
  }
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(RecipePrintingRenderTest, WithoutAPrinterNothingIsPrintedAndTheGameGoesOn) {
  unsetenv("PRINTER");
  unsetenv("LPDEST");
  unsetenv("PANMASTER_PRINT_FILE");
  const pm::test::ScopedEnv server("CUPS_SERVER", (dir / "no-cups.sock").string());
  const pm::test::ScopedEnv temp("TMPDIR", dir.string());
  const PrintImage corner = Image("cookingbook.top_left");
  session.ClearLog();
  EXPECT_FALSE(
      PrintRecipePage(GetPrintContext(), corner, {}, {}, {}, {}, {}, {}, L"Pancakes", L"", L""));
  EXPECT_EQ(session.LogLines(), std::vector<std::string>{"Field get default printer"});
  EXPECT_FALSE(GetPrintContext().job);
  EXPECT_TRUE(fs::is_empty(dir));
  // The frame goes on as before.
  EXPECT_TRUE(scene->Update(16.0f));
}

}  // namespace

// The page-curl leaf drawn by the real renderer: page images made from the sample
// content's frame pieces (a red and a blue one) and from the sample cook book's pages.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "game/app/LevelsData.h"
#include "game/screens/cookbook/CPaperEffect.h"
#include "game/screens/cookbook/PageLayout.h"
#include "platform/EngineImpl.h"
#include "platform/GlRenderer.h"
#include "tests/game/screens/map/MapShots.h"
#include "tests/support/SampleContentFixture.h"
#include "tools/content/SampleCookBook.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr int kWidth = 640;
constexpr int kHeight = 320;
constexpr std::uint32_t kGrey = 0xFF808080;
// The leaf: 64 x 48 texels of page image drawn four times as large.
constexpr GF::TRect<int> kLeaf{320, 40, 576, 232};
constexpr int kImageWidth = 64;
constexpr int kImageHeight = 48;

std::uint32_t Rgb(std::uint32_t argb) {
  return argb & 0xFFFFFF;
}

bool IsRed(std::uint32_t p) {
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return r > 2 * g && r > 2 * b;
}

bool IsBlue(std::uint32_t p) {
  const int r = (p >> 16) & 0xFF, b = p & 0xFF;
  return b > 2 * r;
}

class CPaperEffectRenderTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    scene = GF::MakeHolder<GF::HGENS::CScene>();
    // Opaque, but for a triangle in each corner.
    std::vector<std::uint32_t> alpha(kImageWidth * kImageHeight, 0xFFFFFFFF);
    for (int y = 0; y < kImageHeight; ++y)
      for (int x = 0; x < kImageWidth; ++x)
        if (std::min(x, kImageWidth - 1 - x) + std::min(y, kImageHeight - 1 - y) < 20)
          alpha[y * kImageWidth + x] = 0x00FFFFFF;
    mask = session.MakeTexture(kImageWidth, kImageHeight, alpha);
    ASSERT_NE(mask, 0u);
    leaf = CPaperEffect::Create(0.0f, 0.5f, 1.5707964f, kLeaf);
    session.ClearLog();
  }
  void TearDown() override {
    leaf.Reset();
    session.engine().TextureFree(mask);
    scene->Clear();
    scene.Reset();
    GF::HGENS::CResourceCache::ReleaseInstance();
    SampleContentFixture::TearDown();
  }

  // A frame piece with its top-left corner at the target's.
  AnimationPtr Piece(const char* name, float x, float y) {
    AnimationPtr piece = scene->CreateAnimation(name);
    if (!piece) return piece;
    piece->Play("all", 0, false);
    piece->SetPosition(x, y);
    piece->Update(0.0f);
    return piece;
  }

  std::vector<std::uint32_t> Draw(float progress) {
    leaf->progress = progress;
    leaf->SetProgress(progress);
    return session.Draw(
        kWidth, kHeight, [&] { leaf->Render(); }, kGrey);
  }
  static std::uint32_t At(const std::vector<std::uint32_t>& p, int x, int y) {
    return Rgb(p[static_cast<std::size_t>(y) * kWidth + x]);
  }
  template <class Test>
  static int Count(const std::vector<std::uint32_t>& p, int left, int right, Test test) {
    int count = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = left; x < right; ++x) count += test(At(p, x, y)) ? 1 : 0;
    return count;
  }

  GF::THolder<GF::HGENS::CScene> scene;
  GF::THolder<CPaperEffect> leaf;
  EngineTexture mask = 0;
};

TEST_F(CPaperEffectRenderTest, TurnsFromItsFrontToItsBack) {
  const auto& frame = SampleCookBookFrame();
  const std::uint32_t red = Rgb(frame[0].colour);   // "top_left"
  const std::uint32_t blue = Rgb(frame[4].colour);  // "bottom_centr", 64 x 48
  leaf->SetTextureSize(kImageWidth, kImageHeight);
  ASSERT_TRUE(leaf->SetPageTextures(Piece("cookingbook.top_left", 32.0f, 32.0f),
                                    Piece("cookingbook.bottom_centr", 32.0f, 24.0f), mask, mask));
  std::vector<std::string> lines;
  for (const std::string& line : session.LogLines())
    if (line.starts_with("CPaperEffect") || line.starts_with("render")) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "CPaperEffect:texture 1 create", "CPaperEffect:ctart writing texture 1",
                       "render target create", "CPaperEffect:end writing texture 1",
                       "CPaperEffect:texture 2 create", "CPaperEffect:ctart writing texture 2",
                       "render target create", "CPaperEffect:end writing texture 2"}));

  const std::vector<std::uint32_t> flat = Draw(0.0f);
  pm::test::KeepShot("leaf_0.png", kWidth, kHeight, flat);
  EXPECT_EQ(At(flat, 448, 160), red);
  EXPECT_EQ(At(flat, 321, 41), Rgb(kGrey)) << "the mask's clear corner";
  EXPECT_EQ(At(flat, 300, 136), Rgb(kGrey));
  EXPECT_EQ(Count(flat, 0, kWidth, IsBlue), 0);
  EXPECT_EQ(Count(flat, 0, kLeaf.left, IsRed), 0);

  const std::vector<std::uint32_t> half = Draw(0.5f);
  pm::test::KeepShot("leaf_half.png", kWidth, kHeight, half);
  EXPECT_GT(Count(half, 0, kWidth, IsRed), 1000);
  EXPECT_GT(Count(half, 0, kWidth, [red](std::uint32_t p) { return p == red; }), 1000);
  EXPECT_GT(Count(half, 0, kWidth, IsBlue), 10);  // the back, just turning up
  // Shaded on the cylinder: red darker than the page's own.
  EXPECT_GT(
      Count(half, 0, kWidth, [](std::uint32_t p) { return IsRed(p) && ((p >> 16) & 0xFF) < 0x90; }),
      100);

  const std::vector<std::uint32_t> over = Draw(1.0f);
  pm::test::KeepShot("leaf_1.png", kWidth, kHeight, over);
  EXPECT_EQ(Count(over, 0, kWidth, IsRed), 0);
  EXPECT_EQ(At(over, 448, 160), Rgb(kGrey));
  EXPECT_EQ(At(over, 192, 160), blue);  // mirrored over the left edge
  EXPECT_EQ(Count(over, kLeaf.left + 1, kWidth, IsBlue), 0);
  EXPECT_EQ(At(over, 319 - 1, 41), Rgb(kGrey)) << "a clear corner, turned over";
}

TEST_F(CPaperEffectRenderTest, AMaskTooLargeOrLockedLeavesTheImage) {
  leaf->SetTextureSize(kImageWidth, kImageHeight);
  ASSERT_TRUE(leaf->SetPageTextures(Piece("cookingbook.top_left", 32.0f, 32.0f), {}, mask, mask));
  const auto image = [&] {
    const std::uint32_t* texels = session.engine().TextureLock(leaf->FrontTexture(), true);
    std::vector<std::uint32_t> copy;
    if (texels) copy.assign(texels, texels + CPaperEffect::kTextureSize * kImageHeight);
    if (texels) session.engine().TextureUnlock(leaf->FrontTexture());
    return copy;
  };
  const std::vector<std::uint32_t> before = image();
  ASSERT_FALSE(before.empty());

  const EngineTexture large = session.MakeTexture(600, 600, std::vector<std::uint32_t>(360000));
  session.ClearLog();
  EXPECT_FALSE(
      leaf->SetPageTextures(Piece("cookingbook.bottom_centr", 32.0f, 24.0f), {}, large, large));
  EXPECT_TRUE(session.HasLogLine("CPaperEffect:[ERR]mask size is wrong"));
  EXPECT_TRUE(session.HasLogLine("writing texture error"));
  EXPECT_EQ(image(), before);
  session.engine().TextureFree(large);

  // A mask that cannot be locked: nothing is written and nothing stays locked.
  ASSERT_NE(session.engine().TextureLock(mask, true), nullptr);
  session.ClearLog();
  EXPECT_FALSE(
      leaf->SetPageTextures(Piece("cookingbook.bottom_centr", 32.0f, 24.0f), {}, mask, mask));
  EXPECT_TRUE(session.HasLogLine("CPaperEffect:[ERR]texture or(and) not mask Texture_Lock"));
  session.engine().TextureUnlock(mask);
  EXPECT_EQ(image(), before) << "the front texture was left unlocked";
}

// A leaf draws its mesh of 15 x 15 cells once per side it shows: one pass flat or turned
// over, two while it turns; nothing draws it twice.
TEST_F(CPaperEffectRenderTest, ALeafDrawsEachSideOnce) {
  leaf->SetTextureSize(kImageWidth, kImageHeight);
  ASSERT_TRUE(leaf->SetPageTextures(Piece("cookingbook.top_left", 32.0f, 32.0f),
                                    Piece("cookingbook.bottom_centr", 32.0f, 24.0f), mask, mask));
  GlRenderer* renderer = EngineImpl::Current()->Renderer();
  ASSERT_NE(renderer, nullptr);
  constexpr std::uint64_t kCells = (CPaperEffect::kNodes - 1) * (CPaperEffect::kNodes - 1);
  for (const auto& [progress, passes] : {std::pair{0.0f, 1u}, {0.5f, 2u}, {1.0f, 1u}}) {
    std::uint64_t quads = 0;
    leaf->progress = progress;
    leaf->SetProgress(progress);
    session.Draw(kWidth, kHeight, [&] {
      renderer->ResetStats();
      leaf->Render();
      quads = renderer->Stats().quads;  // the leaf flushes its passes itself
    });
    EXPECT_EQ(quads, passes * kCells) << progress;
  }
}

// Two sample pages on leaves as the cook book lays them: the left one turned over, the right
// one turning. Kept as a picture to look at; the texts read the right way round.
TEST_F(CPaperEffectRenderTest, SamplePagesOnLeaves) {
  CookBookLayoutValues = {-1.0f, 292.0f};
  PageLayout layout;
  layout.Init(GF::THolder<GF::IScene>(scene.Get()));
  CookBookEntry heading;
  heading.Flag3 = true;
  heading.Name = "cookingbook.heading";
  heading.Text = L"Pancakes";
  heading.BasePosition = 56.0f;
  heading.Value1 = 2;
  heading.LayoutMode = 2;
  CookBookEntry text = heading;
  text.Name = "cookingbook.text";
  text.Text = L"Left column\\nreads rightwards";
  text.Value1 = 3;
  text.LayoutIndex = 2;
  text.BasePosition = 48.0f;
  for (const CookBookEntry& e : {heading, text}) layout.PlaceElement(e, true);
  ASSERT_EQ(layout.PageCount(), 1);
  AnimationPtr front, back;
  layout.MakeLeftPage(front, 0, -1.0f, false);
  layout.MakeRightPage(back, 0, 1.0f, false);
  const GF::TRect<int> rect{330, 40, 330 + kSamplePageWidth, 40 + kSamplePageHeight};
  leaf = CPaperEffect::Create(0.0f, 0.5f, 1.5707964f, rect);
  leaf->SetTextureSize(kSamplePageWidth - 2, kSamplePageHeight - 2);
  const EngineTexture pageMask =
      GF::HGENS::CResourceCache::Instance()->GetTexture("cookbook_page_1");
  ASSERT_TRUE(leaf->SetPageTextures(front, back, pageMask, pageMask));
  for (const float progress : {0.0f, 0.35f, 1.0f}) {
    leaf->progress = progress;
    leaf->SetProgress(progress);
    const std::vector<std::uint32_t> shot = session.Draw(
        1000, 560, [&] { leaf->Render(); }, 0xFF6A4A3A);
    ASSERT_FALSE(shot.empty());
    pm::test::KeepShot(
        ("leaf_pages_" + std::to_string(static_cast<int>(progress * 100)) + ".png").c_str(), 1000,
        560, shot);
    // The text's ink starts at the left column on both sides, 28 pixels in from the
    // page's left (turned over: from the page's left as seen, left of the fold).
    const int left = progress == 1.0f ? rect.left - kSamplePageWidth : rect.left;
    if (progress == 0.35f) continue;
    int inkInMargin = 0, inkInColumn = 0;
    for (int y = rect.top + 80; y < rect.top + 120; ++y) {
      for (int x = left + 2; x < left + 24; ++x)
        inkInMargin += (shot[y * 1000 + x] & 0xFF) < 0x60 ? 1 : 0;
      for (int x = left + 28; x < left + 120; ++x)
        inkInColumn += (shot[y * 1000 + x] & 0xFF) < 0x60 ? 1 : 0;
    }
    EXPECT_EQ(inkInMargin, 0) << progress;
    EXPECT_GT(inkInColumn, 50) << progress;
  }
  front.Reset();
  back.Reset();
  layout.Clear();
  CookBookLayoutValues.clear();
}

}  // namespace

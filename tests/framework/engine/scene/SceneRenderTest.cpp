#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/engine/particles/CFGFParticle.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/particles/ParticleServices.h"
#include "framework/engine/scene/CSpriteObject.h"
#include "framework/engine/scene/CTextSpriteObject.h"
#include "tests/framework/engine/scene/SceneFixture.h"

namespace {

using Pixels = std::vector<std::uint32_t>;
constexpr int kWidth = 160;

std::uint32_t At(const Pixels& px, int x, int y) {
  return px[static_cast<std::size_t>(y) * kWidth + x];
}
int Red(std::uint32_t argb) {
  return static_cast<int>((argb >> 16) & 0xFF);
}

class SceneRenderTest : public pm::test::SceneFixture {};

TEST_F(SceneRenderTest, InterfacesBannerFadesInHoldsAndFadesOutWithItsText) {
  const auto node = scene->PlayAnimation("interfaces.banner", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  // Panel at (40, 40) from 40 to 72; the text "HI" at (100, 40): H over 100..108.
  struct Frame {
    float at;   // ms since the start
    int red;    // panel's red channel over black
    bool text;  // the H shows white
  };
  const Frame frames[] = {{250.0f, 127, true}, {1000.0f, 255, true}, {1750.0f, 127, true}};
  float now = 0.0f;
  for (const Frame& f : frames) {
    Run(f.at - now);
    now = f.at;
    const Pixels px = Draw();
    ASSERT_EQ(px.size(), static_cast<std::size_t>(kWidth * 80));
    EXPECT_NEAR(Red(At(px, 50, 45)), f.red, 2) << "at " << f.at;
    EXPECT_EQ(At(px, 50, 45) & 0x0000FFFF, 0u) << "at " << f.at;
    EXPECT_EQ(At(px, 30, 45), 0xFF000000u) << "at " << f.at;
    // The text draws white with the panel's opacity track absent: fully opaque.
    EXPECT_EQ(At(px, 104, 45), 0xFFFFFFFFu) << "at " << f.at;
    EXPECT_EQ(At(px, 109, 45), 0xFFFFFFFFu) << "at " << f.at;  // I over 108..112
    EXPECT_EQ(At(px, 113, 45), 0xFF000000u) << "at " << f.at;
  }
  // After its one run the node finishes and leaves the scene with its drawables.
  Run(400.0f);
  EXPECT_TRUE(scene->GetAnimations().empty());
  EXPECT_TRUE(scene->GetDrawables().empty());
  EXPECT_EQ(At(Draw(), 50, 45), 0xFF000000u);
}

TEST_F(SceneRenderTest, TextSpriteReportsItsTextLinesAndRectangle) {
  const auto node = scene->CreateAnimation("interfaces.banner");
  ASSERT_TRUE(node);
  node->Play("all", 1, false);
  Run(10.0f);
  ASSERT_NE(node->GetText("caption"), nullptr);
  EXPECT_EQ(*node->GetText("caption"), L"HI");
  const auto drawable = node->FindDrawable("caption");
  ASSERT_TRUE(drawable);
  EXPECT_EQ(drawable->GetBoundingRect(), (GF::TRect<int>{100, 40, 112, 50}));

  ASSERT_TRUE(node->SetText("caption", L"I\\nH"));
  auto* text = dynamic_cast<GF::HGENS::CTextSpriteObject*>(drawable.Get());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetLineCount(), 2);
  EXPECT_EQ(drawable->GetBoundingRect(), (GF::TRect<int>{100, 40, 104, 60}));

  // A colour given through the text sprite draws with it whatever the tracks say.
  text->SetColor(0xFF00FF00);
  const Pixels px = Draw();
  EXPECT_EQ(At(px, 101, 45), 0xFF00FF00u);  // the I on the first line
  EXPECT_EQ(At(px, 104, 55), 0xFF00FF00u);  // the H on the second
}

TEST_F(SceneRenderTest, LayerOrderHoldsAndFollowsALayerChange) {
  const auto node = scene->PlayAnimation("interfaces.layers", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  Run(250.0f);
  EXPECT_EQ(At(Draw(), 24, 8), 0xFF00FF00u);  // green (layer 2) over red (1)
  EXPECT_EQ(At(Draw(), 8, 8), 0xFFFF0000u);
  Run(500.0f);
  EXPECT_EQ(At(Draw(), 24, 8), 0xFFFF0000u);  // red went to layer 3
  EXPECT_EQ(At(Draw(), 40, 8), 0xFF00FF00u);
}

TEST_F(SceneRenderTest, ClipRectangleCutsTheSpritesAfterIt) {
  ASSERT_TRUE(scene->PlayAnimation("interfaces.clipped", 0.0f, 0.0f, "all", 1, 0.0f));
  Run(100.0f);
  const Pixels px = Draw();
  EXPECT_EQ(At(px, 15, 5), 0xFFFF0000u);  // the rectangle's corners: (15, 5) to (25, 15)
  EXPECT_EQ(At(px, 24, 14), 0xFFFF0000u);
  EXPECT_EQ(At(px, 14, 8), 0xFF000000u);
  EXPECT_EQ(At(px, 25, 8), 0xFF000000u);
  EXPECT_EQ(At(px, 20, 4), 0xFF000000u);
  EXPECT_EQ(At(px, 5, 2), 0xFF000000u);
  // The scene switches clipping off after itself: later drawing is not cut.
  const Pixels after = session.Draw(kWidth, 80, [this] {
    scene->Render();
    session.engine().Clear(0xFF0000FF);
  });
  EXPECT_EQ(At(after, 100, 70), 0xFF0000FFu);
}

TEST_F(SceneRenderTest, ClipRectangleOffTheScreenLeavesOnePixel) {
  const auto node = scene->PlayAnimation("interfaces.clipped", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  node->SetPosition(-500.0f, -500.0f);
  Run(100.0f);
  const auto clip = node->GetDrawable(0);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->GetBoundingRect(), (GF::TRect<int>{0, 0, 1, 1}));
}

TEST_F(SceneRenderTest, ColourTrackTakesEffectOnlyWithABlendMode) {
  const auto node = scene->PlayAnimation("interfaces.tinted", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  Run(250.0f);
  EXPECT_EQ(At(Draw(), 8, 8), 0xFF00FF00u);  // mode 0: white, the texture as it is
  Run(500.0f);
  const std::uint32_t tinted = At(Draw(), 8, 8);  // mode 2: (1, 0.5, 0) times green
  EXPECT_EQ(tinted & 0xFFFF00FF, 0xFF000000u);
  EXPECT_NEAR(static_cast<int>((tinted >> 8) & 0xFF), 128, 1);
  const auto sprite = GF::TSmartIPtr<GF::ISprite, GF::kIdSprite>(node->GetDrawable(0));
  ASSERT_TRUE(sprite);
  sprite->SetColor(0xFFFFFFFF, 2);
  EXPECT_EQ(At(Draw(), 8, 8), 0xFF00FF00u);
  EXPECT_EQ(sprite->GetColor(), 0xFFFFFFFFu);
}

TEST_F(SceneRenderTest, AGivenColourStandsOnASpriteWithoutABlendModeUntilTakenBack) {
  const auto node = scene->PlayAnimation("interfaces.tinted", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  Run(100.0f);
  const auto sprite = GF::TSmartIPtr<GF::ISprite, GF::kIdSprite>(node->GetDrawable(0));
  ASSERT_TRUE(sprite);
  sprite->SetColor(0xFF808080, 2);  // grey, modulated: green at half
  Run(100.0f);
  const std::uint32_t grey = At(Draw(), 8, 8);
  EXPECT_EQ(grey & 0xFFFF00FF, 0xFF000000u);
  EXPECT_NEAR(static_cast<int>((grey >> 8) & 0xFF), 128, 1);
  sprite->SetColor(0xFFFFFFFF, 2);
  Run(10.0f);
  EXPECT_EQ(At(Draw(), 8, 8), 0xFF00FF00u);
}

TEST_F(SceneRenderTest, ColourTrackLeavesTextWhite) {
  const auto node = scene->PlayAnimation("interfaces.red_text", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  Run(10.0f);
  EXPECT_EQ(At(Draw(), 104, 45), 0xFFFFFFFFu);  // the H of "HI"
}

TEST_F(SceneRenderTest, SpriteHotSpotRectangleAndMissingSprite) {
  const auto node = scene->PlayAnimation("interfaces.sprites", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  Run(10.0f);
  EXPECT_EQ(node->FindDrawable("centred")->GetBoundingRect(), (GF::TRect<int>{34, 42, 66, 58}));
  EXPECT_EQ(node->FindDrawable("empty")->GetBoundingRect(), GF::TRect<int>());
  const Pixels px = Draw();
  EXPECT_EQ(At(px, 34, 42), 0xFFFF0000u);
  EXPECT_EQ(At(px, 65, 57), 0xFFFF0000u);
  EXPECT_EQ(At(px, 33, 50), 0xFF000000u);
  EXPECT_EQ(At(px, 10, 10), 0xFF000000u);
}

TEST_F(SceneRenderTest, SpriteFramesReuseTheObjectsOwnSprites) {
  const auto node = scene->PlayAnimation("interfaces.frames", 0.0f, 0.0f, "all", 1, 0.0f);
  const auto other = scene->PlayAnimation("interfaces.still", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  ASSERT_TRUE(other);
  auto* flip = dynamic_cast<GF::HGENS::CSpriteObject*>(node->FindDrawable("flip").Get());
  auto* still = dynamic_cast<GF::HGENS::CSpriteObject*>(other->FindDrawable("still").Get());
  ASSERT_NE(flip, nullptr);
  ASSERT_NE(still, nullptr);
  Run(50.0f);
  const auto red = flip->GetSprite();
  Run(100.0f);
  const auto green = flip->GetSprite();
  ASSERT_TRUE(red);
  ASSERT_TRUE(green);
  EXPECT_NE(green, red);
  Run(100.0f);
  EXPECT_EQ(flip->GetSprite(), red);  // back to id 0: the same sprite, none made
  // The other object showing id 0 has its own sprite: its hot spot stays at the corner.
  EXPECT_NE(still->GetSprite(), red);
  EXPECT_EQ(flip->GetBoundingRect(), (GF::TRect<int>{34, 42, 66, 58}));
  EXPECT_EQ(still->GetBoundingRect(), (GF::TRect<int>{100, 0, 132, 16}));
  const Pixels px = Draw();
  EXPECT_EQ(At(px, 34, 42), 0xFFFF0000u);
  EXPECT_EQ(At(px, 100, 0), 0xFFFF0000u);
  Run(100.0f);
  EXPECT_EQ(flip->GetSprite(), green);
}

TEST_F(SceneRenderTest, ASpriteShownAgainAfterTheTexturesWereFreedDrawsTheReloadedTexture) {
  const auto node = scene->PlayAnimation("interfaces.frames", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  auto* flip = dynamic_cast<GF::HGENS::CSpriteObject*>(node->FindDrawable("flip").Get());
  ASSERT_NE(flip, nullptr);
  Run(150.0f);  // green
  GF::HGENS::GetResources()->FreeTextures();
  Run(100.0f);  // red again, its texture loaded anew
  EXPECT_EQ(At(Draw(), 34, 42), 0xFFFF0000u);
  Run(100.0f);
  EXPECT_EQ(At(Draw(), 65, 57), 0xFF00FF00u);
}

// No holder keeps an engine handle across the cache freeing its textures: the next frame
// draws each with its texture loaded anew, and the engine never meets a freed handle.
TEST_F(SceneRenderTest, EveryHolderDrawsAgainAfterTheCacheFreedItsTextures) {
  GF::HGENS::InstallParticleServices();
  ASSERT_TRUE(scene->PlayAnimation("interfaces.still", 0.0f, 0.0f, "all", 1, 0.0f));
  ASSERT_TRUE(scene->PlayAnimation("interfaces.red_text", 0.0f, 0.0f, "all", 1, 0.0f));
  const auto spray = scene->PlayAnimation("interfaces.spray", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(spray);
  const auto burst = GF::HGENS::CFGParticle::Create(
      pm::test::WriteParticleFile(dir / "burst.fgp", pm::test::SceneParticleFile().Write()),
      "panel", GF::HGENS::CFGParticle::kEndless, false);
  burst->SetPosition(60.0f, 70.0f);
  Run(10.0f);
  auto* system = dynamic_cast<GF::HGENS::CFGFParticle*>(spray->GetDrawable(0).Get());
  ASSERT_NE(system, nullptr);
  system->GetEmitter().Update(0.05f);
  burst->Update(50.0f);
  ASSERT_GT(system->GetEmitter().GetLiveCount(), 0);
  ASSERT_GT(burst->GetLiveCount(), 0);
  const auto draw = [&] {
    return session.Draw(kWidth, 80, [&] {
      scene->Render();
      burst->Render();
    });
  };
  // The point sprites show the whole panel: red on their left, green on their right.
  const auto expectAll = [&](const Pixels& px) {
    EXPECT_EQ(At(px, 100, 0), 0xFFFF0000u);   // sprite
    EXPECT_EQ(At(px, 104, 45), 0xFFFFFFFFu);  // text
    EXPECT_EQ(Red(At(px, 17, 70)), 255);      // script particles
    EXPECT_EQ(At(px, 22, 70) & 0x00FFFF00, 0x00FF00u);
    EXPECT_EQ(Red(At(px, 57, 70)), 255);  // particles of the game's code
    EXPECT_EQ(At(px, 62, 70) & 0x00FFFF00, 0x00FF00u);
  };
  expectAll(draw());
  for (int round = 0; round < 2; ++round) {
    GF::HGENS::CResourceCache::Instance()->FreeAll();
    expectAll(draw());
  }
  for (const std::string& line : session.LogLines())
    EXPECT_EQ(line.find("freed or unknown"), std::string::npos) << line;
  EXPECT_TRUE(session.HasLogLine("Texture 0 now loading"));
  scene->Clear();  // the script particles leave the registry with their scene
  GF::HGENS::ParticleRegistry::Instance().Clear();
}

TEST_F(SceneRenderTest, TextBoxFollowsPositionAndScaleButLeavesTheFontAloneOtherwise) {
  const auto node = scene->CreateAnimation("interfaces.banner");
  ASSERT_TRUE(node);
  node->Play("all", 1, false);
  Run(10.0f);
  const auto drawable = node->FindDrawable("caption");
  auto* text = dynamic_cast<GF::HGENS::CTextSpriteObject*>(drawable.Get());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(drawable->GetBoundingRect(), (GF::TRect<int>{100, 40, 112, 50}));
  // Nothing changed: no new layout, which would set the shared font's tracking back.
  text->GetFont()->SetTracking(5);
  Run(10.0f);
  EXPECT_EQ(text->GetFont()->GetTracking(), 5);
  node->SetPosition(10.0f, 5.0f);
  Run(10.0f);
  EXPECT_EQ(drawable->GetBoundingRect(), (GF::TRect<int>{110, 45, 122, 55}));
  node->SetScale(2.0f, 2.0f);
  Run(10.0f);
  const GF::TRect<int> scaled = drawable->GetBoundingRect();
  EXPECT_EQ(scaled.right - scaled.left, 24);
  EXPECT_EQ(scaled.bottom - scaled.top, 20);
}

// Frames through the engine's loop, so that the modifier sees the engine's frame time.
class SceneLoopRenderTest : public pm::test::ReplayMode, public pm::test::SceneFixture {};

TEST_F(SceneLoopRenderTest, ModifierMovesASpriteAroundItsPosition) {
  const auto node = scene->PlayAnimation("interfaces.sprites", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  const auto wander = node->FindDrawable("wander");
  std::vector<int> lefts;
  RunFrames([&](int frame) {
    scene->Update(10.0f);
    lefts.push_back(wander->GetBoundingRect().left);
    return frame < 11;
  });
  // 100 + 5 sin(2 pi t / 100 ms) at t = 0, 10, 20 ... ms: each frame shows the value of the
  // time before its step, so the first frame is at t = 0.
  const std::vector<int> expected = {100, 103, 105, 105, 103, 100, 97, 95, 95, 97, 100};
  EXPECT_EQ(lefts, expected);
}

}  // namespace

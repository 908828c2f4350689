#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "tests/support/SampleContentFixture.h"

namespace {

constexpr int kW = 800;
constexpr int kH = 600;

struct Rgb {
  int r, g, b;
};

Rgb Channels(std::uint32_t argb) {
  return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
          static_cast<int>(argb & 0xFF)};
}

// The generated sample content, packed beside the program, in a scene drawn by the real
// renderer: the main menu's layout, whose logo fades in while it flies down, holds, and fades
// out while it flies back, under the game's title.
class SampleSceneE2ETest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    scene = GF::MakeHolder<GF::HGENS::CScene>();
  }
  void TearDown() override {
    if (scene) scene->Clear();
    scene.Reset();
    SampleContentFixture::TearDown();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }

  // The pixel of a registry sprite's texture.
  Rgb Texel(const std::string& sprite, int x, int y) {
    const EngineTexture texture = registry->GetSprite(sprite)->GetSprite()->GetTexture();
    Engine& engine = session.engine();
    const std::uint32_t* px = engine.TextureLock(texture, true);
    if (!px) return {-1, -1, -1};
    const Rgb rgb = Channels(px[y * engine.TextureGetWidth(texture) + x]);
    engine.TextureUnlock(texture);
    return rgb;
  }

  void Run(float ms) {
    for (; ms > 0.0f; ms -= 50.0f) scene->Update(ms < 50.0f ? ms : 50.0f);
  }

  std::vector<std::uint32_t> Draw() {
    return session.Draw(kW, kH, [this] { scene->Render(); });
  }

  GF::THolder<GF::HGENS::CScene> scene;
};

void ExpectNear(const Rgb& actual, const Rgb& expected, int tolerance, const std::string& what) {
  EXPECT_NEAR(actual.r, expected.r, tolerance) << what;
  EXPECT_NEAR(actual.g, expected.g, tolerance) << what;
  EXPECT_NEAR(actual.b, expected.b, tolerance) << what;
}

Rgb Mix(const Rgb& top, const Rgb& under, float alpha) {
  auto mix = [alpha](int t, int u) { return static_cast<int>(t * alpha + u * (1.0f - alpha)); };
  return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b)};
}

TEST_F(SampleSceneE2ETest, MainMenuLogoFadesInHoldsAndFadesOutUnderTheTitle) {
  const auto node = scene->PlayAnimation("main_menu.layout", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  // The logo's centre is its hot spot: texel (128, 64) lands on its position.
  const Rgb logo = Texel("logo", 128, 64);
  const Rgb backgroundHigh = Texel("menu_background", 400, 20);

  Run(250.0f);  // half shown, halfway down: at (400, 20)
  auto px = Draw();
  ExpectNear(Channels(px[20 * kW + 400]), Mix(logo, backgroundHigh, 127.0f / 255.0f), 8,
             "fading in");

  Run(1250.0f);  // held at (400, 140), upright
  px = Draw();
  ExpectNear(Channels(px[140 * kW + 400]), logo, 8, "held");
  // The title (centred at 400, 260, one and a half times its size) draws over the background.
  const auto title = node->FindDrawable("title");
  ASSERT_TRUE(title);
  const GF::TRect<int> rect = title->GetBoundingRect();
  EXPECT_LT(rect.left, 400);
  EXPECT_GT(rect.right, 400);
  EXPECT_EQ(rect.top, 260);
  int lit = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const Rgb p = Channels(px[y * kW + x]);
      const Rgb b = Texel("menu_background", x, y);
      lit += std::abs(p.r - b.r) + std::abs(p.g - b.g) + std::abs(p.b - b.b) > 120 ? 1 : 0;
    }
  }
  EXPECT_GT(lit, 100);

  Run(1250.0f);  // hiding: half faded, halfway back up
  px = Draw();
  ExpectNear(Channels(px[20 * kW + 400]), Mix(logo, backgroundHigh, 127.0f / 255.0f), 8,
             "fading out");

  Run(400.0f);  // done: the layout leaves the scene
  EXPECT_TRUE(scene->GetAnimations().empty());
  EXPECT_TRUE(scene->GetDrawables().empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/engine/particles/CHGESprite.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "tests/support/SampleContentFixture.h"
#include "tools/content/SampleArt.h"

namespace {

constexpr int kW = 400;
constexpr int kH = 200;
constexpr std::uint32_t kClear = 0xFF204060;

// The packed sample art drawn through the engine as the game draws it: the cook and a
// device from their sprites, standing on their hot spots, and the ingredient icons through
// their sheet's animation "Devices.icons_ingredients".
class SampleArtRenderTest : public pm::test::SampleContentFixture {
 protected:
  void TearDown() override {
    SampleContentFixture::TearDown();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }

  // Draws the named art sprite with its top-left corner at (x, y), through its hot spot.
  void DrawSprite(const std::string& name, float x, float y) {
    const auto image = registry->GetSprite(name);
    ASSERT_TRUE(image) << name;
    GF::HGENS::CHGESprite sprite(*image->GetSprite());
    const ArtSheet* sheet = nullptr;
    for (const ArtSheet& s : SampleArtSheets())
      if (name.starts_with(s.name + "_")) sheet = &s;
    ASSERT_NE(sheet, nullptr);
    const float hotX = sprite.GetWidth() * sheet->hotX / 10000.0f;
    const float hotY = sprite.GetHeight() * sheet->hotY / 10000.0f;
    sprite.SetHotSpot(hotX, hotY);
    sprite.Render(x + hotX, y + hotY);
  }

  static std::uint32_t At(const std::vector<std::uint32_t>& px, int x, int y) {
    return px[static_cast<std::size_t>(y) * kW + x];
  }
};

TEST_F(SampleArtRenderTest, CookDeviceAndIconShowTheirColoursOnAClearSurround) {
  GF::THolder<GF::HGENS::CScene> scene = GF::MakeHolder<GF::HGENS::CScene>();
  const auto icons =
      scene->PlayAnimation("Devices.icons_ingredients", 200.0f, 20.0f, "all", 1, 0.0f);
  ASSERT_TRUE(icons);
  scene->Update(0.0f);
  const std::vector<std::uint32_t> px = session.Draw(
      kW, kH,
      [&] {
        DrawSprite("cook_idle_0", 20.0f, 20.0f);
        DrawSprite("mixer_idle", 100.0f, 20.0f);
        scene->Render();
      },
      kClear);
  scene->Clear();
  ASSERT_EQ(px.size(), static_cast<std::size_t>(kW) * kH);

  // The cook's red scarf, and clear air beside her hat.
  EXPECT_EQ(At(px, 20 + 32, 20 + 47), 0xFFE8503Au);
  EXPECT_EQ(At(px, 20 + 2, 20 + 2), kClear);
  // The mixer's yellow knob, and clear air above its bowl.
  EXPECT_EQ(At(px, 100 + 26, 20 + 24), 0xFFFFD45Au);
  EXPECT_EQ(At(px, 100 + 90, 20 + 40), kClear);
  // The icon sheet from its top-left corner: each cell's middle, and the clear corner.
  const std::vector<ArtIcon>& cells = IngredientIcons();
  for (int k : {0, 3, 13}) {
    EXPECT_EQ(At(px, 200 + k % 8 * 32 + 16, 20 + k / 8 * 32 + 16), cells[k].centre) << cells[k].id;
  }
  EXPECT_EQ(At(px, 200, 20), kClear);
}

}  // namespace

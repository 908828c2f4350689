// The progress map's background drawn by the real renderer on the sample picture "map_fon":
// wrapping continues the picture across the texture's edge, and the tint shades the corners.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "game/app/GameData.h"
#include "game/screens/map/CDeformGrid.h"
#include "tests/game/screens/map/MapShots.h"
#include "tests/support/SampleContentFixture.h"
#include "tools/content/SampleMapScreens.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 467;

// Nodes at their flat places over kWidth x kHeight, as the sample table's first key.
GridAnimation FlatMap() {
  GridAnimation flat = MakeMapGridAnimation();
  flat.KeyFrames.resize(1);
  return flat;
}

class CDeformGridRenderTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    texture = GF::HGENS::CResourceCache::Instance()->GetTexture("map_fon");
    ASSERT_NE(texture, 0u);
    texels = session.engine().TextureLock(texture, true);
    ASSERT_NE(texels, nullptr);
    stride = session.engine().TextureGetWidth(texture);
  }
  void TearDown() override {
    if (texels) session.engine().TextureUnlock(texture);
    GF::HGENS::CResourceCache::ReleaseInstance();
    SampleContentFixture::TearDown();
  }

  // The grid drawn through a scene, as the map screen draws it.
  std::vector<std::uint32_t> Draw(const GF::THolder<CDeformGrid>& grid) {
    const GF::THolder<GF::HGENS::CScene> scene = GF::MakeHolder<GF::HGENS::CScene>();
    scene->AddDrawable(GF::IScene::DrawablePtr(grid.Get()));
    scene->SortDrawables();
    return session.Draw(kWidth, kHeight, [&] { scene->Render(); });
  }
  std::uint32_t Texel(int x, int y) const { return texels[y * stride + x]; }

  EngineTexture texture = 0;
  const std::uint32_t* texels = nullptr;
  int stride = 0;
};

TEST_F(CDeformGridRenderTest, WrappingContinuesTheRightEdgeOnTheLeft) {
  const GridAnimation flat = FlatMap();
  const GF::THolder<CDeformGrid> grid = CDeformGrid::Create();
  grid->SetGrid("map_fon", 5.0f, &flat);
  grid->GetMesh()->SetTextureRect(-100.0f, 0.0f, kWidth, kHeight);
  const std::vector<std::uint32_t> pixels = Draw(grid);
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kWidth * kHeight));
  pm::test::KeepShot("deform_grid_wrap.png", kWidth, kHeight, pixels);
  for (int y : {10, 150, 240, 330, 430, 466}) {
    for (int x : {0, 37, 99, 100, 101, 512, 899}) {
      const int column = (x - 100 + stride) % stride;  // x 0 shows column 924
      EXPECT_EQ(pixels[y * kWidth + x], Texel(column, y)) << x << ", " << y;
    }
  }
}

// After the cache freed its textures the grid draws with the picture loaded again.
TEST_F(CDeformGridRenderTest, DrawsTheSameAfterTheCacheFreedItsTextures) {
  const GridAnimation flat = FlatMap();
  const GF::THolder<CDeformGrid> grid = CDeformGrid::Create();
  grid->SetGrid("map_fon", 5.0f, &flat);
  grid->GetMesh()->SetTextureRect(0.0f, 0.0f, kWidth, kHeight);
  const std::vector<std::uint32_t> before = Draw(grid);
  session.engine().TextureUnlock(texture);
  texels = nullptr;
  GF::HGENS::CResourceCache::Instance()->FreeAll();
  EXPECT_EQ(Draw(grid), before);
}

TEST_F(CDeformGridRenderTest, TheMapLookBendsAndTintsTheCorners) {
  const GF::THolder<CDeformGrid> grid = CDeformGrid::Create();
  const GridAnimation map = MakeMapGridAnimation();
  grid->SetGrid("map_fon", 5.0f, &map);
  grid->GetMesh()->SetTextureRect(0.0f, 0.0f, kWidth, kHeight);
  grid->SetColor(0xFF775555);
  grid->UpdateNodes(0.005f);  // the bent pose, where the map settles
  const std::vector<std::uint32_t> pixels = Draw(grid);
  pm::test::KeepShot("deform_grid_map.png", kWidth, kHeight, pixels);
  // The top-left node takes the full tint (0x77 of red, 0x55 of green and blue).
  const std::uint32_t corner = pixels[0], texel = Texel(0, 0);
  EXPECT_NEAR(static_cast<int>(corner >> 16 & 0xFF),
              static_cast<int>((texel >> 16 & 0xFF) * 0x77 / 255), 2);
  EXPECT_NEAR(static_cast<int>(corner & 0xFF), static_cast<int>((texel & 0xFF) * 0x55 / 255), 2);
  // The middle node (5, 3), white, keeps the picture's colour at its bent place.
  const GF::TPoint<float> middle = map.KeyFrames[1].Rows[5][3];
  const int mx = static_cast<int>(middle.x), my = static_cast<int>(middle.y);
  const std::uint32_t centre = pixels[my * kWidth + mx];
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(static_cast<int>(centre >> shift & 0xFF),
                static_cast<int>(Texel(500, 280) >> shift & 0xFF), 40)
        << shift;
}

}  // namespace

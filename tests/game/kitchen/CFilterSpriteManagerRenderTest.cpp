#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/app/LibraryData.h"
#include "game/kitchen/CFilterSpriteManager.h"
#include "tests/support/SampleContentFixture.h"
#include "tools/content/SampleArt.h"

namespace {

constexpr int kW = 200;
constexpr int kH = 200;
constexpr std::uint32_t kClear = 0xFF204060;

class CFilterSpriteManagerRenderTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
  }

  // The icon of the cell drawn at (100, 100) alone.
  std::vector<std::uint32_t> DrawIcon(int index) {
    const auto sprite = CFilterSpriteManager::Instance()->GetIconSprite(index, "icons_ingredients");
    if (!sprite) return {};
    return session.Draw(
        kW, kH, [&] { sprite->Render(100.0f, 100.0f); }, kClear);
  }

  static std::uint32_t At(const std::vector<std::uint32_t>& px, int x, int y) {
    return px[static_cast<std::size_t>(y) * kW + x];
  }
};

// Each icon stands on its cell's centre and shows that cell only.
TEST_F(CFilterSpriteManagerRenderTest, AnIconIsDrawnAroundItsCentre) {
  const std::vector<ArtIcon>& cells = IngredientIcons();
  const std::vector<std::uint32_t> third = DrawIcon(3);
  ASSERT_EQ(third.size(), static_cast<std::size_t>(kW) * kH);
  EXPECT_EQ(At(third, 100, 100), cells[3].centre) << cells[3].id;
  EXPECT_EQ(At(third, 80, 100), kClear);

  const std::vector<std::uint32_t> first = DrawIcon(0);
  ASSERT_EQ(first.size(), static_cast<std::size_t>(kW) * kH);
  EXPECT_EQ(At(first, 100, 100), cells[0].centre) << cells[0].id;
  EXPECT_EQ(At(first, 100 - 16, 100), kClear);  // the cell's left edge: the icon stands free
  EXPECT_EQ(At(first, 100 - 17, 100), kClear);
}

}  // namespace

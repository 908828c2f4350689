#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "framework/engine/resources/CAnimationData.h"
#include "framework/engine/resources/CSpriteObjectData.h"
#include "framework/engine/scene/CResourceCache.h"
#include "game/app/LibraryData.h"
#include "game/kitchen/CFilterSpriteManager.h"
#include "tests/support/SampleContentFixture.h"
#include "tools/content/SampleArt.h"

namespace {

using GF::HGENS::CHGESprite;

// The sample content's icon sheets with their catalogue, and a manager of the test's own so
// that nothing is cached from an earlier test.
class CFilterSpriteManagerTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    session.ClearLog();
  }

  // The sheet as the registry's sprite of the same name shows it.
  EngineTexture SheetTexture(const std::string& sheet) {
    const auto image = registry->GetSprite(sheet);
    return image ? image->GetSprite()->GetTexture() : 0;
  }

  // The texture's pixel, 0 when it cannot be read.
  std::uint32_t Pixel(EngineTexture texture, int x, int y) {
    Engine& engine = session.engine();
    const std::uint32_t* px = engine.TextureLock(texture, true);
    if (!px) return 0;
    const std::uint32_t pixel = px[y * engine.TextureGetWidth(texture) + x];
    engine.TextureUnlock(texture);
    return pixel;
  }

  void AddAnimation(const GF::THolder<GF::HGENS::CAnimationData>& data) {
    (*registry->CreateModule("Devices"))[data->GetName()] = data;
  }

  GF::THolder<CFilterSpriteManager> manager = GF::MakeHolder<CFilterSpriteManager>();
};

TEST_F(CFilterSpriteManagerTest, CutsTheIndexedCellAndStandsItOnItsCentre) {
  struct Case {
    int index;
    const char* sheet;
    float x, y, w, h;
  };
  for (const Case& c :
       {Case{0, "icons_ingredients", 0, 0, 32, 32},
        Case{8, "icons_ingredients", 0, 32, 32, 32},  // first of row 2
        Case{9, "icons_ingredients", 32, 32, 32, 32},
        Case{15, "icons_ingredients", 224, 32, 32, 32}, Case{5, "icons_dishes", 64, 64, 64, 64}}) {
    SCOPED_TRACE(std::to_string(c.index) + " " + c.sheet);
    const GF::THolder<CHGESprite> sprite = manager->GetIconSprite(c.index, c.sheet);
    ASSERT_TRUE(sprite);
    float x, y, w, h, hotX, hotY;
    sprite->GetTextureRect(&x, &y, &w, &h);
    EXPECT_EQ((std::array{x, y, w, h}), (std::array{c.x, c.y, c.w, c.h}));
    sprite->GetHotSpot(&hotX, &hotY);
    EXPECT_EQ((std::array{hotX, hotY}), (std::array{c.w / 2, c.h / 2}));
    EXPECT_NE(sprite->GetTexture(), 0u);
    EXPECT_EQ(sprite->GetTexture(), SheetTexture(c.sheet));
  }
  EXPECT_EQ(manager->GetSheetCount(), 2u);
}

TEST_F(CFilterSpriteManagerTest, AnIndexOutsideTheSheetGivesNoSprite) {
  for (const auto& [index, sheet] :
       {std::pair{16, "icons_ingredients"}, {-1, "icons_ingredients"}, {8, "icons_dishes"}}) {
    EXPECT_FALSE(manager->GetIconSprite(index, sheet)) << index << " " << sheet;
  }
  EXPECT_TRUE(manager->GetIconSprite(7, "icons_dishes"));
}

// Nothing is kept for a name that the catalogue or the registry cannot resolve, so a later
// registration is still found.
TEST_F(CFilterSpriteManagerTest, AnUnresolvedSheetGivesNoSpriteAndIsNotKept) {
  EXPECT_FALSE(manager->GetIconSprite(0, "no_such_sheet"));
  EXPECT_EQ(manager->GetTexture("no_such_sheet"), 0u);

  // Catalogued, but the animation has no objects, or its object shows no sprite, or a
  // sprite number the registry does not have.
  GetLibraryData().Icons["broken"] = {"broken", 64, 64, 32, 32};
  auto data = GF::MakeHolder<GF::HGENS::CAnimationData>("broken");
  AddAnimation(data);
  EXPECT_FALSE(manager->GetIconSprite(0, "broken"));
  auto object = GF::MakeHolder<GF::HGENS::CSpriteObjectData>("sheet");
  data->AddObjectData(object);
  EXPECT_FALSE(manager->GetIconSprite(0, "broken"));
  object->GetIdTrack()->push_back({registry->GetSpriteInfoCount(), 0, 100.0f});
  EXPECT_FALSE(manager->GetIconSprite(0, "broken"));
  EXPECT_EQ(manager->GetSheetCount(), 0u);

  object->GetIdTrack()->front().value = 0;  // a sprite the registry has
  EXPECT_TRUE(manager->GetIconSprite(0, "broken"));
  EXPECT_EQ(manager->GetSheetCount(), 1u);
}

TEST_F(CFilterSpriteManagerTest, AsksTheRegistryOncePerSheetAndSurvivesFreedTextures) {
  const EngineTexture first = manager->GetTexture("icons_ingredients");
  ASSERT_NE(first, 0u);
  // Gone from the registry: a second lookup would find nothing.
  registry->CreateModule("Devices")->erase("icons_ingredients");
  EXPECT_EQ(manager->GetTexture("icons_ingredients"), first);

  registry->FreeTextures();
  const GF::THolder<CHGESprite> sprite = manager->GetIconSprite(0, "icons_ingredients");
  ASSERT_TRUE(sprite);
  ASSERT_NE(sprite->GetTexture(), 0u);
  EXPECT_EQ(Pixel(sprite->GetTexture(), 16, 16), IngredientIcons()[0].centre);
}

TEST_F(CFilterSpriteManagerTest, ASheetWithoutCellsGivesNoSpriteAndSaysSo) {
  const IconRecord good = *GetLibraryData().FindIcon("icons_ingredients");
  struct Case {
    const char* what;
    int sheetW, sheetH, cellW, cellH;
  };
  for (const Case& c :
       {Case{"cell width 0", 256, 64, 0, 32}, Case{"cell height -1", 256, 64, 32, -1},
        Case{"narrower than a cell", 16, 64, 32, 32}, Case{"lower than a cell", 256, 16, 32, 32}}) {
    SCOPED_TRACE(c.what);
    GetLibraryData().Icons["icons_ingredients"] = {good.Name, c.sheetW, c.sheetH, c.cellW, c.cellH};
    session.ClearLog();
    EXPECT_FALSE(manager->GetIconSprite(0, "icons_ingredients"));
    const auto& log = session.LogLines();
    EXPECT_EQ(std::count(log.begin(), log.end(), "[W] ICON SHEET icons_ingredients HAS NO CELLS"),
              1);
  }
}

TEST_F(CFilterSpriteManagerTest, TheProgramHasOneManager) {
  EXPECT_NE(CFilterSpriteManager::Instance(), nullptr);
  EXPECT_EQ(CFilterSpriteManager::Instance().Get(), CFilterSpriteManager::Instance().Get());
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ScreenTable.h"
#include "tests/game/app/CTestDataFileSource.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleContent.h"

namespace {

// The generator's files, written to a folder and read back the way the game reads them.
class SampleContentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = pm::test::MakeTempDir("content");
    ASSERT_TRUE(WriteSampleContent(folder));
  }
  void SetUp() override {
    source.folder = folder;
    GameDatabase = {};
    LevelsDatabase = {};
    GetLibraryData() = {};
  }
  void TearDown() override {
    GameDatabase = {};
    LevelsDatabase = {};
    GetLibraryData() = {};
  }

  static inline std::filesystem::path folder;
  CTestDataFileSource source;
};

TEST_F(SampleContentTest, GameDataLoadsAsGenerated) {
  ASSERT_TRUE(LoadGameDataFile());
  EXPECT_EQ(GameDatabase, MakeSampleGameData());
  EXPECT_TRUE(MotionPathTable.contains("spiral"));
  EXPECT_EQ(GridAnimationTable.size(), 1u);
  EXPECT_FALSE(TipRecords.empty());
  EXPECT_FALSE(FlowRules.empty());
  EXPECT_GT(OrderQueueCapacity, 0);
  EXPECT_EQ(GameSpeedFactor, 1.0f);
  EXPECT_TRUE(source.log.empty());
}

TEST_F(SampleContentTest, LibraryDataLoadsAsGenerated) {
  ASSERT_TRUE(LoadLibraryDataFile());
  EXPECT_EQ(GetLibraryData(), MakeSampleLibraryData());
  EXPECT_NE(GetLibraryData().FindObject("Devices.mixer"), nullptr);
  EXPECT_NE(GetLibraryData().FindIcon("icons_ingredients"), nullptr);
  EXPECT_TRUE(source.log.empty());
}

TEST_F(SampleContentTest, LevelsDataLoadsAsGeneratedWithEveryLevel) {
  ASSERT_TRUE(LoadLevelsDataFile());
  EXPECT_EQ(LevelsDatabase, MakeSampleLevelsData());
  EXPECT_TRUE(source.log.empty()) << source.log.front();  // no level dropped
  for (const char* key : {"stage1_1", "stage1_2"}) {
    SCOPED_TRACE(key);
    const LevelDescription& level = LevelTable.at(key);
    EXPECT_TRUE(level.IsKitchenLevel());
    EXPECT_FALSE(level.Rivals.empty());
    EXPECT_GE(level.DeviceSlots.size(), 3u);
  }
  std::set<std::string> bonusTypes;
  for (const auto& [key, level] : LevelTable)
    if (!level.IsKitchenLevel()) bonusTypes.insert(level.LevelType());
  EXPECT_EQ(bonusTypes, (std::set<std::string>{"bonus_diference", "bonus_ispy", "bonus_ispy_dark",
                                               "bonus_place_in"}));
  EXPECT_TRUE(TestLevelKey.empty());
}

// Every rule's target is a screen of the game, and the start-up events reach one.
TEST_F(SampleContentTest, FlowRulesTargetTheGamesScreens) {
  std::set<std::string> events;
  for (const FlowRule& rule : MakeSampleGameData().FlowRules) {
    SCOPED_TRACE(rule.screen + "/" + rule.event);
    if (rule.target == "None") continue;
    EXPECT_NE(std::find(GameScreenNames.begin(), GameScreenNames.end(), rule.target),
              GameScreenNames.end());
    events.insert(rule.event);
  }
  EXPECT_TRUE(events.contains("show_publisher"));
  EXPECT_TRUE(events.contains("test_starting"));
}

// The levels name only recipes, stages and catalogue objects that exist.
TEST_F(SampleContentTest, LevelsNameExistingRecipesStagesAndObjects) {
  const LevelsData levels = MakeSampleLevelsData();
  const LibraryData lib = MakeSampleLibraryData();
  for (const auto& [key, level] : levels.LevelTable) {
    SCOPED_TRACE(key);
    EXPECT_TRUE(levels.StageTable.contains(level.StageKey));
    for (const LevelOrderRecord& order : level.Orders)
      if (order.IsCustomer()) {
        EXPECT_TRUE(levels.RecipeTable.contains(order.RecipeKey)) << order.RecipeKey;
      }
    for (const DeviceSlot& slot : level.DeviceSlots)
      EXPECT_NE(lib.FindObject(slot.Name), nullptr) << slot.Name;
  }
  for (const auto& [key, recipe] : levels.RecipeTable) {
    EXPECT_NE(lib.FindObject(key), nullptr) << key;
    for (const RecipeItem& item : recipe.Items)
      EXPECT_NE(lib.FindObject(item.ObjectName), nullptr) << item.ObjectName;
  }
  // Every dish of the catalogue has its recipe.
  for (const auto& [key, object] : lib.Objects)
    if (key.starts_with("Dishes.")) {
      EXPECT_TRUE(levels.RecipeTable.contains(key)) << key;
    }
}

// Wherever the progress sends a player (a stage of the map and its first or second level), the
// generated file holds that stage's kitchen level.
TEST_F(SampleContentTest, EveryStageLevelTheProgressNamesExists) {
  ASSERT_TRUE(LoadLevelsDataFile());
  GameProgress = {};
  PlayerProfile& profile = CurrentProfile();
  for (int stage = 1; stage <= 7; ++stage)
    for (int number = 1; number <= 2; ++number) {
      profile.Floats[ProfileFloat::StageNumber] = static_cast<float>(stage);
      profile.Floats[ProfileFloat::LevelInStage] = static_cast<float>(number);
      const std::string key = GetCurrentLevelKey();
      SCOPED_TRACE(key);
      ASSERT_TRUE(LevelTable.contains(key));
      const LevelDescription& level = LevelTable.at(key);
      EXPECT_EQ(level.StageKey, GetStageKey(stage));
      EXPECT_EQ(GetStageNumber(level.StageKey), stage);
      EXPECT_EQ(level.LevelNumber(), number);
      EXPECT_TRUE(level.IsKitchenLevel());
      EXPECT_FALSE(level.Rivals.empty());
    }
  GameProgress = {};
}

// Every catalogue key that an object's items name is itself in the catalogue.
TEST_F(SampleContentTest, CatalogueItemsNameCatalogueObjects) {
  const LibraryData lib = MakeSampleLibraryData();
  for (const auto& [key, object] : lib.Objects)
    for (const RecipeItem& item : object.Items)
      EXPECT_NE(lib.FindObject(item.ObjectName), nullptr) << key << " -> " << item.ObjectName;
}

}  // namespace

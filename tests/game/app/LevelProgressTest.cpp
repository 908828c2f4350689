#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "framework/core/TStaticDelegate.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::GameAppSession;

int& SaveCount() {
  static int count = 0;
  return count;
}
void CountSave(GF::THolder<GF::IDataOutputStream>) {
  ++SaveCount();
}

void AddLevel(const std::string& key, const std::string& stageKey, std::int32_t index) {
  LevelDescription& level = LevelTable[key];
  level.LevelKey = key;
  level.StageKey = stageKey;
  level.LevelIndex = index;
}

void AddUpgrade(std::int32_t index, std::int32_t id, const std::string& item,
                const std::string& name) {
  UpgradeRecord& upgrade = UpgradeTable[index];
  upgrade.LevelIndex = index;
  upgrade.UpgradeId = id;
  upgrade.ItemName = item;
  upgrade.Name = name;
}

// Stages "stage_1" to "stage_7" with 5 levels each, and the level "L" of stage "stage_1".
class LevelProgressTest : public ::testing::Test {
 protected:
  LevelProgressTest() {
    LevelsDatabase = LevelsData{};
    for (int n = 1; n <= 7; ++n) {
      const std::string key = "stage_" + std::to_string(n);
      StageTable[key] = StageDescription{0, 5, n, key};
    }
    AddLevel("L", "stage_1", 1);
    CurrentProfile().Strings[ProfileString::CurrentLevelKey] = "L";
    SaveCount() = 0;
    GF::HGENS::GetGameManager()->SaveSettingsEvent().Subscribe(GF::MakeDelegate(&CountSave));
  }
  ~LevelProgressTest() override { LevelsDatabase = LevelsData{}; }

  PlayerProfile& profile() { return CurrentProfile(); }

  GameAppSession session;
};

TEST_F(LevelProgressTest, LevelProgressByStageAndPlace) {
  struct Case {
    const char* stageKey;
    float place;
    std::int32_t bestBefore;
    float outcome;  // LastLevelOutcome afterwards; it starts at 0.5
    std::int32_t bestAfter;
    int saves;
  };
  const Case cases[] = {
      {"stage_3", 3, 0, 1, 3, 1},    {"stage_3", 4, 0, -1, 0, 1},   {"stage_6", 3, 0, -1, 0, 1},
      {"stage_6", 2, 0, 1, 2, 1},    {"stage_7", 2, 0, -1, 0, 1},   {"stage_7", 1, 0, 0.5f, 1, 1},
      {"unknown", 3, 0, 1, 3, 1},    {"stage_1", 201, 0, 1, 1, 1},  {"stage_6", 202, 0, 1, 2, 1},
      {"stage_7", 202, 0, -1, 0, 1}, {"stage_1", 300, 0, -1, 0, 1}, {"stage_1", 0, 0, 0, 0, 0},
      {"stage_1", -3, 0, 0, 0, 0},   {"stage_1", 100, 0, 0, 0, 0},  {"stage_1", 150, 0, 0, 0, 0},
      {"stage_1", 101, 0, 0, 0, 0},  {"stage_1", 200, 0, 0, 0, 0},  {"stage_1", 3, 2, 1, 2, 1},
      {"stage_1", 1, 2, 1, 1, 1},    {"stage_1", 2.9f, 3, 1, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stageKey) + " place " + std::to_string(c.place));
    SaveCount() = 0;
    profile().LevelRecords.clear();
    profile().StageKey = c.stageKey;
    profile().Floats[ProfileFloat::CurrentPlace] = c.place;
    profile().Floats[ProfileFloat::LastLevelOutcome] = 0.5f;
    if (c.bestBefore != 0) profile().LevelRecords["L"].BestPlace = c.bestBefore;
    UpdateLevelProgress();
    EXPECT_EQ(profile().Floats[ProfileFloat::LastLevelOutcome], c.outcome);
    // Every level with a place has its record afterwards, a failed one too.
    EXPECT_EQ(profile().LevelRecords.contains("L"), c.saves == 1 || c.bestBefore != 0);
    EXPECT_EQ(profile().LevelRecords["L"].BestPlace, c.bestAfter);
    EXPECT_EQ(SaveCount(), c.saves);
  }
}

TEST_F(LevelProgressTest, OnlyABetterFirstPlaceGrantsTheUpgrade) {
  AddLevel("L", "stage_1", 45);
  AddUpgrade(45, 0, "hat", "red_hat");
  profile().StageKey = "stage_1";
  profile().Floats[ProfileFloat::CurrentPlace] = 1;
  UpdateLevelProgress();
  EXPECT_EQ(profile().Floats[ProfileFloat::UpgradeGranted], 1.0f);
  EXPECT_EQ(profile().StageRecords["stage_1"].Items["hat"], "red_hat");

  // A second first place does not grant again, even when the item went missing since.
  profile().Floats[ProfileFloat::UpgradeGranted] = 0.0f;
  profile().StageRecords["stage_1"].Items.clear();
  UpdateLevelProgress();
  EXPECT_EQ(profile().Floats[ProfileFloat::UpgradeGranted], 0.0f);
  EXPECT_TRUE(profile().StageRecords["stage_1"].Items.empty());
}

TEST_F(LevelProgressTest, GrantStageUpgradeByIndexBand) {
  struct Case {
    std::int32_t index;
    const char* what;
  };
  for (const Case c : {Case{2, "ids"}, Case{22, "ids"}, Case{24, "names"}, Case{43, "names"},
                       Case{45, "items"}, Case{300, "items"}}) {
    SCOPED_TRACE(c.index);
    GameProgress = ProgressBlock{};
    AddLevel("K", "stage_2", c.index);
    AddUpgrade(c.index, 7, "apron", "blue_apron");
    EXPECT_TRUE(GrantStageUpgrade("K"));
    EXPECT_FALSE(GrantStageUpgrade("K"));  // once per player
    const PlayerProfile& p = profile();
    const std::string band = c.what;
    EXPECT_EQ(p.StageRecords.contains("stage_2"), band != "names");
    if (band == "ids") {
      EXPECT_EQ(p.StageRecords.at("stage_2").UpgradeIds, std::vector<int>{7});
    }
    if (band == "names") {
      EXPECT_EQ(p.UpgradeNames, std::vector<std::string>{"blue_apron"});
    }
    if (band == "items") {
      EXPECT_EQ(p.StageRecords.at("stage_2").Items.at("apron"), "blue_apron");
      EXPECT_EQ(p.LastGrantedItem, "apron");
      EXPECT_FALSE(p.Floats.contains(ProfileFloat::Value17));
    } else {
      EXPECT_EQ(p.Floats.at(ProfileFloat::Value17), 1.0f);
    }
  }
}

// Between the bands, and inside them where the table has no upgrade for the level.
TEST_F(LevelProgressTest, IndicesWithoutAnUpgradeReportTheStagesLastLevel) {
  profile().StageKey = "stage_3";
  for (std::int32_t index : {0, 1, 23, 44, -5, 6, 30, 50}) {
    SCOPED_TRACE(index);
    AddLevel("K", "stage_2", index);
    profile().Floats[ProfileFloat::LevelInStage] = 4.0f;
    EXPECT_FALSE(GrantStageUpgrade("K"));
    profile().Floats[ProfileFloat::LevelInStage] = 5.0f;
    EXPECT_TRUE(GrantStageUpgrade("K"));
    EXPECT_TRUE(profile().StageRecords.empty());
    EXPECT_TRUE(profile().UpgradeNames.empty());
    EXPECT_FALSE(profile().Floats.contains(ProfileFloat::Value17)) << "no outfit to show";
  }
}

TEST_F(LevelProgressTest, SyncStageUpgradeBothWays) {
  profile().StageKey = "stage_4";
  profile().Floats[ProfileFloat::StageUpgrade] = 3.7f;
  SyncStageUpgrade(true);
  EXPECT_EQ(profile().StageRecords["stage_4"].Upgrade, 3);
  EXPECT_EQ(SaveCount(), 1);

  profile().StageRecords["stage_4"].Upgrade = 2;
  SyncStageUpgrade(false);
  EXPECT_EQ(profile().Floats[ProfileFloat::StageUpgrade], 2.0f);
  profile().StageKey = "stage_5";  // no record yet: made empty
  SyncStageUpgrade(false);
  EXPECT_EQ(profile().Floats[ProfileFloat::StageUpgrade], 0.0f);
  EXPECT_TRUE(profile().StageRecords.contains("stage_5"));
  EXPECT_EQ(SaveCount(), 1);
}

TEST_F(LevelProgressTest, PlayerPlaceRanksTotalsOverTheStagesLevels) {
  AddLevel("a1", "stage_1", 3);
  AddLevel("a2", "stage_1", 4);
  AddLevel("b1", "stage_2", 5);
  profile().LevelRecords["a1"].Scores = {{5, 100.0f}, {6, 200.0f}, {9, 150.0f}};
  profile().LevelRecords["a2"].Scores = {{5, 200.0f}, {6, 50.0f}, {9, 50.0f}};
  profile().LevelRecords["b1"].Scores = {{6, 1000.0f}};
  profile().LevelRecords["unknown"].Scores = {{6, 1000.0f}};
  EXPECT_EQ(GetPlayerPlace("stage_1"), 2);  // 5: 300, 6: 250, 9: 200
  EXPECT_EQ(GetPlayerPlace("stage_2"), 1);
  EXPECT_EQ(GetPlayerPlace("stage_3"), 0);

  profile().LevelRecords["a2"].Scores[6] = 100.0f;  // a tie at 300 ranks the player first
  EXPECT_EQ(GetPlayerPlace("stage_1"), 1);
  profile().LevelRecords["a2"].Scores[9] = std::numeric_limits<float>::quiet_NaN();
  profile().LevelRecords["a2"].Scores[5] = 500.0f;
  EXPECT_EQ(GetPlayerPlace("stage_1"), 2);
}

TEST_F(LevelProgressTest, CurrentLevelKeyAndStageLookups) {
  profile().Floats[ProfileFloat::StageNumber] = 7.0f;
  profile().Floats[ProfileFloat::LevelInStage] = 1.0f;
  EXPECT_EQ(GetCurrentLevelKey(), "stage7_1");
  profile().Strings[ProfileString::LevelKeySecondary] = "secondary";
  EXPECT_EQ(GetCurrentLevelKey(), "secondary");
  profile().Strings[ProfileString::LevelKeyOverride] = "override";
  EXPECT_EQ(GetCurrentLevelKey(), "override");
  TestLevelKey = "test";
  EXPECT_EQ(GetCurrentLevelKey(), "test");

  EXPECT_EQ(GetStageKey(6), "stage_6");
  EXPECT_EQ(GetStageKey(8), "");
  StageTable["bonus_ispy"] = StageDescription{0, 1, 6, "bonus_ispy"};
  EXPECT_EQ(GetStageKey(6), "bonus_ispy");  // the smallest key of several
  EXPECT_EQ(GetStageNumber("stage_3"), 3);
  EXPECT_EQ(GetStageNumber("nothing"), 0);
  EXPECT_EQ(GetCurrentStageNumber(), 1);  // level "L" of stage_1
  profile().Strings[ProfileString::CurrentLevelKey] = "missing";
  EXPECT_EQ(GetCurrentStageNumber(), 0);
}

}  // namespace

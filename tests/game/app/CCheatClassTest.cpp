#include <gtest/gtest.h>

#include <string>

#include "game/app/CCheatClass.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::GameAppSession;

constexpr const wchar_t* kWord = L"abc";

void Type(CCheatClass& watcher, const std::wstring& text) {
  for (wchar_t c : text) watcher.OnChar(c);
}

class CCheatClassTest : public ::testing::Test {
 protected:
  CCheatClassTest() {
    CheatModeEnabled = false;
    LevelsDatabase = LevelsData{};
  }
  ~CCheatClassTest() override {
    CheatModeEnabled = false;
    LevelsDatabase = LevelsData{};
  }

  // A stage of that number with a level of it, whose rivals are competitors 2 and 4.
  static void AddLevel(const std::string& key, int stage) {
    const std::string stageKey = "stage" + std::to_string(stage);
    StageTable[stageKey] = StageDescription{0, 5, stage, stageKey};
    LevelDescription& level = LevelTable[key];
    level.LevelKey = key;
    level.StageKey = stageKey;
    level.Rivals = {{150, 2}, {90, 4}};
    level.Orders = {{0.0f, 1, 10, 0, "recipe_" + key, 20}, {0.0f, 0, 0, 1, "", 0}};
  }

  GameAppSession session;
  CCheatClass watcher{kWord};
};

TEST_F(CCheatClassTest, TheWholeWordSwitchesTheModeAndAWrongLetterStartsAgain) {
  struct Case {
    const wchar_t* typed;
    bool mode;
    int position;
  };
  const Case cases[] = {
      {L"abc", true, 0},
      {L"abcabc", false, 0},
      {L"ab", false, 2},
      // The wrong letter does not start a new match, though it is the word's first.
      {L"aba", false, 0},
      {L"abaab", false, 2},
      {L"abxbc", false, 0},
      {L"aabc", false, 0},
      // With the mode off, '7' is a wrong letter like any other.
      {L"ab7", false, 0},
      {L"abc7", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.typed)));
    CheatModeEnabled = false;
    CCheatClass fresh(kWord);
    Type(fresh, c.typed);
    EXPECT_EQ(CheatModeEnabled, c.mode);
    EXPECT_EQ(fresh.GetPosition(), c.position);
  }
}

TEST_F(CCheatClassTest, SevenWithTheModeOnKeepsTheMatchAndUnlocks) {
  AddLevel("stage7_1", 7);
  Type(watcher, L"abcab7");
  EXPECT_TRUE(CheatModeEnabled);
  EXPECT_EQ(watcher.GetPosition(), 2);
  EXPECT_EQ(CurrentProfile().LevelRecords["stage7_1"].BestPlace, 1);
}

TEST_F(CCheatClassTest, ABonusOrDuelPlaceIsKeptButTheLevelIsScored) {
  AddLevel("stage1_1", 1);
  PlayerProfile& profile = CurrentProfile();
  profile.Floats[ProfileFloat::CurrentPlace] = 201.0f;
  profile.Strings[ProfileString::CurrentLevelKey] = "played";
  CheatCompleteLevel("stage1_1");
  EXPECT_EQ(profile.Floats[ProfileFloat::CurrentPlace], 201.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::LevelPoints], 250.0f);
  EXPECT_EQ(profile.LevelRecords["stage1_1"].Scores[6], 250.0f);
  // The level of the call is booked, and the one played stays the current one.
  EXPECT_EQ(profile.Strings[ProfileString::CurrentLevelKey], "played");
  EXPECT_FALSE(profile.LevelRecords.contains("played"));
}

TEST_F(CCheatClassTest, UnlockingCompletesEveryLevelOfStagesOneToSeven) {
  for (int stage = 1; stage <= 7; ++stage) AddLevel("stage" + std::to_string(stage) + "_1", stage);
  AddLevel("stage8_1", 8);
  AddLevel("bonus_1", 0);
  watcher.UnlockEverything(L'7');

  PlayerProfile& profile = CurrentProfile();
  for (int stage = 1; stage <= 7; ++stage) {
    const std::string key = "stage" + std::to_string(stage) + "_1";
    SCOPED_TRACE(key);
    const LevelRecord& record = profile.LevelRecords[key];
    EXPECT_EQ(record.BestPlace, 1);
    EXPECT_EQ(record.Scores, (std::map<std::int32_t, float>{{2, 150.0f}, {4, 90.0f}, {6, 250.0f}}));
    EXPECT_TRUE(profile.Unlocked["recipe_" + key]);
  }
  for (const char* other : {"stage8_1", "bonus_1", ""})
    EXPECT_FALSE(profile.LevelRecords.contains(other)) << other;
  EXPECT_EQ(profile.Unlocked.size(), 7u);  // no key for the script's control record
  EXPECT_EQ(profile.Floats[ProfileFloat::StageNumber], 7.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::LevelInStage], 8.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::StoryProgress], 100.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::UpgradeGranted], 0.0f);
  EXPECT_EQ(profile.StageKey, "stage7");
  EXPECT_TRUE(profile.Flags["comics_0"]);
  EXPECT_TRUE(profile.Flags["comics_49"]);
  EXPECT_FALSE(profile.Flags.contains("comics_50"));
  EXPECT_EQ(profile.TipCounts[49], 10);
}

}  // namespace

// The stage's end: the standings and who drops out on fixture profiles, the row of pennants
// as a table, and on the real program what the screen writes into its texts and cups and
// when its button, sounds and music come.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/engine/screens/CBaseControl.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/results/CStageStatisticsScreen.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"
#include "tests/game/screens/results/StageEndProfile.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::TopScreen;
using pm::test::TopText;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Levels "a1" and "a2" of stage "s1", "b1" of "s2", and a player without records.
class StandingsTest : public testing::Test {
 protected:
  StandingsTest() {
    Reset();
    LevelTable["a1"].StageKey = LevelTable["a2"].StageKey = "s1";
    LevelTable["b1"].StageKey = "s2";
  }
  ~StandingsTest() override { Reset(); }

  static void Reset() {
    LevelsDatabase = LevelsData{};
    GameProgress = ProgressBlock{};
  }
  static void Score(const char* level, std::map<std::int32_t, float> scores) {
    CurrentProfile().LevelRecords[level].Scores = std::move(scores);
  }
  static std::vector<int> Ids(const std::vector<StageStanding>& standings) {
    std::vector<int> ids;
    for (const StageStanding& standing : standings) ids.push_back(standing.CompetitorId);
    return ids;
  }
};

TEST_F(StandingsTest, ARivalWithThePlayersPointsRanksBelowAndEqualRivalsKeepTheirIdsOrder) {
  Score("a1", {{2, 100.0f}, {6, 60.0f}, {5, 30.0f}});
  Score("a2", {{6, 40.0f}, {4, 50.0f}, {3, 50.0f}, {1, 50.0f}});
  Score("b1", {{0, 999.0f}});  // another stage's
  Score("unknown", {{7, 999.0f}});
  const std::vector<StageStanding> standings = BuildStandings("s1");
  EXPECT_EQ(Ids(standings), (std::vector<int>{6, 2, 1, 3, 4, 5, 0, 7}));
  EXPECT_FLOAT_EQ(standings[0].Total, 100.1f);
}

TEST_F(StandingsTest, ScoresOfOtherIdsChangeNothingAndANaNTotalRanksLast) {
  Score("a1", {{2, 100.0f}, {6, 60.0f}});
  const std::vector<StageStanding> before = BuildStandings("s1");
  Score("a2", {{9, 500.0f}, {-1, 500.0f}, {8, 1.0f}});
  EXPECT_EQ(BuildStandings("s1"), before);
  Score("a2", {{2, kNaN}});
  EXPECT_EQ(Ids(BuildStandings("s1")), (std::vector<int>{6, 0, 1, 3, 4, 5, 7, 2}));
}

TEST(StageStatisticsScreen, WhoDropsOutStandsAtEightLessTheStageNumber) {
  std::vector<StageStanding> standings;
  for (int index = 0; index < 8; ++index) standings.push_back({7 - index, 0.0f});
  const struct {
    int stage;
    float dropped;
  } cases[] = {{1, 0.0f},
               {6, 5.0f},
               {8, 7.0f},
               {0, 3.5f},
               {9, 3.5f},
               {-1, 3.5f},
               {std::numeric_limits<int>::min(), 3.5f}};
  for (const auto& c : cases)
    EXPECT_EQ(DroppedOutCompetitor(standings, c.stage, 3.5f), c.dropped) << c.stage;
}

TEST(StageStatisticsScreen, TheRowOfPennantsCountsThePlacesLeftAfterTheCups) {
  const struct {
    int k;
    RibbonRow row;
  } cases[] = {
      {1, {7, 5, -218, 112}},  // places 8 down to 4
      {5, {3, 1, 6, 112}},     // place 4 alone
      {6, {2, 0, 62, 112}},    // none
      {7, {1, 0, 62, 112}},
      {0, {7, 5, -218, 112}},  // never past the eighth standing
      {std::numeric_limits<int>::min(), {7, 5, -218, 112}},
  };
  for (const auto& c : cases) {
    const RibbonRow row = LayRibbonRow(c.k, 100, 12.0f);
    EXPECT_EQ(row.first, c.row.first) << c.k;
    EXPECT_EQ(row.count, c.row.count) << c.k;
    if (row.count > 0) {
      EXPECT_EQ(row.x, c.row.x) << c.k;
    }
    EXPECT_EQ(row.step, c.row.step) << c.k;
  }
}

// The standings of the first stage on the real program, opened as the game's first screen.
class StageEndRunTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
  }

  void Open(const pm::test::StageTotalsById& totals, float stageNumber, int frames,
            std::function<void(int)> after, const std::string& script = "",
            const std::string& stageKey = "stage1") {
    onCreated = [=](GF::IScreen& screen) {
      if (screen.GetName() != "StageStatisticsScreen") return;
      StageTable["stage6"] = StageDescription{0, 2, 6, "stage6"};
      pm::test::SetCompletedStage(totals, stageNumber, stageKey);
    };
    Run("StageStatisticsScreen", "main_menu.stage_statistics_screen",
        "frames " + std::to_string(frames) + "\n" + script, std::move(after));
  }

  // The animation in a holder's place ("cup_2" / "_cup_place"); "-" for none.
  static std::string InCup(const char* cup, const char* place) {
    const auto holder = GF::HGENS::FindSubstitutedPart(*TopScreen()->GetLayout(), cup);
    const auto shown = holder ? GF::HGENS::FindSubstitutedPart(*holder, place) : nullptr;
    return shown ? shown->GetName() : "-";
  }

  static bool ContinueEnabled() {
    const GF::THolder<GF::HGENS::CBaseControl> next = TopScreen()->GetControl("continue");
    return next && next->IsEnabled();
  }
};

TEST_F(StageEndRunTest, ThePlayersSecondCupIsTheStagesAndContinueWaitsForItsRise) {
  // Second behind 1234.9 after the third stage (float 1 = 4); id 5 last.
  pm::test::StageTotalsById totals = pm::test::kPlayerFirst;
  totals[4] = 1234.9f;
  std::vector<std::string> cups;
  std::vector<std::wstring> points;
  int enabled = 0;
  Open(
      totals, 4.0f, 170,
      [&](int frame) {
        if (frame == 5) {
          for (const char* cup : {"cup_1", "cup_2", "cup_3"})
            for (const char* place : {"_cup_place", "_light_place"})
              cups.push_back(InCup(cup, place));
          for (const char* part : {"_points_1", "_points_2", "_points_3"})
            points.push_back(TopText(part));
        }
        if (!enabled && TopScreen() && ContinueEnabled()) enabled = frame;
      },
      "@130 move 400 568\n@131 buttondown 1\n@132 buttonup 1\n");
  EXPECT_EQ(cups,
            (std::vector<std::string>{"cup_1_3", "-", "cup_2_3", "cup_light_1", "cup_3_3", "-"}));
  EXPECT_EQ(points, (std::vector<std::wstring>{L"1234", L"700", L"450"}));
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::DroppedOutCompetitor], 5.0f);
  // Shown after 600 ms, the cup rises for 1200 ms and the button for 500 ms.
  EXPECT_GT(enabled, 110);
  EXPECT_LT(enabled, 125);
  EXPECT_EQ(CountPlayerCalls("sound:Play Stage_complete 1 0.000000"), 1);
  EXPECT_EQ(CountPlayerCalls("sound:Play level_place 1 0.000000"), 1);
  EXPECT_EQ(closed, Lines{"StageStatisticsScreen:next"});
  EXPECT_GE(CountPlayerCalls("sound:Stop Stage_complete"), 1);
}

TEST_F(StageEndRunTest, WithoutACupContinueComesAfterItsOwnShow) {
  int enabled = 0;
  std::string light = "-";
  Open(pm::test::kPlayerFourth, 2.0f, 80, [&](int frame) {
    if (frame == 5)
      light = InCup("cup_1", "_light_place") + InCup("cup_2", "_light_place") +
              InCup("cup_3", "_light_place");
    if (!enabled && TopScreen() && ContinueEnabled()) enabled = frame;
  });
  EXPECT_EQ(light, "---");
  EXPECT_GT(enabled, 50);
  EXPECT_LT(enabled, 65);
  EXPECT_EQ(CountPlayerCalls("sound:Play level_place 1 0.000000"), 0);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::DroppedOutCompetitor], 5.0f);
}

TEST_F(StageEndRunTest, TheFinalStageHasItsOwnLayoutAndTwoCupPlaces) {
  // Stage 6 (float 1 = 7): no level of it was played, so the player's 0.1 leads and the
  // rivals follow by id; the third (id 1) drops out.
  std::string layout, cup;
  std::vector<std::wstring> points;
  Open(
      pm::test::kPlayerFirst, 7.0f, 10,
      [&](int frame) {
        if (frame != 5) return;
        layout = TopScreen()->GetLayout()->GetName();
        cup = InCup("cup_2", "_cup_place") + InCup("cup_3", "_cup_place");
        for (const char* part : {"_points_1", "_points_2", "_points_3"})
          points.push_back(TopText(part));
      },
      "", "stage6");
  EXPECT_EQ(layout, "stage_statistics_screen_2");
  EXPECT_EQ(cup, "cup_2_6-");
  EXPECT_EQ(points, (std::vector<std::wstring>{L"0", L"0", L" "}));
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::DroppedOutCompetitor], 1.0f);
}

TEST_F(StageEndRunTest, AStagesLastLevelWonOffersItsRecipeToPrintOnTheWayToItsStandings) {
  // The first stage's second level won: "continue" (at 500, 520) on its result offers the new
  // stage's recipe to print first; its "OK" (at 400, 450) opens the book, whose exit goes on to
  // the standings.
  float stage = 0.0f, level = 0.0f;
  std::vector<std::string> created;
  onCreated = [&](GF::IScreen& screen) {
    created.push_back(screen.GetName());
    PlayerProfile& profile = CurrentProfile();
    if (screen.GetName() == "StatisticsScreen") {
      pm::test::SetLevelResult({100.0f, 1.0f, 3.0f, 0.0f, "stage1_2", 0});
      profile.Floats[ProfileFloat::LevelInStage] = 2.0f;
      profile.Floats[ProfileFloat::StageNumber] = 1.0f;
    } else if (screen.GetName() == "new_dress_screen") {
      stage = profile.Floats[ProfileFloat::StageNumber];
      level = profile.Floats[ProfileFloat::LevelInStage];
    }
  };
  Run("StatisticsScreen", "main_menu.statistics_screen",
      "frames 200\n@40 move 500 520\n@41 buttondown 1\n@42 buttonup 1\n"
      "@150 move 400 450\n@151 buttondown 1\n@152 buttonup 1\n");
  EXPECT_EQ(closed, (Lines{"StatisticsScreen:next", "new_dress_screen:cookbook"}));
  EXPECT_EQ(created, (std::vector<std::string>{"StatisticsScreen", "new_dress_screen",
                                               "CookingBookScreen"}));
  EXPECT_EQ(stage, 2.0f);
  EXPECT_EQ(level, 1.0f);
}

}  // namespace

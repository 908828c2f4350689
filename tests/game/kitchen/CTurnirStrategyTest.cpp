#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/kitchen/CTurnirStrategy.h"
#include "tests/game/kitchen/KitchenFieldFixture.h"

namespace {

using pm::test::KitchenFieldFixture;

class CTurnirStrategyTest : public KitchenFieldFixture {
 protected:
  // A contest level of one recipe of `items` items (so an order is worth items / 2 + 8) and
  // the rivals, its time limit 60 s.
  void MakeContest(int items, std::vector<LevelRival> rivals) {
    RecipeRecord& recipe = RecipeTable["Dishes.contest"];
    recipe.RecipeKey = "Dishes.contest";
    recipe.Items.assign(static_cast<std::size_t>(items),
                        RecipeItem{L"Eggs", 0, "Ingredients.eggs"});
    LevelDescription& level = LevelTable.at("stage1_1");
    level.Orders = {{0.0f, 1, 40, 0, "Dishes.contest", 30}, {0.0f, 2, 40, 0, "Dishes.contest", 30}};
    level.Rivals = std::move(rivals);
    level.LevelTime = 60000.0f;
  }
  CTurnirStrategy& Turnir() { return kitchenField->GetTurnir(); }
  CStandingsPanel& Standings() { return kitchenField->GetStandings(); }
  // The rivals' steps over the level, time running at 50 ms a frame.
  void Play(float ms) {
    for (float t = 0.0f; t < ms; t += 50.0f) {
      kitchenField->SetLevelTime(kitchenField->GetLevelTime() + 50.0f);
      Turnir().Update(50.0f);
    }
  }
};

TEST_F(CTurnirStrategyTest, ARivalTakesItsStepsOverTheLevelTime) {
  MakeContest(24, {{100, 2}});
  float earliest = 1e9f;
  float latest = 0.0f;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::srand(seed);
    ASSERT_TRUE(LoadKitchen("stage1_1"));
    ASSERT_EQ(Turnir().GetRivals().size(), 1u);
    const CTurnirStrategy::Rival& rival = Turnir().GetRivals()[0];
    EXPECT_EQ(Turnir().GetOrderValue(), 20.0f);
    EXPECT_EQ(rival.stepsLeft, 15);  // 100 / 20 + 1 orders, 2.5 steps each
    earliest = std::min(earliest, rival.timer);
    latest = std::max(latest, rival.timer);
  }
  const float slice = Turnir().GetTotalTime() / 16.0f;
  EXPECT_EQ(Turnir().GetTotalTime(), 90000.0f);
  EXPECT_GE(earliest, 0.5f * slice);
  EXPECT_LE(latest, 1.39f * slice);
  EXPECT_LT(earliest, 0.7f * slice);
  EXPECT_GT(latest, 1.2f * slice);
}

TEST_F(CTurnirStrategyTest, RivalsClimbToTheirTargetsAndNeverPastThem) {
  MakeContest(4, {{100, 2}, {40, 3}, {-30, 4}});
  std::srand(7);
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  EXPECT_EQ(Standings().GetCount(), 4);
  EXPECT_LT(Turnir().GetRivals()[2].stepsLeft, 0);  // a negative target: no step
  float last = 0.0f;
  for (int second = 0; second < 90; ++second) {
    Play(1000.0f);
    const float score = Standings().GetScore(2);
    EXPECT_GE(score, last);
    EXPECT_LE(score, 100.0f);
    last = score;
  }
  for (std::size_t i : {0u, 1u}) {
    const CTurnirStrategy::Rival& rival = Turnir().GetRivals()[i];
    EXPECT_EQ(rival.stepsLeft, 0) << rival.id;
    EXPECT_LE(rival.score, static_cast<float>(rival.target)) << rival.id;
    EXPECT_EQ(Standings().GetScore(rival.id), rival.score) << rival.id;
  }
  EXPECT_GT(Standings().GetScore(2), 80.0f);
  EXPECT_EQ(Standings().GetScore(4), 0.0f);
  // No steps left: nothing moves any more.
  Play(5000.0f);
  EXPECT_EQ(Standings().GetScore(2), last);
}

TEST_F(CTurnirStrategyTest, WithoutAKnownRecipeEachRivalTakesOneStep) {
  MakeContest(4, {{30, 2}});
  for (LevelOrderRecord& order : LevelTable.at("stage1_1").Orders) order.RecipeKey = "Dishes.none";
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  EXPECT_EQ(Turnir().GetOrderValue(), 0.0f);
  EXPECT_EQ(Turnir().GetRivals()[0].stepsLeft, 1);
  Play(90000.0f);
  EXPECT_GE(Standings().GetScore(2), 18.0f);
  EXPECT_LE(Standings().GetScore(2), 30.0f);
}

TEST_F(CTurnirStrategyTest, StoppedRivalsStandWhileTheGlideFinishes) {
  MakeContest(4, {{100, 2}});
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  Play(40000.0f);
  const float score = Standings().GetScore(2);
  ASSERT_GT(score, 0.0f);
  Standings().SetScore(CStandingsPanel::kPlayerId, score + 1.0f);
  Turnir().Stop();
  Play(40000.0f);
  EXPECT_EQ(Standings().GetScore(2), score);
  EXPECT_TRUE(Standings().IsGliding());
  kitchenField->Update(StandingsInterval);
  EXPECT_FALSE(Standings().IsGliding());
}

TEST_F(CTurnirStrategyTest, ALevelWithoutRivalsHasNoStandings) {
  LevelTable.at("stage1_1").Rivals.clear();
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  EXPECT_EQ(Standings().GetCount(), 0);
  EXPECT_EQ(Standings().GetPlayerPlace(), 0);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::CurrentPlace], 0.0f);
  EXPECT_TRUE(Turnir().GetRivals().empty());
  kitchenField->AddScore(12.0f);
  EXPECT_EQ(Standings().GetScore(CStandingsPanel::kPlayerId), 0.0f);
  EXPECT_EQ(kitchenField->GetScore(), 12.0f);
}

}  // namespace

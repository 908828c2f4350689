// The result screens' rules as tables: the place, the best place kept, the token in a text,
// which buttons the lose and bonus screens offer, the lose screen's replay of the same level,
// the bonus screen's applause and the timing and landing of its throws.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "game/screens/results/CBonusStatisticsScreen.h"
#include "game/screens/results/CLoseScreen.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

TEST(ResultScreenParts, ThePlaceIsTheResultsIntegerPartModulo100) {
  const struct {
    float value;
    int place;
  } cases[] = {{2.0f, 2},
               {201.0f, 1},
               {202.0f, 2},
               {0.0f, 0},
               {3.7f, 3},
               {101.0f, 1},
               {std::numeric_limits<float>::quiet_NaN(), 0}};
  for (const auto& c : cases) EXPECT_EQ(ResultPlace(c.value), c.place) << c.value;
}

TEST(ResultScreenParts, OnlyABetterRealPlaceLowersTheBestPlace) {
  const struct {
    int stored, place, kept;
  } cases[] = {{3, 2, 2}, {1, 2, 1}, {0, 2, 0}, {3, 0, 3}, {2, 2, 2}, {3, -1, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(LoweredBestPlace(c.stored, c.place), c.kept) << c.stored << " " << c.place;
}

TEST(ResultScreenParts, OnlyTheFirstTokenIsReplaced) {
  const struct {
    const wchar_t* text;
    const wchar_t* result;
  } cases[] = {
      {L"Level _round", L"Level 7"},
      {L"Level", L"Level"},
      {L"_round and _round", L"7 and _round"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplaceFirstToken(c.text, L"_round", L"7"), c.result);
}

TEST(LoseScreen, TheLevelIsReplayedOnlyAfterAPassInTheEarlierStages) {
  const struct {
    int best, stage;
    bool passed, keeps;
  } cases[] = {{3, 5, true, true},  {3, 6, true, false},  {2, 6, true, true},
               {1, 7, true, false}, {0, 1, false, false}, {4, 2, false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsLevelPassed(c.best), c.passed) << c.best;
    EXPECT_EQ(ReplayKeepsLevel(c.best, c.stage), c.keeps) << c.best << " " << c.stage;
  }
}

TEST(BonusStatisticsScreen, OnlyAResultOfExactly101OffersContinueAlone) {
  EXPECT_TRUE(OffersOnlyContinue(101.0f));
  EXPECT_FALSE(OffersOnlyContinue(101.5f));
  EXPECT_FALSE(OffersOnlyContinue(102.0f));
}

TEST(BonusStatisticsScreen, TheApplauseIsThePlaceOnlyWithPoints) {
  EXPECT_EQ(BonusApplauseNumber(0.0f, 1.0f), 3);
  EXPECT_EQ(BonusApplauseNumber(0.9f, 1.0f), 3);
  EXPECT_EQ(BonusApplauseNumber(250.6f, 2.0f), 2);
  EXPECT_EQ(BonusApplauseNumber(10.0f, 101.0f), 1);
}

TEST(BonusStatisticsScreen, ALongStepThrowsOnceWithoutCatchingUp) {
  const struct {
    float countdown, dt;
    bool throws;
    float left;
  } cases[] = {{250.0f, 300.0f, true, -50.0f},
               {250.0f, 20.0f, false, 230.0f},
               {20.0f, 20.0f, true, 0.0f},
               {0.0f, 20.0f, false, 0.0f}};
  for (const auto& c : cases) {
    float countdown = c.countdown;
    EXPECT_EQ(RunThrowCountdown(countdown, c.dt), c.throws) << c.countdown << " " << c.dt;
    EXPECT_EQ(countdown, c.left);
  }
}

TEST(BonusStatisticsScreen, AThrowLandsOnTheOtherSideOfTheMiddle) {
  const struct {
    float x1, from, to;
  } cases[] = {{400.0f, 50.0f, 400.0f},
               {750.0f, 50.0f, 400.0f},
               {399.5f, 400.0f, 750.0f},
               {50.0f, 400.0f, 750.0f}};
  for (const auto& c : cases) {
    const ThrowRange range = LandingRange(c.x1);
    EXPECT_EQ(range.from, c.from) << c.x1;
    EXPECT_EQ(range.to, c.to) << c.x1;
  }
}

}  // namespace

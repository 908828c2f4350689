#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/screens/results/DuelScreenParts.h"

namespace {

LevelOrderRecord Record(std::int32_t type, std::int32_t firstInt) {
  LevelOrderRecord record;
  record.OrderType = type;
  record.CustomerFigure = firstInt;
  record.RecipeKey = "Dishes.batter";
  return record;
}

TEST(DuelScreenPartsTest, TheLostDuelsCountryComesFromTheRivalsRecord) {
  const struct {
    std::vector<LevelOrderRecord> orders;
    int country;
  } cases[] = {
      {{Record(101, 1), Record(102, 3)}, 4},  // the player's special order: the second's
      {{Record(0, 9)}, 7},                    // far beyond the last counts as the sixth
      {{Record(102, 7)}, 8},
      {{Record(102, 8), Record(0, 2)}, 7},
      {{Record(0, 0)}, 1},
      {{Record(101, 5)}, 6},  // no second record: its own
      {{}, 0},                // no order: no picture
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DuelLostCountry(c.orders), c.country)
        << c.orders.size() << " " << (c.orders.empty() ? -1 : c.orders[0].CustomerFigure);
  }
}

TEST(DuelScreenPartsTest, TimesAndPointsAreWrittenAsTheCardShowsThem) {
  const struct {
    float ms;
    const wchar_t* text;
  } times[] = {{95400.0f, L"1:35"}, {59999.0f, L"0:59"}, {600000.0f, L"10:00"},
               {0.0f, L"0:00"},     {999.0f, L"0:00"},   {-5000.0f, L"0:00"}};
  for (const auto& t : times) EXPECT_EQ(DuelTimeText(t.ms), t.text) << t.ms;
  const struct {
    float points;
    const wchar_t* text;
  } points[] = {{250.0f, L"250"},
                {123.5f, L"123.5"},
                {1234567.0f, L"1.23457e+06"},
                {0.0f, L"0"},
                {999999.0f, L"999999"}};
  for (const auto& p : points) EXPECT_EQ(DuelPointsText(p.points), p.text) << p.points;
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "game/kitchen/CWallClock.h"
#include "platform/OsServices.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

class CWallClockTest : public pm::test::FieldFixture {
 protected:
  void TearDown() override {
    Os::SetLocalTimeSource(nullptr);
    FieldFixture::TearDown();
  }
  static void PinTime(int hour, int minute, int second) {
    Os::SetLocalTimeSource([=] { return hour * 3600.0 + minute * 60.0 + second; });
  }
};

TEST_F(CWallClockTest, TheHandsShowTheLocalTimeOnATwelveHourDial) {
  const struct {
    int hour, minute, second;
    float hourAngle, minuteAngle, secondAngle;
  } cases[] = {
      {13, 30, 0, 1.5f * kPi / 6.0f, 30.0f * kPi / 30.0f, 0.0f},
      {12, 30, 0, 12.5f * kPi / 6.0f, 30.0f * kPi / 30.0f, 0.0f},
      {0, 15, 0, 0.25f * kPi / 6.0f, 15.0f * kPi / 30.0f, 0.0f},
      {23, 59, 30, (11.0f + 59.0f / 60.0f) * kPi / 6.0f, 59.5f * kPi / 30.0f, 30.0f * kPi / 30.0f},
  };
  const auto layout = MakeKitchen();
  CWallClock clock;
  SetWallClockState(clock, layout);
  ASSERT_TRUE(clock.clock);
  for (const auto& hand : clock.hands) ASSERT_TRUE(hand);
  // The hands keep their angles as turns of the dial.
  auto dial = [](float angle) { return std::remainder(angle, 2.0f * kPi); };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
    const HandAngles angles = WallClockAngles(c.hour, c.minute, c.second);
    EXPECT_FLOAT_EQ(angles.hour, c.hourAngle);
    EXPECT_FLOAT_EQ(angles.minute, c.minuteAngle);
    EXPECT_FLOAT_EQ(angles.second, c.secondAngle);
    PinTime(c.hour, c.minute, c.second);
    UpdateWallClock(clock, 20.0f);
    EXPECT_NEAR(dial(clock.hands[0]->GetAngle()), dial(c.hourAngle), 1e-5f);
    EXPECT_NEAR(dial(clock.hands[1]->GetAngle()), dial(c.minuteAngle), 1e-5f);
    EXPECT_NEAR(dial(clock.hands[2]->GetAngle()), dial(c.secondAngle), 1e-5f);
  }
}

TEST_F(CWallClockTest, TheSunFirstPlaysFifteenSecondsAfterBindingThenEveryTwenty) {
  const auto layout = MakeKitchen();
  CWallClock clock;
  SetWallClockState(clock, layout);
  ASSERT_TRUE(clock.sun);
  ASSERT_TRUE(clock.dark);
  EXPECT_TRUE(clock.sun->IsStopped()) << "held until its time";
  for (int i = 0; i < 750; ++i) UpdateWallClock(clock, 20.0f);  // 15000 ms: timer 20000
  EXPECT_EQ(clock.timer, 20000.0f);
  EXPECT_TRUE(clock.sun->IsStopped()) << "a timer of exactly 20000 is not past";
  UpdateWallClock(clock, 1.0f);
  EXPECT_FALSE(clock.sun->IsStopped());
  EXPECT_EQ(clock.timer, 0.0f);
  clock.sun->Pause();
  for (int i = 0; i < 1000; ++i) UpdateWallClock(clock, 20.0f);
  EXPECT_TRUE(clock.sun->IsStopped());
  UpdateWallClock(clock, 1.0f);
  EXPECT_FALSE(clock.sun->IsStopped()) << "20 s later";
}

TEST_F(CWallClockTest, ALayoutWithoutPiecesOnlyCountsTime) {
  CWallClock clock;
  SetWallClockState(clock, scene->CreateAnimation("levels.ring"));
  EXPECT_FALSE(clock.clock);
  EXPECT_FALSE(clock.sun);
  for (int i = 0; i < 10; ++i) UpdateWallClock(clock, 3000.0f);
  EXPECT_EQ(clock.timer, 35000.0f);
}

}  // namespace

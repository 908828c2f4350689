#include <gtest/gtest.h>

#include "framework/core/DoLine.h"
#include "framework/core/DoLineCalcStrategy.h"
#include "framework/core/DoNothing.h"

namespace GF {
namespace {

TEST(DoLineTest, IntBlendTruncatesTowardZeroAndCutsOnlyAbove) {
  const TKey<kKindLayer> from{0, kParamLinear, 100.0f};
  const TKey<kKindLayer> to{10, kParamHold, 100.0f};
  DoLine<TKey<kKindLayer>> line(from, to);
  struct Case {
    float t;
    int32_t value;
  };
  for (const Case c :
       {Case{0.0f, 0}, {55.0f, 5}, {95.0f, 9}, {100.0f, 10}, {250.0f, 10}, {-29.0f, -2}}) {
    TKey<kKindLayer> out{7, 1, 33.0f};
    line.Calc(out, c.t);
    EXPECT_EQ(out.value, c.value) << "t=" << c.t;
    EXPECT_EQ(out.mode, 1);  // only the value is written
    EXPECT_EQ(out.duration, 33.0f);
  }
}

TEST(DoLineTest, FloatKeyOfZeroDurationBlendsOverOneMillisecond) {
  DoLine<TKey<kKindOpacity>> line({0.0f, kParamLinear, 0.0f}, {1.0f, kParamHold, 50.0f});
  TKey<kKindOpacity> out;
  line.Calc(out, 0.5f);
  EXPECT_FLOAT_EQ(out.value, 0.5f);
  line.Calc(out, 1.0f);
  EXPECT_FLOAT_EQ(out.value, 1.0f);
  line.Calc(out, 7.0f);
  EXPECT_FLOAT_EQ(out.value, 1.0f);
  line.Calc(out, -1.0f);
  EXPECT_FLOAT_EQ(out.value, -1.0f);  // no lower cut
}

TEST(DoLineTest, PointsAndColoursBlendPerComponent) {
  DoLine<TKey<kKindOffset>> point({{0.0f, 10.0f}, 1, 100.0f}, {{100.0f, -10.0f}, 0, 0.0f});
  TKey<kKindOffset> p;
  point.Calc(p, 25.0f);
  EXPECT_FLOAT_EQ(p.value.x, 25.0f);
  EXPECT_FLOAT_EQ(p.value.y, 5.0f);

  DoLine<TKey<kKindColor>> color({{1, 0, 0, 1}, 1, 100.0f}, {{0, 0, 1, 0}, 0, 0.0f});
  TKey<kKindColor> c;
  color.Calc(c, 25.0f);
  EXPECT_FLOAT_EQ(c.value.r, 0.75f);
  EXPECT_FLOAT_EQ(c.value.g, 0.0f);
  EXPECT_FLOAT_EQ(c.value.b, 0.25f);
  EXPECT_FLOAT_EQ(c.value.a, 0.75f);
}

TEST(DoNothingTest, LeavesTheKeyAsLoaded) {
  DoNothing<TKey<kKindRotation>> hold;
  TKey<kKindRotation> out{1.5f, 0, 10.0f};
  hold.Calc(out, 5.0f);
  EXPECT_EQ(out.value, 1.5f);
}

TEST(DoLineCalcStrategyTest, LinearAndEasedRuns) {
  struct Case {
    bool smooth;
    float t;
    float value;
  };
  for (const Case c : {Case{false, 250.0f, 25.0f},
                       {false, 1500.0f, 150.0f},
                       {false, 0.0f, 0.0f},
                       {true, 250.0f, 14.644661f},
                       {true, 500.0f, 50.0f},
                       {true, 1000.0f, 100.0f}}) {
    DoLineCalcStrategy<float> line;
    line.Setup(0.0f, 100.0f, 1000.0f, c.smooth);
    float out = -1.0f;
    line.Calc(out, c.t);
    EXPECT_NEAR(out, c.value, 1e-3f) << "smooth=" << c.smooth << " t=" << c.t;
    EXPECT_EQ(line.GetCurrent(), out);
  }
}

TEST(DoLineCalcStrategyTest, PointRunAndZeroDurationLandsAtTheEnd) {
  DoLineCalcStrategy<TPoint<float>> line;
  line.Setup({10.0f, 20.0f}, {30.0f, 0.0f}, 200.0f, false);
  TPoint<float> out;
  line.Calc(out, 100.0f);
  EXPECT_FLOAT_EQ(out.x, 20.0f);
  EXPECT_FLOAT_EQ(out.y, 10.0f);

  for (bool smooth : {false, true}) {
    DoLineCalcStrategy<TPoint<float>> instant;
    instant.Setup({10.0f, 20.0f}, {30.0f, 0.0f}, 0.0f, smooth);
    for (float t : {0.0f, 16.0f}) {
      instant.Calc(out, t);
      EXPECT_EQ(out, TPoint<float>(30.0f, 0.0f)) << "smooth=" << smooth << " t=" << t;
    }
  }
}

}  // namespace
}  // namespace GF

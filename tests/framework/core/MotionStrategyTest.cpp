#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "framework/core/DoCircleCalcStrategy.h"
#include "framework/core/DoParabolaCalcStrategy.h"
#include "framework/core/DoSplineCalcStrategy.h"
#include "framework/core/FunctionSpline.h"

namespace GF {
namespace {

using P = TPoint<float>;

bool Finite(const P& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

TEST(DoParabolaCalcStrategyTest, FitsThroughThreePoints) {
  DoParabolaCalcStrategy parabola;
  parabola.SetPoints({0, 0}, {100, 0}, {50, -50});
  parabola.SetDuration(1000.0f);
  EXPECT_FLOAT_EQ(parabola.GetA(), 0.02f);
  EXPECT_FLOAT_EQ(parabola.GetB(), -2.0f);
  EXPECT_FLOAT_EQ(parabola.GetC(), 0.0f);
  P out;
  parabola.Calc(out, 500.0f);
  EXPECT_FLOAT_EQ(out.x, 50.0f);
  EXPECT_FLOAT_EQ(out.y, -50.0f);
  parabola.Calc(out, 5000.0f);  // cut at the end point
  EXPECT_FLOAT_EQ(out.x, 100.0f);
  EXPECT_NEAR(out.y, 0.0f, 1e-4f);
}

TEST(DoParabolaCalcStrategyTest, DegenerateFitsStayFinite) {
  struct Case {
    P start, end, third;
    P atHalf;
  };
  for (const Case c : {Case{{0, 0}, {100, 50}, {0, 30}, {50, 25}},    // third shares start's x
                       Case{{0, 0}, {100, 50}, {100, 9}, {50, 25}},   // third shares end's x
                       Case{{10, 5}, {10, 80}, {40, 0}, {10, 5}}}) {  // start and end share x
    DoParabolaCalcStrategy parabola;
    parabola.SetPoints(c.start, c.end, c.third);
    parabola.SetDuration(100.0f);
    P out;
    parabola.Calc(out, 50.0f);
    EXPECT_FLOAT_EQ(out.x, c.atHalf.x);
    EXPECT_FLOAT_EQ(out.y, c.atHalf.y);
  }
  DoParabolaCalcStrategy instant;  // zero duration: at the end at once
  instant.SetPoints({0, 0}, {100, 0}, {50, -50});
  P out;
  instant.Calc(out, 0.0f);
  EXPECT_TRUE(Finite(out));
  EXPECT_FLOAT_EQ(out.x, 100.0f);
}

TEST(DoCircleCalcStrategyTest, ArcWithDrift) {
  DoCircleCalcStrategy circle;
  circle.SetRadius(10, 10);
  circle.SetAngles(0.0f, std::numbers::pi_v<float>);
  circle.SetDuration(100.0f);
  P out;
  circle.Calc(out, 50.0f);
  EXPECT_NEAR(out.x, 0.0f, 1e-5f);
  EXPECT_NEAR(out.y, 10.0f, 1e-5f);
  circle.SetCenterDrift({1, 0});
  circle.Calc(out, 50.0f);  // the drift applies after this evaluation
  EXPECT_NEAR(out.x, 0.0f, 1e-5f);
  circle.Calc(out, 50.0f);
  EXPECT_NEAR(out.x, 1.0f, 1e-5f);
  circle.Calc(out, 500.0f);  // cut to the end angle
  EXPECT_NEAR(out.x, 2.0f - 10.0f, 1e-4f);
}

TEST(DoCircleCalcStrategyTest, EasedAndZeroDuration) {
  DoCircleCalcStrategy circle;
  circle.SetRadius(10, 20);
  circle.SetAngles(0.0f, std::numbers::pi_v<float>);
  circle.SetDuration(100.0f);
  circle.SetSmooth(true);
  P out;
  circle.Calc(out, 25.0f);  // eased u = 0.1464...
  EXPECT_NEAR(out.x, 10.0f * std::cos(0.14644661f * std::numbers::pi_v<float>), 1e-3f);
  circle.SetDuration(0.0f);
  circle.Calc(out, 0.0f);
  EXPECT_TRUE(Finite(out));
  EXPECT_NEAR(out.x, -10.0f, 1e-4f);
}

TEST(DoSplineCalcStrategyTest, PassesThroughItsPoints) {
  DoSplineCalcStrategy spline;
  spline.SetPoints({{0, 0}, {10, 0}, {20, 0}});
  spline.SetDuration(100.0f);
  EXPECT_EQ(spline.GetSegmentTime(), 50.0f);
  struct Case {
    float t;
    P at;
  };
  for (const Case c :
       {Case{0.0f, {0, 0}}, {25.0f, {4.375f, 0}}, {50.0f, {10, 0}}, {100.0f, {20, 0}}}) {
    P out;
    spline.Calc(out, c.t);
    EXPECT_NEAR(out.x, c.at.x, 1e-4f) << "t=" << c.t;
    EXPECT_NEAR(out.y, c.at.y, 1e-4f) << "t=" << c.t;
  }
}

TEST(DoSplineCalcStrategyTest, DegenerateSplinesAreGuarded) {
  P out{-1, -1};
  DoSplineCalcStrategy empty;
  empty.SetDuration(100.0f);
  empty.Calc(out, 50.0f);
  EXPECT_EQ(out, P(0, 0));  // the current point, unchanged

  DoSplineCalcStrategy one;
  one.SetDuration(100.0f);
  one.AddPoint({7, 8});
  for (float t : {0.0f, 50.0f, 500.0f}) {
    one.Calc(out, t);
    EXPECT_EQ(out, P(7, 8)) << "t=" << t;
  }

  // Duration before points, and a time past the end: the last segment's cubic goes on.
  DoSplineCalcStrategy late;
  late.SetDuration(100.0f);
  late.SetPoints({{0, 0}, {10, 0}, {20, 0}});
  late.Calc(out, 150.0f);  // u = 2 on segment 1
  EXPECT_NEAR(out.x, 10.0f, 1e-3f);
  EXPECT_TRUE(Finite(out));

  DoSplineCalcStrategy instant;
  instant.SetPoints({{0, 0}, {10, 0}, {20, 5}});
  instant.Calc(out, 0.0f);
  EXPECT_EQ(out, P(20, 5));
}

TEST(FunctionSplineTest, HermiteThroughKeysWithFlatEnds) {
  FunctionSpline<P> spline;
  EXPECT_EQ(spline.Evaluate(0.5f), 0.0f);  // no keys: the last value
  spline.SetKeys({{0.0f, 0.0f}, {0.5f, 1.0f}, {1.0f, 0.0f}});
  struct Case {
    float x;
    float y;
  };
  for (const Case c : {Case{0.0f, 0.0f}, {0.5f, 1.0f}, {1.0f, 0.0f}, {0.25f, 0.5f}}) {
    EXPECT_NEAR(spline.Evaluate(c.x), c.y, 1e-5f) << "x=" << c.x;
    EXPECT_EQ(spline.GetValue(), spline.Evaluate(c.x));
  }
  // Past the last key the last segment goes on (its end tangent is flat, so it turns back).
  EXPECT_TRUE(std::isfinite(spline.Evaluate(1.2f)));
}

TEST(FunctionSplineTest, DegenerateKeysStayFinite) {
  FunctionSpline<P> one;
  one.SetKeys({{0.3f, 4.0f}});
  EXPECT_EQ(one.Evaluate(0.0f), 4.0f);
  EXPECT_EQ(one.Evaluate(2.0f), 4.0f);

  FunctionSpline<P> sameX;
  sameX.SetKeys({{0.0f, 1.0f}, {0.0f, 3.0f}, {0.0f, 5.0f}});
  for (float x : {-1.0f, 0.0f, 1.0f}) EXPECT_TRUE(std::isfinite(sameX.Evaluate(x))) << x;
}

}  // namespace
}  // namespace GF

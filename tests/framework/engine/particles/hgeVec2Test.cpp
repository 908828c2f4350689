#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "framework/engine/particles/hgeVec2.h"

namespace {

TEST(hgeVec2Test, NormalizeComesWithinTwoTenthsOfAPercent) {
  for (const hgeVec2 v : {hgeVec2(3, 4), hgeVec2(0.001f, 0), hgeVec2(-250, 1e4f), hgeVec2(1, 1)}) {
    hgeVec2 n = v;
    n.Normalize();
    EXPECT_NEAR(std::sqrt(n.Dot(n)), 1.0f, 0.002f) << v.x << "," << v.y;
    EXPECT_NEAR(std::atan2(n.y, n.x), std::atan2(v.y, v.x), 1e-5f);
  }
  hgeVec2 zero;
  zero.Normalize();
  EXPECT_EQ(zero.x, 0.0f);
  EXPECT_EQ(zero.y, 0.0f);
}

TEST(hgeVec2Test, InvSqrtUsesTheMagicConstant) {
  // 1 / sqrt(4) = 0.5; the one Newton step with 0.4999 lands a little off it.
  EXPECT_NEAR(InvSqrt(4.0f), 0.5f, 0.001f);
  EXPECT_NE(InvSqrt(4.0f), 0.5f);
}

TEST(hgeVec2Test, Angles) {
  constexpr float kPi = std::numbers::pi_v<float>;
  EXPECT_FLOAT_EQ(hgeVec2(0, 1).Angle(), kPi / 2);
  EXPECT_FLOAT_EQ(hgeVec2(-1, 0).Angle(), kPi);
  EXPECT_NEAR(hgeVec2(1, 0).Angle(hgeVec2(0, 5)), kPi / 2, 1e-3f);
  // Near 0 and pi acos magnifies the estimate's error in the unit lengths; never NaN.
  EXPECT_NEAR(hgeVec2(2, 2).Angle(hgeVec2(-3, -3)), kPi, 0.1f);
  EXPECT_NEAR(hgeVec2(3, 4).Angle(hgeVec2(6, 8)), 0.0f, 0.1f);
  EXPECT_FALSE(std::isnan(hgeVec2(1, 1).Angle(hgeVec2(1, 1))));
}

TEST(hgeVec2Test, ArithmeticAndRotate) {
  hgeVec2 v(1, 2);
  v += hgeVec2(3, 4);
  v *= 2;
  EXPECT_EQ(v.x, 8);
  EXPECT_EQ(v.y, 12);
  const hgeVec2 d = v - hgeVec2(1, 1) + hgeVec2(0, 1) * 3;
  EXPECT_EQ(d.x, 7);
  EXPECT_EQ(d.y, 14);
  EXPECT_EQ(hgeVec2(2, 3).Dot(hgeVec2(4, -1)), 5);

  hgeVec2 r(1, 0);
  r.Rotate(std::numbers::pi_v<float> / 2);
  EXPECT_NEAR(r.x, 0, 1e-6f);
  EXPECT_NEAR(r.y, 1, 1e-6f);
}

}  // namespace

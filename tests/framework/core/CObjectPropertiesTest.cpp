#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "framework/core/CObjectProperties.h"
#include "framework/core/ColorConversion.h"

namespace GF {
namespace {

CObjectProperties Record(float x, float y, float angle, float sx, float sy, float opacity,
                         int32_t layer) {
  CObjectProperties p;
  p.x = x;
  p.y = y;
  p.SetAngle(angle);
  p.scaleX = sx;
  p.scaleY = sy;
  p.opacity = opacity;
  p.layer = layer;
  return p;
}

void ExpectNear(const CObjectProperties& a, const CObjectProperties& b, float eps) {
  EXPECT_NEAR(a.x, b.x, eps);
  EXPECT_NEAR(a.y, b.y, eps);
  EXPECT_NEAR(a.angle, b.angle, eps);
  EXPECT_NEAR(a.sin, b.sin, eps);
  EXPECT_NEAR(a.cos, b.cos, eps);
  EXPECT_NEAR(a.scaleX, b.scaleX, eps);
  EXPECT_NEAR(a.scaleY, b.scaleY, eps);
  EXPECT_NEAR(a.opacity, b.opacity, eps);
  EXPECT_EQ(a.layer, b.layer);
}

TEST(CObjectPropertiesTest, DefaultParentChangesOnlyTheMask) {
  CObjectProperties parent;
  parent.changed = CObjectProperties::kChangedLayer;
  CObjectProperties child = Record(3, 4, 0.5f, 2, 3, 0.5f, 7);
  const CObjectProperties local = child;
  ComposeProperties(child, parent);
  ExpectNear(child, local, 0.0f);
  EXPECT_EQ(child.changed, CObjectProperties::kChangedLayer);
}

TEST(CObjectPropertiesTest, RotatedParentCarriesTheChildAround) {
  CObjectProperties parent = Record(100, 0, 0, 1, 1, 1, 0);
  parent.angle = std::numbers::pi_v<float> / 2;
  parent.sin = 1.0f;
  parent.cos = 0.0f;
  CObjectProperties child = Record(10, 0, 0, 1, 1, 1, 0);
  ComposeProperties(child, parent);
  EXPECT_FLOAT_EQ(child.x, 100.0f);
  EXPECT_FLOAT_EQ(child.y, 10.0f);
  EXPECT_FLOAT_EQ(child.angle, std::numbers::pi_v<float> / 2);
  EXPECT_FLOAT_EQ(child.sin, 1.0f);
}

TEST(CObjectPropertiesTest, FlagsAndInfluenceSelectWhatIsInherited) {
  const CObjectProperties parent = Record(50, 60, 1.0f, 2, 3, 0.5f, 10);
  CObjectProperties fixed = Record(5, 6, 0, 1, 1, 1, 1);
  fixed.inheritPosition = false;
  ComposeProperties(fixed, parent);
  EXPECT_EQ(fixed.x, 5.0f);
  EXPECT_EQ(fixed.y, 6.0f);
  EXPECT_FLOAT_EQ(fixed.opacity, 0.5f);
  EXPECT_EQ(fixed.layer, 11);

  CObjectProperties own = Record(5, 0, 0, 1, 1, 1, 0);
  own.scaleInfluence = 0.0f;
  own.inheritRotation = false;
  ComposeProperties(own, Record(50, 60, 0, 2, 3, 1, 0));
  EXPECT_EQ(own.scaleX, 1.0f);  // keeps its scale ...
  EXPECT_EQ(own.scaleY, 1.0f);
  EXPECT_FLOAT_EQ(own.x, 60.0f);  // ... but its position scales by the parent's full scale
  EXPECT_FLOAT_EQ(own.y, 60.0f);
}

TEST(CObjectPropertiesTest, DecomposeIsTheExactInverseOverRandomParents) {
  std::mt19937 rng(1234);
  std::uniform_real_distribution<float> pos(-500.0f, 500.0f);
  std::uniform_real_distribution<float> angle(-6.0f, 6.0f);
  std::uniform_real_distribution<float> scale(0.2f, 3.0f);
  std::uniform_real_distribution<float> unit(0.05f, 1.0f);
  std::uniform_int_distribution<int> layer(-100, 100);
  for (int i = 0; i < 200; ++i) {
    CObjectProperties parent =
        Record(pos(rng), pos(rng), angle(rng), scale(rng), scale(rng), unit(rng), layer(rng));
    parent.changed = CObjectProperties::kChangedAngle;
    CObjectProperties local =
        Record(pos(rng), pos(rng), angle(rng), scale(rng), scale(rng), unit(rng), layer(rng));
    local.scaleInfluence = unit(rng);
    local.inheritPosition = i % 5 != 1;
    local.inheritRotation = i % 5 != 2;
    local.inheritScale = i % 5 != 3;
    CObjectProperties record = local;
    ComposeProperties(record, parent);
    DecomposeProperties(record, parent);
    SCOPED_TRACE(i);
    ExpectNear(record, local, 2e-3f);
    EXPECT_EQ(record.changed, CObjectProperties::kChangedAngle);
  }
}

TEST(CObjectPropertiesTest, ZeroParentScaleOrOpacityLeavesTheValue) {
  const CObjectProperties parent = Record(0, 0, 0, 0, 0, 0, 0);
  CObjectProperties child = Record(7, 8, 0, 2, 3, 0.5f, 0);
  DecomposeProperties(child, parent);
  EXPECT_EQ(child.x, 7.0f);
  EXPECT_EQ(child.y, 8.0f);
  EXPECT_EQ(child.scaleX, 2.0f);
  EXPECT_EQ(child.scaleY, 3.0f);
  EXPECT_EQ(child.opacity, 0.5f);

  CObjectProperties composed = Record(7, 8, 0, 2, 3, 0.5f, 0);
  ComposeProperties(composed, parent);
  EXPECT_EQ(composed.opacity, 0.0f);
}

TEST(CObjectPropertiesTest, InverseTransformPointUndoesPlacement) {
  CObjectProperties record = Record(100, 50, std::numbers::pi_v<float> / 2, 2, 4, 1, 0);
  TPoint<float> local;
  InverseTransformPoint(local, {100.0f, 70.0f}, record);  // 20 below the origin
  EXPECT_NEAR(local.x, 10.0f, 1e-4f);                     // rotated back onto the x axis, halved
  EXPECT_NEAR(local.y, 0.0f, 1e-4f);
}

TEST(ColorConversionTest, PacksClampedChannels) {
  struct Case {
    hgeColor color;
    uint32_t argb;
  };
  for (const Case c : {Case{{1, 0, 0, 1}, 0xFFFF0000u},
                       {{0.5f, 0.5f, 0.5f, 0.5f}, 0x7F7F7F7Fu},
                       {{2.0f, -1.0f, 0.0f, 1.0f}, 0xFFFF0000u},
                       {{0.0f, 1.5f, -0.5f, -3.0f}, 0x0000FF00u},
                       {{NAN, 0.0f, 1.0f, 1.0f}, 0xFF0000FFu}}) {
    EXPECT_EQ(ColorToArgb(c.color), c.argb) << std::hex << c.argb;
  }
}

TEST(ColorConversionTest, UnpacksAndScales) {
  hgeColor c;
  ArgbToColor(0x80FF0000u, c);
  EXPECT_FLOAT_EQ(c.r, 1.0f);
  EXPECT_FLOAT_EQ(c.g, 0.0f);
  EXPECT_FLOAT_EQ(c.b, 0.0f);
  EXPECT_FLOAT_EQ(c.a, 128.0f / 255.0f);
  EXPECT_EQ(ScaleColor({0.5f, 1, 0, 1}, 0.5f), hgeColor(0.25f, 0.5f, 0, 0.5f));
}

}  // namespace
}  // namespace GF

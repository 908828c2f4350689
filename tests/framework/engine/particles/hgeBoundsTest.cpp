#include <gtest/gtest.h>

#include "framework/engine/particles/hgeBounds.h"

namespace {

hgeBounds Rect(float x1, float y1, float x2, float y2) {
  hgeBounds b;
  b.Encapsulate(x1, y1);
  b.Encapsulate(x2, y2);
  return b;
}

TEST(hgeBoundsTest, EncapsulateGrowsFromTheFirstPointAfterClear) {
  hgeBounds b = Rect(-50, -50, 50, 50);
  b.Clear();
  b.Encapsulate(3, 4);
  EXPECT_EQ(b.x1, 3);
  EXPECT_EQ(b.x2, 3);
  EXPECT_EQ(b.y1, 4);
  EXPECT_EQ(b.y2, 4);
  EXPECT_FALSE(b.TestPoint(3, 4));  // zero width holds no point

  b.Encapsulate(1, 9);
  b.Encapsulate(5, 2);
  EXPECT_EQ(b.x1, 1);
  EXPECT_EQ(b.x2, 5);
  EXPECT_EQ(b.y1, 2);
  EXPECT_EQ(b.y2, 9);
}

TEST(hgeBoundsTest, TestPointIsHalfOpen) {
  const hgeBounds b = Rect(0, 0, 10, 20);
  struct Case {
    float x, y;
    bool inside;
  } cases[] = {{0, 0, true},       {9.99f, 19.99f, true}, {10, 5, false}, {5, 20, false},
               {-0.01f, 5, false}, {5, -0.01f, false},    {5, 10, true}};
  for (const Case& c : cases) EXPECT_EQ(b.TestPoint(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(hgeBoundsTest, IntersectIsStrict) {
  const hgeBounds a = Rect(0, 0, 10, 10);
  struct Case {
    hgeBounds other;
    bool hits;
  } cases[] = {
      {Rect(5, 5, 15, 15), true},   {Rect(10, 0, 20, 10), false},  // shares the right edge
      {Rect(0, 10, 10, 20), false},                                // shares the bottom edge
      {Rect(2, 2, 3, 3), true},     {Rect(11, 0, 20, 10), false}, {Rect(-5, 9, 1, 30), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(a.Intersect(c.other), c.hits) << c.other.x1 << "," << c.other.y1;
    EXPECT_EQ(c.other.Intersect(a), c.hits);
  }
}

}  // namespace

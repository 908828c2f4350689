#include <gtest/gtest.h>

#include "game/kitchen/IntRects.h"

namespace {

using Rect = GF::TRect<int>;

TEST(IntRectsTest, IntersectionIsTheOverlapOrNothing) {
  struct Case {
    const char* name;
    Rect a;
    Rect b;
    bool overlaps;
    Rect out;
  };
  const Case cases[] = {
      {"overlap", {0, 0, 10, 10}, {5, 3, 20, 8}, true, {5, 3, 10, 8}},
      {"touching edges", {0, 0, 10, 10}, {10, 0, 20, 10}, false, {}},
      {"touching corners", {0, 0, 10, 10}, {10, 10, 20, 20}, false, {}},
      {"one inside the other", {0, 0, 100, 100}, {20, 30, 40, 50}, true, {20, 30, 40, 50}},
      {"apart", {0, 0, 10, 10}, {30, 30, 40, 40}, false, {}},
      {"zero width", {5, 0, 5, 10}, {0, 0, 10, 10}, false, {}},
  };
  for (const Case& c : cases) {
    Rect out{1, 2, 3, 4};  // stale values must not survive
    EXPECT_EQ(IntersectRectI(c.a, c.b, out), c.overlaps) << c.name;
    EXPECT_EQ(out, c.out) << c.name;
    EXPECT_EQ(IntersectRectI(c.b, c.a, out), c.overlaps) << c.name << " swapped";
    EXPECT_EQ(out, c.out) << c.name << " swapped";
  }
}

TEST(IntRectsTest, OnlyRectanglesWithWidthAndHeightAreCopied) {
  struct Case {
    Rect rect;
    bool valid;
  };
  const Case cases[] = {
      {{1, 2, 3, 4}, true},
      {{0, 0, 0, 10}, false},   // zero width
      {{0, 0, 10, 0}, false},   // zero height
      {{10, 0, 0, 10}, false},  // turned inside out
  };
  for (const Case& c : cases) {
    Rect out{7, 7, 9, 9};
    EXPECT_EQ(SetRectIfValid(c.rect, out), c.valid) << c.rect.left << "," << c.rect.right;
    EXPECT_EQ(out, c.valid ? c.rect : Rect{}) << c.rect.left << "," << c.rect.right;
  }
}

}  // namespace

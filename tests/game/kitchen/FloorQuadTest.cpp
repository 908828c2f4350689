#include <gtest/gtest.h>

#include "game/kitchen/FloorQuad.h"

namespace {

// A floor whose back edge is half as wide as its front edge.
constexpr FloorQuad kFloor = {
    {200.0f, 200.0f}, {400.0f, 200.0f}, {100.0f, 500.0f}, {500.0f, 500.0f}};

TEST(FloorQuadTest, PointsMapToCellsAndOnlyInnerOnesAreWalkTargets) {
  struct Case {
    GF::TPoint<float> point;
    GF::TPoint<float> cell;
    bool target;
  };
  const Case cases[] = {
      {{300.0f, 200.0f}, {8.0f, 0.0f}, false},   // the back edge
      {{300.0f, 350.0f}, {8.0f, 8.0f}, true},    // the middle
      {{150.0f, 350.0f}, {0.0f, 8.0f}, false},   // the left edge halfway down
      {{300.0f, 500.0f}, {8.0f, 16.0f}, false},  // the front edge
      {{300.0f, 481.25f}, {8.0f, 15.0f}, true},
      {{495.0f, 481.25f}, {16.0516129f, 15.0f}, false},  // right of the floor
      {{300.0f, 150.0f}, {8.0f, -2.6666667f}, false},    // behind the back edge
  };
  for (const Case& c : cases) {
    const GF::TPoint<float> cell = FloorPointToCell(kFloor, c.point);
    EXPECT_NEAR(cell.x, c.cell.x, 1e-4f) << c.point.x << "," << c.point.y;
    EXPECT_NEAR(cell.y, c.cell.y, 1e-4f) << c.point.x << "," << c.point.y;
    EXPECT_EQ(IsWalkTarget(cell), c.target) << c.point.x << "," << c.point.y;
  }
}

TEST(FloorQuadTest, FiguresShrinkTowardTheNarrowBackEdge) {
  EXPECT_FLOAT_EQ(FloorDepthScale(kFloor, {300.0f, 200.0f}), 0.715f);
  EXPECT_FLOAT_EQ(FloorDepthScale(kFloor, {300.0f, 500.0f}), 1.1f);
}

TEST(FloorQuadTest, AFloorWithoutDepthOrFrontWidthIsDegenerate) {
  EXPECT_FALSE(IsFloorDegenerate(kFloor));
  EXPECT_TRUE(
      IsFloorDegenerate({{200.0f, 300.0f}, {400.0f, 300.0f}, {100.0f, 300.0f}, {500.0f, 300.0f}}));
  EXPECT_TRUE(
      IsFloorDegenerate({{200.0f, 200.0f}, {400.0f, 200.0f}, {300.0f, 500.0f}, {300.0f, 500.0f}}));
}

}  // namespace

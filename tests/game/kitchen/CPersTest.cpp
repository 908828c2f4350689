#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/FloorQuad.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

using Cell = GF::TPoint<int>;
using Cells = std::vector<Cell>;
using pm::test::CountPlayerCalls;
using pm::test::PlayerCalls;

// The sample levels' floor: 440 wide at the back (y 260), 640 at the front (y 560).
constexpr FloorQuad kFloor = {
    {180.0f, 260.0f}, {620.0f, 260.0f}, {80.0f, 560.0f}, {720.0f, 560.0f}};

class CPersTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    KitchenFloor = kFloor;
    CookStepTime = 60.0f;
  }
  void TearDown() override {
    cook.Reset();
    FieldFixture::TearDown();
  }

  void MakeCook(const Cells& blocked = {}, int dress = 0) {
    std::vector<bool> grid(256, false);
    for (const Cell& c : blocked) grid[static_cast<std::size_t>(c.x * 16 + c.y)] = true;
    cook = CPers::Create(dress, grid.begin(), grid.end(), scene);
  }
  // Frames of 20 ms until the cook stands idle; the cell she ends on.
  Cell Walk() {
    for (int frame = 0; frame < 2000 && !cook->IsIdle(); ++frame) {
      cook->Update(20.0f);
      scene->Update(20.0f);
    }
    EXPECT_TRUE(cook->IsIdle());
    return cook->GetCell();
  }

  GF::THolder<CPers> cook;
};

Cells Row(int b, int except = -1) {
  Cells cells;
  for (int a = 0; a < 16; ++a)
    if (a != except) cells.push_back({a, b});
  return cells;
}

struct WalkCase {
  const char* what;
  Cells blocked;
  GF::TPoint<float> from;  // the cook's position
  GF::TPoint<float> to;    // as MoveTo takes it
  Cell step;               // the first step; `from` when she arrives at once
  int state;               // while taking it
  bool mirrored;
  Cell end;
};

TEST_F(CPersTest, WalksDownTheDistanceMapTheFirstSmallestLabelAtEachStep) {
  const WalkCase cases[] = {
      {"a target off the floor is clamped", {}, {8, 9}, {20, -5}, {9, 8}, 6, false, {15, 0}},
      {"a blocked target: the nearest free cell of its column, a tie to the larger a",
       {{4, 5}, {5, 5}, {6, 5}},
       {8, 9},
       {5, 5},
       {7, 8},
       6,
       true,
       {7, 5}},
      {"a blocked column: cell 8 of it, blocked too, so she stays",
       Row(3),
       {8, 9},
       {2, 3},
       {8, 9},
       1,
       false,
       {8, 9}},
      {"an unconnected target: she stays", Row(6), {8, 9}, {8, 2}, {8, 9}, 1, false, {8, 9}},
      {"equal labels: the first in order", {{8, 8}}, {8, 9}, {8, 7}, {7, 8}, 6, true, {8, 7}},
      {"across to the right", {}, {8, 9}, {12, 9}, {9, 9}, 4, false, {12, 9}},
      {"across to the left: mirrored", {}, {8, 9}, {4, 9}, {7, 9}, 4, true, {4, 9}},
      {"back, right of column 8: mirrored", {}, {10, 9}, {10, 4}, {10, 8}, 6, true, {10, 4}},
      {"front, right of column 8", {}, {10, 4}, {10, 9}, {10, 5}, 5, false, {10, 9}},
      {"back, left of column 8", {}, {5, 9}, {5, 4}, {5, 8}, 6, false, {5, 4}},
      {"front, left of column 8: mirrored", {}, {5, 4}, {5, 9}, {5, 5}, 5, true, {5, 9}},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.what);
    MakeCook(c.blocked);
    cook->PlaceSprite(c.from.x, c.from.y);
    PlayerCalls().clear();
    cook->MoveTo(c.to.x, c.to.y);
    EXPECT_EQ(CountPlayerCalls("sound:Play action_move 1 0.000000"), 1);
    EXPECT_EQ(cook->GetCell(), c.step);
    EXPECT_EQ(cook->GetState(), c.state);
    EXPECT_EQ(cook->IsMirrored(), c.mirrored);
    EXPECT_EQ(cook->GetAnimation(), cook->GetStateAnimation(c.state));
    EXPECT_EQ(Walk(), c.end);
    EXPECT_EQ(cook->GetState(), CPers::kIdle);
    EXPECT_EQ(CountPlayerCalls("sound:Stop action_move"), 1);
  }
  // Straight steps across show the front walk, as steps toward the front do.
  EXPECT_STREQ(cook->GetStateAnimation(CPers::kStepAcross)->GetName(), "diagonal_down_0");
  EXPECT_STREQ(cook->GetStateAnimation(CPers::kStepFront)->GetName(), "diagonal_down_0");
  EXPECT_STREQ(cook->GetStateAnimation(CPers::kStepBack)->GetName(), "diagonal_up_0");
}

TEST_F(CPersTest, APassageOfDiagonalStepsIsWalked) {
  // The target's only way out is the diagonal step to (7, 8), which is labelled 4 with no
  // label 3 anywhere.
  Cells blocked = Row(8, 7);
  for (const Cells& more : {Row(9, 8), Row(10)})
    blocked.insert(blocked.end(), more.begin(), more.end());
  MakeCook(blocked);
  cook->PlaceSprite(7.0f, 5.0f);
  cook->MoveTo(8.0f, 9.0f);
  EXPECT_EQ(cook->GetLabel(7, 8), 4);
  EXPECT_EQ(cook->GetLabel(7, 7), 5);
  EXPECT_TRUE(cook->IsWalking());
  EXPECT_EQ(Walk(), (Cell{8, 9}));
}

TEST_F(CPersTest, AFrameLongerThanTheStepEndsItWithoutPlacingTheFigure) {
  MakeCook();
  cook->MoveTo(12.0f, 9.0f);
  ASSERT_EQ(cook->GetCell(), (Cell{9, 9}));
  cook->Update(30.0f);
  EXPECT_EQ(cook->GetPosition(), (GF::TPoint<float>{8.5f, 9.0f}));
  cook->Update(31.0f);  // 61 ms
  EXPECT_EQ(cook->GetCell(), (Cell{10, 9})) << "the next step has begun";
  EXPECT_EQ(cook->GetPosition(), (GF::TPoint<float>{8.5f, 9.0f})) << "not placed";
  cook->Update(15.0f);
  EXPECT_EQ(cook->GetPosition(), (GF::TPoint<float>{9.25f, 9.0f}));

  // Without a step time she steps at once, never to a position of 0 / 0.
  CookStepTime = 0.0f;
  cook->Update(0.0f);
  EXPECT_EQ(cook->GetCell(), (Cell{11, 9}));
  EXPECT_EQ(Walk(), (Cell{12, 9}));
  EXPECT_FALSE(std::isnan(cook->GetPosition().x));
}

TEST_F(CPersTest, TheStateShownNowIsNotRestartedAndANewOneTakesThePlace) {
  MakeCook();
  cook->SetState(CPers::kWork);
  const auto work = cook->GetAnimation();
  const auto idle = cook->GetStateAnimation(CPers::kIdle);
  EXPECT_FALSE(idle->IsShown());
  scene->Update(250.0f);
  const float time = work->GetTime();
  ASSERT_GT(time, 0.0f);
  cook->SetState(CPers::kWork);
  EXPECT_EQ(work->GetTime(), time);

  work->SetPosition(300.0f, 200.0f);
  work->SetScale(-0.9f, 0.9f);
  cook->SetState(CPers::kWait);
  const auto wait = cook->GetAnimation();
  EXPECT_EQ(wait->GetPosition(), (GF::TPoint<float>{300.0f, 200.0f}));
  EXPECT_EQ(wait->GetScale(), (GF::TPoint<float>{0.9f, 0.9f}));
  EXPECT_FALSE(work->IsShown());
  EXPECT_TRUE(wait->IsShown());

  // A state without an animation keeps the shown one.
  cook->SetState(2);
  EXPECT_EQ(cook->GetAnimation(), wait);
}

TEST_F(CPersTest, TheFigureStandsOnItsCellLargerInFront) {
  MakeCook();
  const struct {
    float a, b;
    bool mirrored;
    float scale;
  } cases[] = {
      {8.0f, 16.0f, false, 1.1f}, {8.0f, 0.0f, false, 0.859375f}, {4.0f, 8.0f, true, 0.9796875f}};
  for (const auto& c : cases) {
    if (c.mirrored) {
      cook->PlaceSprite(5.0f, 8.0f);
      cook->MoveTo(4.0f, 8.0f);  // a step to the left
    }
    cook->PlaceSprite(c.a, c.b);
    const auto figure = cook->GetAnimation();
    EXPECT_FLOAT_EQ(figure->GetScale().y, c.scale) << c.b;
    EXPECT_FLOAT_EQ(figure->GetScale().x, c.mirrored ? -c.scale : c.scale) << c.b;
    const GF::TPoint<float> p = FloorCellToPoint(KitchenFloor, c.a, c.b);
    EXPECT_EQ(figure->GetPosition().x, p.x);
    EXPECT_NEAR(figure->GetPosition().y, p.y - cook->GetSpriteHeight() / 2.5f, 0.01f);
    EXPECT_GT(cook->GetSpriteHeight(), 80.0f * c.scale);
  }
  // A floor not set yet counts as the front.
  KitchenFloor = {};
  cook->PlaceSprite(8.0f, 9.0f);
  EXPECT_FLOAT_EQ(cook->GetAnimation()->GetScale().y, 1.1f);
}

TEST_F(CPersTest, SheIsHitOnHerFigureRelativeToHerPosition) {
  MakeCook();
  cook->GetAnimation()->SetPosition(400.0f, 300.0f);
  EXPECT_TRUE(cook->HitTest({400.0f, 300.0f - 118.0f}));  // the head's top edge
  EXPECT_TRUE(cook->HitTest({434.0f, 413.0f}));           // the legs' corner
  EXPECT_FALSE(cook->HitTest({400.0f, 300.0f - 119.0f}));
  EXPECT_FALSE(cook->HitTest({420.0f, 300.0f - 110.0f})) << "beside the head";
  EXPECT_TRUE(PointInRectF({1.0f, 2.0f}, {1.0f, 2.0f, 1.0f, 2.0f}));
}

TEST_F(CPersTest, IdleSheBlinksOnceHerIdleHasPlayedAndSighsAfterTheWaitTime) {
  MakeCook();
  ASSERT_EQ(CookWaitTime, 8000);
  for (int t = 0; t < 7000; t += 100) {
    cook->Update(100.0f);
    scene->Update(100.0f);
  }
  EXPECT_EQ(cook->GetState(), CPers::kBlink) << "the idle part has played";
  EXPECT_EQ(CountPlayerCalls("sound:Play waiting 1 0.000000"), 0);
  cook->Update(1001.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play waiting 1 0.000000"), 1);
}

TEST_F(CPersTest, HiddenSheNeitherMovesNorPausesAndAHoldKeepsHerStill) {
  MakeCook();
  cook->Hold(CPers::kWait);
  EXPECT_FALSE(cook->IsIdle());
  EXPECT_FALSE(cook->IsWalking());
  cook->Update(10000.0f);
  EXPECT_EQ(cook->GetState(), CPers::kWait);
  cook->SetPaused(true);
  EXPECT_TRUE(cook->IsPaused());
  cook->SetPaused(false);

  cook->Hold(CPers::kHide);
  EXPECT_FALSE(cook->CanMove());
  PlayerCalls().clear();
  cook->MoveTo(2.0f, 2.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play action_move 1 0.000000"), 0);
  cook->SetPaused(true);
  EXPECT_FALSE(cook->IsPaused());
  cook->OnArrived();
  EXPECT_TRUE(cook->CanMove());
  EXPECT_TRUE(cook->IsIdle());
}

TEST_F(CPersTest, ANewDressReplacesTheFigureAndADressWithoutAnimationsStillWalks) {
  MakeCook();
  cook->PlaceSprite(4.0f, 12.0f);
  const auto before = cook->GetAnimation();
  const GF::TPoint<float> at = before->GetPosition();
  cook->SetDress(2);
  cook->CreateStateAnimations();
  EXPECT_STREQ(cook->GetAnimation()->GetName(), "idle_2");
  EXPECT_EQ(cook->GetAnimation()->GetPosition(), at) << "where the old one stood";
  EXPECT_FALSE(before->GetScene()) << "the old figure left the scene";

  MakeCook({}, 9);
  EXPECT_FALSE(cook->GetAnimation());
  EXPECT_EQ(cook->GetSpriteHeight(), 0.0f);
  EXPECT_FALSE(cook->HitTest({0.0f, 0.0f}));
  cook->SetPaused(true);
  cook->MoveTo(8.0f, 14.0f);
  EXPECT_EQ(Walk(), (Cell{8, 14}));
}

}  // namespace

// The stage carousel on the sample content: the seven stage plates in the scene of a top
// screen, laid out as the map lays them out, stepped in frames of 20 ms with the mouse and
// the left button set by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/screens/CScreenAbstract.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/map/CStageMapStrategy.h"
#include "tests/support/SampleContentFixture.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kStep = 2.0f * kPi / 7.0f;
constexpr float kCx = 400.0f, kCy = 280.0f, kRx = 300.0f, kRy = 180.0f;
constexpr int kLeftButton = 18;
// Start times of the sample plate's parts.
constexpr float kZoom = 0.0f, kHidden = 500.0f, kShow = 600.0f, kEnter = 1000.0f;

class CStageMapStrategyTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    GameDatabase = GameData{};
    LevelsDatabase = LevelsData{};
    for (int n = 1; n <= 7; ++n) {
      const std::string key = "stage" + std::to_string(n);
      StageTable[key] = {0, 2, n, key};
    }
    GameProgress = ProgressBlock{};
    CurrentProfile().StageKey = "stage1";
    manager = GF::HGENS::GetGameManager();
    manager->RegisterScreen(
        "map", [] { return GF::THolder<GF::IScreen>(new GF::HGENS::CScreenAbstract()); });
    manager->CreateScreen("map", "", {}, nullptr);
    scene = manager->TopScreen()->GetScene();
    strategy.GetControlEvent().Subscribe(GF::MakeDelegate(this, &CStageMapStrategyTest::Note));
  }
  void TearDown() override {
    scene.Reset();
    manager.Reset();
    GF::HGENS::ReleaseEngineServices();
    GF::HGENS::CResourceCache::ReleaseInstance();
    GameDatabase = GameData{};
    LevelsDatabase = LevelsData{};
    GameProgress = ProgressBlock{};
    SampleContentFixture::TearDown();
  }

  // Stages 1..count, the chosen one first as the map adds them; stages up to `reached` are
  // unlocked, `opening` is the opening stage (0: none).
  void AddStages(int count, int reached = 7, int opening = 0) {
    for (int n = 1; n <= count; ++n) {
      const AnimationPtr place = scene->CreateAnimation("ProgressMap.stage_" + std::to_string(n));
      ASSERT_TRUE(place);
      strategy.AddStage("stage" + std::to_string(n), place, n <= reached, n == opening);
    }
    strategy.Layout(kRx, kRy, 2.0f * kPi / static_cast<float>(count), kCx, kCy);
  }

  void Step() {
    strategy.Tick(20.0f);
    scene->Update(20.0f);
  }
  void Run(float ms) {
    for (float t = 0.0f; t < ms; t += 20.0f) Step();
  }
  const StagePlace& Place(int n) const {
    for (const StagePlace& place : strategy.GetPlaces())
      if (place.key == "stage" + std::to_string(n)) return place;
    throw std::out_of_range("no place");
  }
  void MoveTo(int n) {
    const GF::TRect<int>& rect = Place(n).rect;
    MoveTo((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  static void MoveTo(int x, int y) {
    const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
    mouse->x = x;
    mouse->y = y;
  }
  static void Press() { GF::HGENS::GetKeyset()->SetDown(kLeftButton, true); }
  static const std::string& Chosen() { return CurrentProfile().StageKey; }
  float PartOf(int n) const { return Place(n).place->GetStartTime(); }
  void Note(int code) { events.push_back(code); }

  GF::THolder<GF::HGENS::CGameManager> manager;
  GF::THolder<GF::IScene> scene;
  CStageMapStrategy strategy;
  std::vector<int> events;
};

TEST_F(CStageMapStrategyTest, AClickAsTheCursorEntersIsDroppedAndOneAsItLeavesCounts) {
  AddStages(7);
  MoveTo(2);
  Press();  // in the frame of entering: dropped
  Step();
  EXPECT_FALSE(GF::HGENS::GetKeyset()->IsDown(kLeftButton));
  EXPECT_EQ(PartOf(2), kEnter);
  Run(200.0f);  // "_enter" has played
  EXPECT_EQ(Chosen(), "stage1");

  MoveTo(0, 0);
  Press();  // in the frame of leaving: still chooses the place left
  Step();
  EXPECT_EQ(Chosen(), "stage2");
  EXPECT_TRUE(strategy.IsAnimating());
}

TEST_F(CStageMapStrategyTest, TheNextClickOnAnEnteredPlaceChoosesIt) {
  AddStages(7);
  MoveTo(3);
  Step();
  Run(200.0f);
  Press();
  Step();
  EXPECT_EQ(Chosen(), "stage3");
  EXPECT_EQ(strategy.GetChosenPlace(), &Place(1));  // until the ring has turned
}

TEST_F(CStageMapStrategyTest, TheChosenAndTheLockedPlacesStayInert) {
  AddStages(7, 3);
  for (int n : {1, 4, 6}) {
    MoveTo(n);
    Step();
    Press();
    Step();
    Run(200.0f);
    EXPECT_EQ(Chosen(), "stage1") << n;
    EXPECT_FALSE(Place(n).hover) << n;
    EXPECT_EQ(PartOf(n), n == 1 ? kZoom : kHidden) << n;
  }
}

TEST_F(CStageMapStrategyTest, TheRingTurnsByTheStepsBetweenTheOldAndTheNewPlace) {
  const GF::TRect<int> left{100, 0, 200, 100}, right{500, 0, 700, 100};
  struct Case {
    int oldIndex, newIndex;
    GF::TRect<int> rect;
    float delta;
  } cases[] = {
      {4, 1, left, 3.0f * kStep},
      {4, 1, right, 3.0f * kStep - 2.0f * kPi},
      {1, 4, left, 4.0f * kStep},
      {3, 3, left, 0.0f},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(CStageMapStrategy::TurnAngle(c.oldIndex, c.newIndex, 7, kCx, c.rect), c.delta,
                1e-5f)
        << c.oldIndex << " " << c.newIndex << " " << c.rect.left;
}

TEST_F(CStageMapStrategyTest, APointOnTheCircleIsOutside) {
  const GF::TRect<int> rect{100, 100, 201, 200};  // middle (150, 150), radius 50.5
  struct Case {
    int x, y;
    bool in;
  } cases[] = {{150, 150, true},  {200, 150, true},  {150, 100, true},
               {201, 150, false}, {186, 186, false}, {150, 201, false}};
  for (const Case& c : cases)
    EXPECT_EQ(CStageMapStrategy::HitTest(rect, c.x, c.y), c.in) << c.x << " " << c.y;
  EXPECT_FALSE(CStageMapStrategy::HitTest({100, 100, 200, 200}, 200, 150));  // r = 50 exactly
}

TEST_F(CStageMapStrategyTest, AChoiceTurnsTheRingWithTheButtonsOffUntilItHasSettled) {
  AddStages(7);
  EXPECT_EQ(Place(1).place->GetPosition(), GF::TPoint<float>(kCx, kCy));
  for (int n = 2; n <= 7; ++n) {
    const float angle = 1.5f * kPi + static_cast<float>(n - 1) * kStep;
    EXPECT_NEAR(Place(n).place->GetPosition().x, kCx + std::cos(angle) * kRx, 0.01f) << n;
    EXPECT_NEAR(Place(n).place->GetPosition().y, kCy + std::sin(angle) * kRy, 0.01f) << n;
    EXPECT_EQ(Place(n).place->GetScale(), GF::TPoint<float>(0.5f, 0.5f)) << n;
  }
  MoveTo(5);
  Step();
  Run(200.0f);
  Press();
  Step();
  EXPECT_EQ(events, std::vector<int>{1});
  int frames = 1;
  for (; strategy.IsAnimating() && frames < 300; ++frames) {
    ASSERT_EQ(events, std::vector<int>{1}) << frames;
    Step();
  }
  EXPECT_EQ(events, (std::vector<int>{1, 0}));
  // Zoom out, turn, zoom in, bounce with its wait and the plate's "_zoom".
  EXPECT_GT(frames * 20, 3400);
  EXPECT_LT(frames * 20, 3700);
  EXPECT_EQ(strategy.GetChosenPlace(), &Place(5));
  EXPECT_EQ(Place(5).place->GetPosition(), GF::TPoint<float>(kCx, kCy));
  EXPECT_EQ(Place(5).place->GetScale(), GF::TPoint<float>(1.0f, 1.0f));
  // The old place went to the top, then turned with the ring.
  const float angle = 1.5f * kPi + 3.0f * kStep;
  EXPECT_NEAR(Place(1).place->GetPosition().x, kCx + std::cos(angle) * kRx, 1.0f);
  EXPECT_NEAR(Place(1).place->GetPosition().y, kCy + std::sin(angle) * kRy, 1.0f);
  EXPECT_EQ(Place(1).place->GetScale(), GF::TPoint<float>(0.5f, 0.5f));
}

TEST_F(CStageMapStrategyTest, WithFloat16TheChosenPlaceZoomsInFromTheTop) {
  CurrentProfile().Floats[ProfileFloat::Value16] = 1.0f;
  AddStages(7);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::Value16], 0.0f);
  EXPECT_EQ(Place(1).place->GetPosition(), GF::TPoint<float>(kCx, kCy - kRy));
  EXPECT_EQ(Place(1).place->GetScale(), GF::TPoint<float>(0.5f, 0.5f));
  EXPECT_EQ(PartOf(1), kShow);
  EXPECT_NEAR(Place(2).place->GetPosition().x, kCx + std::cos(1.5f * kPi + kStep) * kRx, 0.01f);
  EXPECT_EQ(events, std::vector<int>{1});
  Run(2000.0f);
  EXPECT_EQ(Place(1).place->GetPosition(), GF::TPoint<float>(kCx, kCy));
  EXPECT_EQ(Place(1).place->GetScale(), GF::TPoint<float>(1.0f, 1.0f));
  EXPECT_EQ(events, (std::vector<int>{1, 0}));
}

TEST_F(CStageMapStrategyTest, TheOpeningStageIsChosenASecondAfterTheLayoutAndShowsInFront) {
  AddStages(7, 3, 3);
  EXPECT_EQ(PartOf(3), kHidden);
  EXPECT_TRUE(Place(3).opening);
  Run(960.0f);
  EXPECT_EQ(Chosen(), "stage1");
  Run(80.0f);  // the wait, then the call in the next walk
  EXPECT_EQ(Chosen(), "stage3");
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::Value36], 0.0f);
  Run(1800.0f);  // zoomed out and turned: it shows as it comes forward
  EXPECT_EQ(PartOf(3), kShow);
  Run(2000.0f);
  EXPECT_FALSE(strategy.IsAnimating());
  EXPECT_FALSE(Place(3).opening);
  EXPECT_EQ(events, (std::vector<int>{1, 1, 0}));
}

TEST_F(CStageMapStrategyTest, ASinglePlaceCompletesItsChoice) {
  AddStages(1, 1, 1);
  Run(5000.0f);
  EXPECT_FALSE(strategy.IsAnimating());
  EXPECT_EQ(events, (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(Place(1).place->GetPosition(), GF::TPoint<float>(kCx, kCy));
}

}  // namespace

// Flights on bare animation nodes: the start delay, landing, removal on arrival, the
// worker's walk and all-landed event, the game's three strategies and the twelve setters.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TStaticDelegate.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CFlyObjectWorker.h"
#include "game/kitchen/CScaleCoin.h"
#include "game/kitchen/DoLineSplineMoveStrategy.h"
#include "game/kitchen/MotionSetters.h"
#include "game/kitchen/TFreeFall.h"
#include "tests/framework/core/AnimationDoubles.h"

namespace {

using GF::test::MakeNode;
using AnimationPtr = GF::IAnimation::AnimationPtr;
using Flight = GF::THolder<CFlyObject>;
using P = GF::TPoint<float>;
using Lines = std::vector<std::string>;

std::string At(const AnimationPtr& node) {
  const P p = node->GetPosition();
  return std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y));
}

// Landings and all-landed firings, in order.
struct Journal {
  void OnLanded(Flight flight) {
    lines.push_back("landed " + std::to_string(flight->m_userValue));
    if (onLanded) onLanded(flight);
  }
  void OnAllLanded() { lines.push_back("all landed"); }
  void Watch(const Flight& flight) {
    flight->m_landedEvent.Subscribe(GF::MakeDelegate(this, &Journal::OnLanded));
  }

  Lines lines;
  std::function<void(const Flight&)> onLanded;
};

Flight LineFlight(const AnimationPtr& node, float duration, P from, P to, int user) {
  const Flight flight = CreateFlyObject();
  flight->AddTarget(node);
  flight->SetDuration(duration);
  SetLineMotion(*flight, from, to);
  flight->m_userValue = user;
  return flight;
}

TEST(CFlyObjectTest, ADelayedFlightHoldsAtItsStartThenLandsOnTheUpdateAfterItsDuration) {
  const AnimationPtr node = MakeNode();
  const Flight flight = LineFlight(node, 500.0f, {100, 100}, {600, 100}, 1);
  flight->m_startDelay = 300.0f;
  EXPECT_TRUE(flight->IsActive());
  CFlyObjectWorker worker;
  Journal journal;
  journal.Watch(flight);
  worker.GetAllLandedEvent().Subscribe(GF::MakeDelegate(&journal, &Journal::OnAllLanded));
  AddFlyObject(worker, flight);
  for (int i = 1; i <= 10; ++i) {
    UpdateFlyObjects(worker, 100.0f);
    journal.lines.push_back(std::to_string(i) + " " + At(node));
  }
  EXPECT_EQ(journal.lines,
            (Lines{"1 100,100", "2 100,100", "3 100,100", "4 200,100", "5 300,100", "6 400,100",
                   "7 500,100", "8 600,100", "landed 1", "9 600,100", "all landed", "10 600,100"}));
  EXPECT_TRUE(worker.GetFlyObjects().empty());
}

TEST(CFlyObjectTest, ADelayedFlightOfNoDurationLandsOnlyAfterItsDelay) {
  const Flight flight = LineFlight(MakeNode(), 0.0f, {0, 0}, {10, 0}, 1);
  flight->m_startDelay = 40.0f;
  Journal journal;
  journal.Watch(flight);
  for (int i = 0; i < 3; ++i) flight->Update(20.0f);
  EXPECT_EQ(journal.lines, Lines{"landed 1"});  // updates 1 and 2 hold, 3 lands
}

TEST(CFlyObjectTest, AllLandedFiresOncePerEmptyingAndNeverOnAnEmptyList) {
  CFlyObjectWorker worker;
  Journal journal;
  worker.GetAllLandedEvent().Subscribe(GF::MakeDelegate(&journal, &Journal::OnAllLanded));
  UpdateFlyObjects(worker, 20.0f);
  AddFlyObject(worker, LineFlight(MakeNode(), 20.0f, {}, {}, 1));
  AddFlyObject(worker, LineFlight(MakeNode(), 60.0f, {}, {}, 2));
  AddFlyObject(worker, Flight());  // ignored
  for (int i = 0; i < 6; ++i) UpdateFlyObjects(worker, 20.0f);
  AddFlyObject(worker, LineFlight(MakeNode(), 20.0f, {}, {}, 3));
  for (int i = 0; i < 4; ++i) UpdateFlyObjects(worker, 20.0f);
  EXPECT_EQ(journal.lines, (Lines{"all landed", "all landed"}));
}

TEST(CFlyObjectTest, RemovalOnArrivalComesAfterTheLandedDelegates) {
  const GF::THolder<GF::test::FakeScene> scene = GF::MakeHolder<GF::test::FakeScene>();
  const AnimationPtr node = MakeNode();
  node->SetScene(scene);
  const Flight flight = LineFlight(node, 20.0f, {0, 0}, {10, 0}, 1);
  flight->m_removeOnArrival = true;
  Journal journal;
  journal.onLanded = [&](const Flight& landed) {
    const AnimationPtr target = GetFlyObjectTarget(landed);
    journal.lines.push_back(target == node && target->GetScene() == scene ? "in scene" : "gone");
  };
  journal.Watch(flight);
  CFlyObjectWorker worker;
  AddFlyObject(worker, flight);
  UpdateFlyObjects(worker, 20.0f);
  UpdateFlyObjects(worker, 20.0f);
  EXPECT_EQ(journal.lines, (Lines{"landed 1", "in scene"}));
  EXPECT_FALSE(node->GetScene());
  EXPECT_FALSE(GetFlyObjectTarget(flight));
  EXPECT_FALSE(GetFlyObjectTarget(Flight()));
}

TEST(CFlyObjectTest, LandingAllMidFlightFiresEachLandingOnceWithoutAllLanded) {
  CFlyObjectWorker worker;
  Journal journal;
  worker.GetAllLandedEvent().Subscribe(GF::MakeDelegate(&journal, &Journal::OnAllLanded));
  const Flight first = LineFlight(MakeNode(), 100.0f, {}, {}, 1);
  const Flight second = LineFlight(MakeNode(), 100.0f, {}, {}, 2);
  journal.Watch(first);
  journal.Watch(second);
  AddFlyObject(worker, first);
  AddFlyObject(worker, second);
  UpdateFlyObjects(worker, 20.0f);
  LandAllFlyObjects(worker);
  EXPECT_TRUE(worker.GetFlyObjects().empty());
  // The reset reaching a flight that landed already, and a flight someone still updates.
  first->OnFinished();
  for (int i = 0; i < 6; ++i) second->Update(20.0f);
  UpdateFlyObjects(worker, 20.0f);
  EXPECT_EQ(journal.lines, (Lines{"landed 1", "landed 2"}));
}

TEST(CFlyObjectTest, LandedHandlersMayAddFlightsOrLandEverythingDuringTheWalk) {
  CFlyObjectWorker worker;
  Journal journal;
  worker.GetAllLandedEvent().Subscribe(GF::MakeDelegate(&journal, &Journal::OnAllLanded));
  const Flight first = LineFlight(MakeNode(), 20.0f, {}, {}, 1);
  const Flight resetter = LineFlight(MakeNode(), 40.0f, {}, {}, 2);
  const Flight last = LineFlight(MakeNode(), 500.0f, {}, {}, 3);
  for (const Flight& f : {first, resetter, last}) journal.Watch(f);
  Flight added;
  journal.onLanded = [&](const Flight& landed) {
    if (landed == first) {
      added = LineFlight(MakeNode(), 20.0f, {}, {}, 4);
      journal.Watch(added);
      AddFlyObject(worker, added);
    }
    if (landed == resetter) LandAllFlyObjects(worker);
  };
  AddFlyObject(worker, first);
  AddFlyObject(worker, resetter);
  AddFlyObject(worker, last);
  UpdateFlyObjects(worker, 20.0f);
  UpdateFlyObjects(worker, 20.0f);  // the first lands; the flight it adds flies at once
  ASSERT_TRUE(added);
  EXPECT_EQ(added->GetElapsed(), 20.0f);
  UpdateFlyObjects(worker, 20.0f);  // the resetter lands and lands everything
  UpdateFlyObjects(worker, 20.0f);
  EXPECT_EQ(journal.lines, (Lines{"landed 1", "landed 2", "landed 3", "landed 4"}));
  EXPECT_TRUE(worker.GetFlyObjects().empty());
}

TEST(CFlyObjectTest, ScaleCoinFreeFallAndSplineStrategies) {
  // The coin: 1.0 at 0, the peak at T = 200, 1.0 again at 2T; no half time keeps 1.
  CScaleCoin coin(200.0f, {1.5f, 1.5f});
  P s;
  for (const auto& [t, expected] : {std::pair{0.0f, 1.0f}, {200.0f, 1.5f}, {400.0f, 1.0f}}) {
    coin.Calc(s, t);
    EXPECT_FLOAT_EQ(s.x, expected) << t;
    EXPECT_FLOAT_EQ(s.y, expected) << t;
  }
  CScaleCoin flat(0.0f, {2.0f, 2.0f});
  flat.Calc(s, 100.0f);
  EXPECT_EQ(s, P(1, 1));

  // No acceleration: a straight line at constant speed. With gravity (down the screen) it
  // still meets both ends: a throw, g T^2 / 8 above the chord at half time.
  TFreeFall<P> fall;
  fall.Setup({0, 0}, {400, 200}, {0, 0}, 400.0f);
  for (float t : {0.0f, 100.0f, 250.0f, 400.0f}) {
    fall.Calc(s, t);
    EXPECT_FLOAT_EQ(s.x, t) << t;
    EXPECT_FLOAT_EQ(s.y, t / 2) << t;
  }
  fall.Setup({0, 0}, {400, 200}, {0, 0.01f}, 400.0f);
  fall.Calc(s, 400.0f);
  EXPECT_FLOAT_EQ(s.x, 400.0f);
  EXPECT_NEAR(s.y, 200.0f, 1e-3f);
  fall.Calc(s, 200.0f);
  EXPECT_NEAR(s.y, 100.0f - 0.01f * 400 * 400 / 8, 1e-3f);
  fall.Setup({0, 0}, {400, 200}, {0, 0.01f}, 0.0f);
  fall.Calc(s, 0.0f);
  EXPECT_EQ(s, P(400, 200));

  // The spline's own frame onto (100, 100) -> (300, 100): (0.5, 0.2) lands on (200, 60).
  DoLineSplineMoveStrategy spline;
  const std::vector<P> path = {{0, 0}, {0.5f, 0.2f}, {1, 0}};
  spline.Setup({100, 100}, {300, 100}, path, 1000.0f);
  for (const auto& [t, expected] :
       {std::pair{0.0f, P(100, 100)}, {500.0f, P(200, 60)}, {1000.0f, P(300, 100)}}) {
    spline.Calc(s, t);
    EXPECT_NEAR(s.x, expected.x, 1e-3f) << t;
    EXPECT_NEAR(s.y, expected.y, 1e-3f) << t;
  }
  // Fewer than two points: the straight line.
  spline.Setup({100, 100}, {300, 100}, std::span<const P>(path.data(), 1), 1000.0f);
  spline.Calc(s, 500.0f);
  EXPECT_NEAR(s.x, 200.0f, 1e-3f);
  EXPECT_NEAR(s.y, 100.0f, 1e-3f);
}

// Each setter on a 500 ms flight, read after one update of 125 ms (u = 0.25; smoothed
// 0.1464).
TEST(CFlyObjectTest, TheTwelveSettersDriveTheirChannels) {
  constexpr float kPi = std::numbers::pi_v<float>;
  struct Case {
    const char* name;
    std::function<void(GF::ICurve&)> set;
    std::function<std::string(const AnimationPtr&)> read;
    std::string expected;
  };
  const auto position = [](const AnimationPtr& n) { return At(n); };
  const auto opacity = [](const AnimationPtr& n) { return std::to_string(n->GetOpacity()); };
  const auto angle = [](const AnimationPtr& n) { return std::to_string(n->GetAngle()); };
  const auto scale = [](const AnimationPtr& n) {
    return std::to_string(n->GetScale().x) + " " + std::to_string(n->GetScale().y);
  };
  const Case cases[] = {
      {"circle",
       [&](GF::ICurve& c) {
         SetCircleMotion(c, {100, 100}, 50, 20, 0, kPi);
       },
       position, "135,114"},
      {"circle smoothed",
       [&](GF::ICurve& c) {
         SetCircleMotion2(c, {100, 100}, 50, 20, 0, kPi);
       },
       position, "145,109"},
      {"parabola",
       [](GF::ICurve& c) {
         SetParabolaMotion(c, {0, 100}, {100, 0}, {200, 100});
       },
       position, "50,25"},
      {"line",
       [](GF::ICurve& c) {
         SetLineMotion(c, {0, 0}, {200, 100});
       },
       position, "50,25"},
      {"line smoothed",
       [](GF::ICurve& c) {
         SetLineMotion2(c, {0, 0}, {200, 100});
       },
       position, "29,15"},
      {"free fall",
       [](GF::ICurve& c) {
         SetFreeFallMotion(c, {0, 0}, {200, 100}, {0, 0});
       },
       position, "50,25"},
      {"spline",
       [](GF::ICurve& c) {
         SetSplineMotion(c, {0, 0}, {200, 0}, {});
       },
       position, "41,0"},
      {"opacity", [](GF::ICurve& c) { SetFloatLineMotion(c, 1, 0); }, opacity, "0.750000"},
      {"angle", [](GF::ICurve& c) { SetFloatLineMotion2(c, 0, 2); }, angle, "0.500000"},
      {"scale", [](GF::ICurve& c) { SetLineMotion3(c, 1, 3); }, scale, "1.500000 1.500000"},
      {"scale smoothed", [](GF::ICurve& c) { SetLineMotion4(c, 1, 3); }, scale,
       "1.292893 1.292893"},
      {"coin",
       [](GF::ICurve& c) {
         SetScaleCoinMotion(c, 250, {2, 2});
       },
       scale, "1.750000 1.750000"},
  };
  for (const Case& c : cases) {
    const AnimationPtr node = MakeNode();
    const Flight flight = CreateFlyObject();
    flight->AddTarget(node);
    flight->SetDuration(500.0f);
    c.set(*flight);
    flight->Update(125.0f);
    EXPECT_EQ(c.read(node), c.expected) << c.name;
  }
}

TEST(CFlyObjectTest, ASetterBeforeTheDurationBuildsAMotionOfNoDuration) {
  const AnimationPtr early = MakeNode();
  const Flight flight = CreateFlyObject();
  flight->AddTarget(early);
  SetLineMotion(*flight, {0, 0}, {100, 0});
  flight->SetDuration(500.0f);
  flight->Update(100.0f);
  EXPECT_EQ(At(early), "100,0");  // already at its end
  const AnimationPtr late = MakeNode();
  flight->AddTarget(late);
  SetLineMotion(*flight, {0, 0}, {100, 0});
  flight->Update(100.0f);
  EXPECT_EQ(At(late), "40,0");
}

}  // namespace

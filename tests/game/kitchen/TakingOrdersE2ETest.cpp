// Taking orders on the whole program, end to end: the kitchen host (stage1_1) with an order
// panel and a field that answers clicks as the kitchen does (a walk, then the fetch), on the
// real engine headless in its deterministic mode, on the sample content. A batter order
// slides into the column at the right edge and opens; the player clicks the eggs, the flour
// and the mixer in quick succession (the third click pays the series bonus): the cook walks
// to each, the eggs and the flour fly the spiral into the mixer, the mixer works 2000 ms
// with the order's indicator filling; every line is struck and the delivery button lights.
// A second customer queues below; a click on her bubble selects her. PANMASTER_SHOTS
// keeps the shots for a look.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/GameData.h"
#include "game/kitchen/CZacaz.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/game/kitchen/PanelHostScreen.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleKitchenHud.h"

namespace {

using GF::THolder;
using AnimationPtr = GF::IAnimation::AnimationPtr;

// What the replay does, by frame of 20 ms (the screen shows for its first 15 frames).
constexpr int kEmpty = 16;      // shot: the kitchen without customers
constexpr int kArrive = 17;     // the batter order comes
constexpr int kOpened = 50;     // shot: in its slot at the right edge, open
constexpr int kEggs = 52;       // the eggs are clicked, then the flour
constexpr int kFlour = 55;      //   (she walks ~30 frames; each flight takes 30)
constexpr int kEggsFly = 100;   // shot: the eggs in flight
constexpr int kFlourFly = 145;  // shot: the flour in flight
constexpr int kMixer = 165;     // both landed: the mixer is clicked
constexpr int kWalking = 175;   // shot: she walks to the mixer
constexpr int kSecond = 230;    // a second customer queues below
constexpr int kWorking = 230;   // shot: the mixer works, the indicator a quarter full
constexpr int kWorked = 270;    // shot: later, fuller
constexpr int kDone = 330;      // shot: every line struck, delivery lit
constexpr int kClick = 335;     // a click on the second bubble
constexpr int kSelected = 360;  // shot: the second order selected and open
constexpr int kEnd = 362;

struct Seen {
  GF::TPoint<float> bubble;
  GF::TPoint<float> copy;  // the flying ingredient, when one flies
  float indicator = 0.0f;  // the work indicator's time
  bool working = false, complete = false, delivery = false;
  int done = 0;
  CZacaz* selected = nullptr;
};

using pm::test::Around;
using pm::test::Differences;

TEST(TakingOrdersE2ETest, AnOrderIsTakenFromItsArrivalToItsDelivery) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("taking_orders");
  pm::test::CPanelHostScreen* host = nullptr;
  THolder<CZacaz> batter, second;
  std::map<int, Seen> seen;
  GF::TPoint<float> mixer, clicked, slot;
  std::vector<std::string> log;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<pm::test::CPanelHostScreen>(manager);
  };
  run.before = [&](int frame) {
    if (!host || !host->field) return;
    if (frame == kArrive) batter = host->Arrive(0);
    if (frame == kEggs) host->Click("Ingredients.eggs");
    if (frame == kFlour) host->Click("Ingredients.flour");
    if (frame == kMixer) host->Click("Devices.mixer");
    if (frame == kSecond) second = host->Arrive(1);
  };
  run.after = [&](int frame) {
    if (!host || !host->field || !batter) return;
    Seen& s = seen[frame];
    s.bubble = batter->GetBubble()->GetPosition();
    const auto& flights = host->field->GetFlyObjects();
    const AnimationPtr copy = flights.empty() ? nullptr : GetFlyObjectTarget(flights.front());
    if (copy) s.copy = copy->GetPosition();
    if (const AnimationPtr indicator = batter->GetWorkIndicator())
      s.indicator = indicator->GetTime() - indicator->GetStartTime();
    s.working = batter->IsWorking();
    s.complete = batter->IsComplete();
    s.delivery = host->field->GetDeliveryButton()->IsEnabled();
    s.done = batter->GetItemsDone();
    s.selected = host->Panel().GetSelectedOrder().Get();
    if (frame == kOpened)
      mixer = host->field->FindObject("Devices.mixer", false)->HolderGetCast()->GetPosition();
    if (frame == kClick - 1 && second) clicked = second->GetBubble()->GetPosition();
    if (frame == kSelected && second) slot = second->GetBubble()->GetPosition();
  };
  const std::vector<int> shots = {kEmpty,   kOpened, kEggsFly, kFlourFly, kWalking,
                                  kWorking, kWorked, kDone,    kSelected};
  std::string script = "step 20\nframes " + std::to_string(kEnd) + "\n";
  script += pm::test::KitchenShots::ScriptLines(folder, shots);
  // The click on the second bubble, in its slot below the open first one (the sample's
  // column: x 720, y 70 + 120 + 140).
  script += pm::test::ClickAt(kClick, 760, 330);
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  // The order slid in from beyond the right edge into the first slot and opened.
  EXPECT_EQ(seen[kOpened].bubble, (GF::TPoint<float>{OrderSlotFirstX, OrderSlotFirstY}));
  EXPECT_EQ(seen[kOpened].selected, batter.Get());
  // Each ingredient flew from its stand into the mixer (the batter's step is the mixer's).
  EXPECT_NE(seen[kEggsFly].copy, GF::TPoint<float>{});
  EXPECT_NE(seen[kFlourFly].copy, GF::TPoint<float>{});
  EXPECT_EQ(seen[kMixer - 1].done, 2);
  EXPECT_FALSE(seen[kWalking].working) << "she walks first";
  // The mixer works 2000 ms with the indicator filling, then every line is done.
  EXPECT_TRUE(seen[kWorking].working);
  EXPECT_GT(seen[kWorked].indicator, seen[kWorking].indicator);
  EXPECT_FALSE(seen[kWorked].delivery);
  EXPECT_EQ(seen[kDone].done, 3);
  EXPECT_TRUE(seen[kDone].complete);
  EXPECT_TRUE(seen[kDone].delivery);
  // The click selected the second customer's order.
  ASSERT_TRUE(second);
  EXPECT_EQ(seen[kSelected].selected, second.Get());
  EXPECT_TRUE(second->IsOpened());
  EXPECT_FALSE(batter->IsOpened());
  EXPECT_EQ(clicked, (GF::TPoint<float>{OrderSlotFirstX,
                                        OrderSlotFirstY + OrderSlotStep + OrderSlotSelectedOffset}))
      << "below the open order and its card";
  EXPECT_EQ(slot, (GF::TPoint<float>{OrderSlotFirstX, OrderSlotFirstY + OrderSlotStep}))
      << "the first one closed: the second slid up";

  const pm::test::KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  const GF::TRect<int> bubble = Around({OrderSlotFirstX, OrderSlotFirstY}, 50);
  const int area = (bubble.right - bubble.left) * (bubble.bottom - bubble.top);
  EXPECT_GT(Differences(shot[kOpened], shot[kEmpty], bubble), area / 2) << "the bubble came";
  for (int frame : {kEggsFly, kFlourFly})
    EXPECT_GT(Differences(shot[frame], shot[kOpened], Around(seen[frame].copy, 20)), 200)
        << "an ingredient flies at " << frame;
  const GF::TRect<int> mixerRect = Around(mixer, 40);
  EXPECT_GT(Differences(shot[kWorking], shot[kWalking], mixerRect), 200) << "the mixer works";
  EXPECT_GT(Differences(shot[kSelected], shot[kDone], Around(slot, 50)), area / 4)
      << "the second bubble opened";
  const GF::TRect<int> plate = Around({KitchenPlaces::plateX, KitchenPlaces::plateY}, 40);
  EXPECT_GT(Differences(shot[kDone], shot[kWorked], plate), 100) << "the delivery button lit";
  batter.Reset();
  second.Reset();
}

}  // namespace

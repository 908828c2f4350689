// Serving on the whole program, end to end: the kitchen host with its order panel (stage1_1)
// on the real engine headless in its deterministic mode, on the sample content. A batter
// order, every item done, is served by a click on the delivery button: the plate's cloche
// lifts off the dish, the dish flies shrinking and turning into the bubble, the customer
// pays (the points panel) and a moment later the bubble falls away. Then the duel's rival
// order comes and cooks itself item by item, its mixer step on the work indicator, until it
// is served: its dish flies in from beyond the right edge. PANMASTER_SHOTS keeps the
// shots for a look.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/CScene.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
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
constexpr int kArrive = 17;          // the batter order comes
constexpr int kComplete = 45;        // all its items are done
constexpr int kReady = 48;           // shot: the delivery button lit
constexpr int kServe = 50;           // a click on it: the plate opens for 400 ms
constexpr int kOnPlate = 62;         // shot: the cloche lifting off the dish
constexpr int kFlying = 86;          // shot: the dish in flight (frames 72 to 103)
constexpr int kInBubble = 120;       // shot: the dish in the bubble, the points panel
constexpr int kFalling = 150;        // shot: the bubble falling away (from frame 141)
constexpr int kRival = 170;          // the rival's order comes and cooks itself
constexpr int kRivalCooking = 1040;  // shot: its mixer step (frames 998 to 1098)
constexpr int kRivalDish = 1112;     // shot: its dish flying in
constexpr int kRivalServed = 1132;   // shot: its dish in its bubble
constexpr int kEnd = 1140;

struct Seen {
  bool flying = false, paid = false, queued = false, working = false, plateOpen = false;
  int done = 0;
  GF::TPoint<float> dish;  // where it is drawn
  float dishScale = 0.0f;
  bool dishPlaced = false;  // in a place (the plate's, then the bubble's)
};

using pm::test::Around;
using pm::test::Differences;

// The dish the serving shows: the one animation of the recipe's picture.
AnimationPtr FindDish(GF::IScene& scene, const std::string& name) {
  AnimationPtr found;
  for (const AnimationPtr& animation : static_cast<GF::HGENS::CScene&>(scene).GetAnimations())
    if (animation->GetName() && name == animation->GetName()) found = animation;
  return found;
}

TEST(ServingE2ETest, AnOrderIsServedAndTheRivalsCooksItself) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("serving");
  pm::test::CPanelHostScreen* host = nullptr;
  THolder<CZacaz> batter, rival;
  std::map<int, Seen> seen;
  std::vector<int> rivalSteps;  // frames on which the rival's items were done
  std::wstring paidText;
  float score = 0.0f;
  CZacaz* nextRival = nullptr;
  std::vector<std::string> log;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<pm::test::CPanelHostScreen>(manager);
    host->Kitchen().records = &LevelTable.at("stage1_duel").Orders;
  };
  run.before = [&](int frame) {
    if (!host || !host->field) return;
    if (frame == kArrive) batter = host->Arrive(0);
    if (frame == kComplete)
      for (int k = 0; k < batter->GetItemCount(); ++k) {
        batter->SetItemDelivered(k);
        batter->CompleteItem(k);
      }
    if (frame == kRival && host->field->AddOrder(102)) rival = host->Panel().GetOrders().back();
  };
  run.after = [&](int frame) {
    if (!host || !host->field || !batter) return;
    CZacaz& order = rival ? *rival : *batter;
    Seen& s = seen[frame];
    s.flying = !host->field->GetFlyObjects().empty();
    s.paid = order.IsPaid();
    const auto& queue = host->Panel().GetOrders();
    s.queued = std::find(queue.begin(), queue.end(), THolder<CZacaz>(&order)) != queue.end();
    s.working = order.IsWorking();
    s.plateOpen = !host->field->GetPlate()->IsStopped();
    if (frame > kRival && order.GetItemsDone() != seen[frame - 1].done) rivalSteps.push_back(frame);
    s.done = order.GetItemsDone();
    if (const AnimationPtr dish = FindDish(*host->GetScene(), "batter")) {
      s.dish = {dish->GetProperties().x, dish->GetProperties().y};
      s.dishScale = dish->GetProperties().scaleX;
      s.dishPlaced = static_cast<bool>(dish->GetParent());
    }
    if (frame == kInBubble) {
      paidText = *batter->GetPointsPanel()->GetText("_many");
      score = host->field->GetScore();
    }
    if (frame == kEnd && !queue.empty()) nextRival = queue.back().Get();
  };
  const std::vector<int> shots = {kReady,   kOnPlate,      kFlying,    kInBubble,
                                  kFalling, kRivalCooking, kRivalDish, kRivalServed};
  std::string script = "step 20\nframes " + std::to_string(kEnd) + "\n";
  script += pm::test::KitchenShots::ScriptLines(folder, shots);
  // The delivery button stands over the plate.
  script += pm::test::ClickAt(kServe, 430, 192);
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  // The batter: on the opening plate, in flight shrinking, paid in the bubble, then gone.
  const GF::TPoint<float> plate{KitchenPlaces::plateX, KitchenPlaces::plateY};
  EXPECT_TRUE(seen[kOnPlate].plateOpen);
  EXPECT_TRUE(seen[kOnPlate].dishPlaced);
  EXPECT_NEAR(seen[kOnPlate].dish.x, plate.x, 2.0f);
  EXPECT_TRUE(seen[kFlying].flying);
  EXPECT_FALSE(seen[kFlying].dishPlaced) << "it flies in screen coordinates";
  EXPECT_GT(seen[kFlying].dish.x, plate.x);
  EXPECT_LT(seen[kFlying].dishScale, 1.0f);
  EXPECT_GT(seen[kFlying].dishScale, 0.5f);
  EXPECT_FALSE(seen[kFlying].paid);
  EXPECT_TRUE(seen[kInBubble].paid);
  EXPECT_TRUE(seen[kInBubble].dishPlaced) << "in the bubble's recipe place";
  EXPECT_EQ(paidText.rfind(L"Points: ", 0), 0u);
  EXPECT_GT(score, 0.0f);
  EXPECT_TRUE(seen[kInBubble].queued);
  EXPECT_FALSE(seen[kFalling].queued);
  // The rival's order: an item 6 s after it came, then every 4 to 6 s; the mixer's step on
  // the work indicator; then served with its dish, paying nothing; the next rival's order
  // takes its place.
  ASSERT_TRUE(rival);
  ASSERT_GE(rivalSteps.size(), 3u);
  EXPECT_NEAR(rivalSteps[0] - kRival, 300, 1);
  for (std::size_t i = 1; i < rivalSteps.size(); ++i) {
    EXPECT_GE(rivalSteps[i] - rivalSteps[i - 1], 200);
    EXPECT_LT(rivalSteps[i] - rivalSteps[i - 1], 300 + 100);  // a step, or the mixer's 2 s
  }
  EXPECT_TRUE(seen[kRivalCooking].working);
  EXPECT_TRUE(seen[kRivalDish].flying);
  EXPECT_FALSE(seen[kRivalServed].paid);
  EXPECT_TRUE(rival->IsLeaving());
  EXPECT_NE(nextRival, nullptr);
  EXPECT_NE(nextRival, rival.Get()) << "the next rival's order";

  const pm::test::KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  EXPECT_GT(Differences(shot[kOnPlate], shot[kReady], Around(plate, 40)), 600)
      << "the cloche lifts off the dish";
  EXPECT_GT(Differences(shot[kFlying], shot[kReady], Around(seen[kFlying].dish, 20)), 300)
      << "the dish in flight";
  EXPECT_GT(Differences(shot[kInBubble], shot[kReady], Around(seen[kInBubble].dish, 20)), 300)
      << "the dish in the bubble";
  const GF::TPoint<float> slot{OrderSlotFirstX, OrderSlotFirstY};
  EXPECT_GT(Differences(shot[kFalling], shot[kReady], Around(slot, 50)), 5000)
      << "the bubble left its slot";
  EXPECT_GT(Differences(shot[kRivalCooking], shot[kFalling], Around(slot, 50)), 5000)
      << "the rival's bubble";
  EXPECT_GT(Differences(shot[kRivalDish], shot[kRivalCooking], Around(seen[kRivalDish].dish, 20)),
            300)
      << "the rival's dish flies in";
  batter.Reset();
  rival.Reset();
}

}  // namespace

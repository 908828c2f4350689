// The cook's tips on the whole program, end to end: the kitchen host (field, devices and the
// cook on stage1_1) with the balloon strategy installed, on the real engine headless in its
// deterministic mode, on the sample content. The replay fires the welcome tip (a lasting
// balloon), then the served tip (a balloon that plays once), which sends the welcome away
// and closes by itself; shots show each balloon over the cook and the kitchen without one at
// the end. PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/kitchen/CInGameHintStrategy.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CPers.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenHostScreen.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;

// The kitchen with the cook's balloon strategy installed.
class CTipsHostScreen : public pm::test::CKitchenHostScreen {
 protected:
  void OnKitchenReady() override {
    InGameTips.m_showing = false;
    InGameTips.SetStrategy(CInGameHintStrategy::Create(field, cook));
  }
  void OnKitchenClosing() override { InGameTips.SetStrategy(nullptr); }
};

// What the replay does, by frame of 20 ms (the screen shows for its first 15 frames).
constexpr int kBefore = 20;    // shot: no balloon yet
constexpr int kWelcome = 22;   // the welcome tip
constexpr int kWelcomed = 40;  // shot: the welcome balloon
constexpr int kServed = 45;    // the served tip
constexpr int kServing = 100;  // shot: the served balloon, the welcome gone
constexpr int kClosed = 480;   // shot: the served balloon has closed by itself (8 s)

// Pixels that differ between two shots in a rectangle.
using pm::test::Differences;

TEST(InGameTipsE2ETest, TheCooksBalloonsComeAndGoOverHer) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("tips");
  CTipsHostScreen* host = nullptr;
  std::map<int, std::string> tips;  // the tip current after each shot's frame
  GF::TRect<int> cookBounds;
  GF::TRect<int> welcomeBounds;
  std::vector<std::string> log;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<CTipsHostScreen>(manager);
  };
  run.before = [](int frame) {
    if (frame == kWelcome) InGameTips.m_triggerId = 10;
    if (frame == kServed) InGameTips.m_triggerId = 1;
    if (frame == kWelcome || frame == kServed) InGameTips.Trigger(true);
  };
  run.after = [&](int frame) {
    if (!host || !host->cook) return;
    if (frame == kWelcomed) {
      host->cook->GetAnimation()->GetBoundingRect(cookBounds);
      auto* strategy = static_cast<CInGameHintStrategy*>(InGameTips.GetStrategy());
      if (const auto balloon = strategy->GetLastingBalloon())
        balloon->GetBoundingRect(welcomeBounds);
    }
    tips[frame] = InGameTips.m_showing ? InGameTips.GetCurrentTip().Name : "";
  };
  std::string script = "step 20\nframes " + std::to_string(kClosed + 2) + "\n";
  script += pm::test::KitchenShots::ScriptLines(folder, {kBefore, kWelcomed, kServing, kClosed});
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  EXPECT_EQ(tips[kBefore], "");
  EXPECT_EQ(tips[kWelcomed], "tip_welcome");
  EXPECT_EQ(tips[kServing], "tip_serve");
  EXPECT_EQ(tips[kClosed], "") << "the served balloon reported its end";
  // The welcome balloon stands centred on the cook, 5 px above her.
  ASSERT_GT(welcomeBounds.right - welcomeBounds.left, 100);
  EXPECT_EQ(welcomeBounds.bottom, cookBounds.top - 5);
  EXPECT_NEAR(welcomeBounds.left + welcomeBounds.right, cookBounds.left + cookBounds.right, 2);

  const pm::test::KitchenShots shots(folder, {kBefore, kWelcomed, kServing, kClosed});
  ASSERT_TRUE(shots.IsLoaded());
  const int area =
      (welcomeBounds.right - welcomeBounds.left) * (welcomeBounds.bottom - welcomeBounds.top);
  EXPECT_GT(Differences(shots[kWelcomed], shots[kBefore], welcomeBounds), area / 3)
      << "the welcome balloon";
  EXPECT_GT(Differences(shots[kServing], shots[kWelcomed], welcomeBounds), area / 10)
      << "another text in its place";
  EXPECT_EQ(Differences(shots[kClosed], shots[kBefore], welcomeBounds), 0)
      << "no balloon at the end";
  // Nothing of the balloon below her top.
  const GF::TRect<int> below{welcomeBounds.left, cookBounds.top + 1, welcomeBounds.right,
                             cookBounds.top + 3};
  EXPECT_EQ(Differences(shots[kWelcomed], shots[kBefore], below), 0);
}

}  // namespace

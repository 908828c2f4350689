// A window tip end to end: the kitchen host with the order panel (stage1_1) opens as the
// game's level screen, with the in-game tips' strategy installed, on the real engine
// headless in its deterministic mode, on the sample content. Two customers come and the
// player picks the second; once the bubbles have slid into place with two orders waiting,
// the two-orders tip opens the hint window left of the order column, the cook waits; a
// click on the first order's bubble closes the window and selects that order. Shots show
// the kitchen before, the window open and the kitchen after it with the first order open.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "framework/engine/app/CGameManager.h"
#include "game/kitchen/CInGameHintStrategy.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/HintWindow.h"
#include "tests/game/kitchen/PanelHostScreen.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/ReplayShot.h"

namespace {

using GF::THolder;

// The panel host with the tips' strategy, as the kitchen field installs it.
class CTipsPanelHost : public pm::test::CPanelHostScreen {
 public:
  static CTipsPanelHost* last;

 protected:
  void OnKitchenReady() override {
    last = this;
    CPanelHostScreen::OnKitchenReady();
    InGameTips.m_showing = false;
    InGameTips.SetStrategy(CInGameHintStrategy::Create(field, cook));
  }
  void OnKitchenClosing() override {
    InGameTips.SetStrategy(nullptr);
    CPanelHostScreen::OnKitchenClosing();
  }
};
CTipsPanelHost* CTipsPanelHost::last = nullptr;

// What the replay does, by frame of 20 ms (the level screen shows for its first 15 frames).
constexpr int kArrive = 18;  // two customers come
constexpr int kPick = 20;    // the player picks the second
constexpr int kBefore = 40;  // shot: the bubbles sliding, no window yet
constexpr int kOpened = 70;  // shot: the window open
constexpr int kClick = 80;   // a click on the first order's bubble
constexpr int kAfter = 130;  // shot: the window gone, the first order open
constexpr int kEnd = 132;

struct Seen {
  std::string top;
  std::string tip;
  bool cookPaused = false;
  CZacaz* selected = nullptr;
};

class HintScreenE2ETest : public pm::test::GameScreenTest {};

TEST_F(HintScreenE2ETest, TheTwoOrdersTipClosesOnTheFirstBubbleAndSelectsIt) {
  testScreens = {{"GameScreen", [] { return THolder<GF::IScreen>(new CTipsPanelHost); }}};
  CTipsPanelHost::last = nullptr;
  const std::filesystem::path folder = ShotFolder("hint_window");
  THolder<CZacaz> first, second;
  std::map<int, Seen> seen;
  GF::TRect<float> target;
  std::string script = "frames " + std::to_string(kEnd) + "\n";
  for (int frame : {kBefore, kOpened, kAfter})
    script += pm::test::At(frame, "shot " + (folder / (std::to_string(frame) + ".png")).string());
  script += pm::test::ClickAt(kClick, 720, 70);  // the first slot of the order column
  Run("GameScreen", "main_menu.game_screen", script, [&](int frame) {
    CTipsPanelHost* host = CTipsPanelHost::last;
    if (!host || !host->field) return;
    if (frame == kArrive) {
      first = host->Arrive(0);
      second = host->Arrive(1);
    }
    if (frame == kPick) host->Panel().SelectOrder(second);
    Seen& s = seen[frame];
    const auto top = GF::HGENS::GetGameManager()->TopScreen();
    s.top = top ? top->GetName() : "";
    s.tip = InGameTips.m_showing ? InGameTips.GetCurrentTip().Name : "";
    s.cookPaused = host->cook->IsPaused();
    s.selected = host->Panel().GetSelectedOrder().Get();
    if (frame == kOpened) target = HintTargetRect;
  });
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  ASSERT_TRUE(first && second);
  EXPECT_EQ(seen[kBefore].top, "GameScreen");
  EXPECT_EQ(seen[kBefore].selected, second.Get());
  EXPECT_EQ(seen[kOpened].top, "HintScreen");
  EXPECT_EQ(seen[kOpened].tip, "tip_two_orders");
  EXPECT_TRUE(seen[kOpened].cookPaused);
  EXPECT_TRUE(target.left <= 720.0f && 720.0f <= target.right && target.top <= 70.0f &&
              70.0f <= target.bottom)
      << target.left << " " << target.top << " " << target.right << " " << target.bottom;
  EXPECT_EQ(seen[kAfter].top, "GameScreen");
  EXPECT_EQ(seen[kAfter].tip, "") << "the tip closed";
  EXPECT_FALSE(seen[kAfter].cookPaused);
  EXPECT_EQ(seen[kAfter].selected, first.Get());
  EXPECT_EQ(HintTargetClicked, 1);
  EXPECT_EQ(closed, Lines{"HintScreen:back"});
  first.Reset();
  second.Reset();

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const pm::test::Shot before(session.engine(), folder / (std::to_string(kBefore) + ".png"));
  const pm::test::Shot opened(session.engine(), folder / (std::to_string(kOpened) + ".png"));
  const pm::test::Shot after(session.engine(), folder / (std::to_string(kAfter) + ".png"));
  ASSERT_TRUE(before.IsLoaded() && opened.IsLoaded() && after.IsLoaded());
  // The window's note left of the order column, gone again afterwards.
  EXPECT_GT(opened.CountDifferences(before, 100, 210, 440, 350), 30000);
  EXPECT_LT(after.CountDifferences(before, 100, 210, 440, 350), 2000);
  // The first bubble opened: its recipe card hangs left of the column.
  EXPECT_GT(after.CountDifferences(opened, 560, 60, 660, 260), 3000);
}

}  // namespace

// The control's state machine on the real engine: the replay script moves the mouse and
// presses its buttons, and the control is updated once a frame as a screen would.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CBaseControl.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"

namespace {

using GF::THolder;
using GF::HGENS::CBaseControl;
using Lines = std::vector<std::string>;

class CBaseControlTest : public testing::Test {
 protected:
  void SetUp() override {
    control = GF::MakeHolder<CBaseControl>();
    control->SetRect(100, 100, 200, 150);
    control->resetEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnReset));
    control->overEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnOver));
    control->leaveEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnLeave));
    control->downEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnDown));
    control->upEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnUp));
    control->clickEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnClick));
    control->visibleChangedEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnVisible));
    control->enabledChangedEvent.Subscribe(GF::MakeDelegate(this, &CBaseControlTest::OnEnabled));
  }

  // Runs the script, updating the control once a frame after `before` ran; each frame's
  // line is "frame state events...".
  Lines Run(const std::string& script, std::function<void(int)> before = nullptr) {
    pm::test::ScriptedRun run;
    run.screens = false;
    run.init = [this](GF::HGENS::CGameManager&) {
      control->Reset(control, nullptr);
      Flush(0);
    };
    run.before = [&](int frame) {
      if (before) before(frame);
      control->UpdateIfVisible(20.0f);
      Flush(frame);
    };
    pm::test::RunScripted(script, run);
    return frames;
  }

  void Flush(int frame) {
    frames.push_back(std::to_string(frame) + " " + std::to_string(control->GetStateId()) + events);
    events.clear();
  }
  void Note(const std::string& what) { events += " " + what; }
  void OnReset(THolder<CBaseControl> c, THolder<GF::IScreen>) { Note(c ? "reset" : "reset?"); }
  void OnOver(THolder<CBaseControl>) { Note("over"); }
  void OnLeave(THolder<CBaseControl>) { Note("leave"); }
  void OnDown(THolder<CBaseControl>, const GF::TPoint<int>& p, int buttons) {
    Note("down@" + std::to_string(p.x) + "," + std::to_string(p.y) + "/" + std::to_string(buttons));
  }
  void OnUp(THolder<CBaseControl>, const GF::TPoint<int>&, int) { Note("up"); }
  void OnClick(THolder<CBaseControl>, const GF::TPoint<int>&, int) {
    Note("click");
    if (disableOnClick) control->SetEnabled(false);
  }
  void OnVisible(THolder<CBaseControl>) { Note("visible"); }
  void OnEnabled(THolder<CBaseControl>) { Note("enabled"); }

  THolder<CBaseControl> control;
  std::string events;
  Lines frames;
  bool disableOnClick = false;
};

TEST_F(CBaseControlTest, TheStateTableFromResetThroughClicksDisablingAndHiding) {
  const Lines seen =
      Run("frames 19\n"
          "@1 move 50 50\n"
          "@2 move 200 150\n"                 // the right and bottom edges are inside
          "@3 move 201 150\n"                 // one pixel beyond
          "@4 move 50 50\n@4 buttondown 1\n"  // pressed outside...
          "@5 move 150 120\n"                 // ...and moved in while held: no press
          "@6 buttonup 1\n"                   // released: nothing
          "@7 buttondown 1\n"                 // pressed inside
          "@9 buttonup 1\n"                   // released inside: a click
          "@10 buttondown 1\n"                // pressed again...
          "@11 move 300 300\n"                // ...left while held: no click
          "@12 move 150 120\n"                // back with the button still held: no press
          "@13 buttonup 1\n"
          "@14 buttondown 1\n@15 buttonup 1\n"  // disabled: nothing
          "@17 move 50 50\n",                   // invisible: the state waits
          [this](int frame) {
            if (frame == 14) control->SetEnabled(false);
            if (frame == 15) control->SetEnabled(false);  // the same value: nothing at all
            if (frame == 16) control->SetEnabled(true);
            if (frame == 17) control->SetVisible(false);
            if (frame == 19) control->SetVisible(true);
          });
  EXPECT_EQ(seen, (Lines{"0 1 leave reset",
                         "1 1",
                         "2 2 over",
                         "3 1 leave",
                         "4 1",
                         "5 2 over",
                         "6 2",
                         "7 3 down@150,120/1",
                         "8 3",
                         "9 2 up click over",
                         "10 3 down@150,120/1",
                         "11 1 leave",
                         "12 2 over",
                         "13 2",
                         "14 4 enabled",
                         "15 4",
                         "16 2 enabled over",  // enabled to init, which sees the cursor
                         "17 2 visible",
                         "18 2",
                         "19 1 visible leave"}));
}

TEST_F(CBaseControlTest, AClickWhoseHandlerDisablesTheControlLeavesItDisabled) {
  disableOnClick = true;
  const Lines seen = Run("frames 3\n@1 move 150 120\n@2 buttondown 1\n@3 buttonup 1\n");
  EXPECT_EQ(seen,
            (Lines{"0 1 leave reset", "1 2 over", "2 3 down@150,120/1", "3 4 up click enabled"}));
  EXPECT_FALSE(control->IsEnabled());
}

TEST_F(CBaseControlTest, WithoutAStateTheControlIgnoresUpdates) {
  const THolder<CBaseControl> bare = GF::MakeHolder<CBaseControl>();
  EXPECT_TRUE(bare->Update(20.0f));
  EXPECT_EQ(bare->GetStateId(), 0);
}

}  // namespace

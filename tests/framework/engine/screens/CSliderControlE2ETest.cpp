// The slider of the sample controls layout: its track runs from x 280 to 520 at y 210, and
// its step buttons stand at x 250 (down) and 550 (up). The range is [20, 120], so one unit
// is 2.4 pixels and the value v sits at x = 280 + 2.4 (v - 20).

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CSliderControl.h"
#include "tests/framework/engine/screens/ControlsFixture.h"

namespace {

using GF::THolder;
using GF::HGENS::CSliderControl;
using pm::test::Lines;

class CSliderControlTest : public testing::Test {
 protected:
  // Runs the script with the slider "volume" created with value 50 in [20, 120]; returns,
  // for each frame from 16 on in which something changed, "frame value x events".
  Lines Run(const std::string& script, int value = 50, int minimum = 20, int maximum = 120) {
    pm::test::ControlsRun run;
    run.build = [&](pm::test::CControlsScreen& screen) {
      slider = screen.CreateSlider("volume", value, minimum, maximum, true);
      slider->valueChangedEvent.Subscribe(GF::MakeDelegate(this, &CSliderControlTest::OnChanged));
    };
    run.after = [this](pm::test::CControlsScreen&, int frame) { Observe(frame); };
    pm::test::RunControls(script, run);
    slider.Reset();
    return lines;
  }

  void OnChanged(THolder<GF::HGENS::CBaseControl>) { ++m_events; }

  void Observe(int frame) {
    if (frame < 16) {
      m_events = 0;
      return;
    }
    const long x = std::lround(slider->GetCursorPosition().x);
    const std::string state = std::to_string(slider->GetValue()) + " " + std::to_string(x);
    if (state == m_state && m_events == 0) return;
    m_state = state;
    lines.push_back(std::to_string(frame) + " " + state + " " + std::to_string(m_events));
    m_events = 0;
  }

  THolder<CSliderControl> slider;
  Lines lines;

 private:
  std::string m_state;
  int m_events = 0;
};

TEST_F(CSliderControlTest, CreationSortsTheRangeAndClampsTheValue) {
  struct Case {
    int value, minimum, maximum;
    const char* expected;  // "minimum maximum value"
  };
  for (const Case& c : {Case{50, 100, 0, "0 100 50"}, Case{5, 5, 5, "5 6 5"},
                        Case{150, 0, 100, "0 100 100"}, Case{-3, 20, 120, "20 120 20"}}) {
    std::string made;
    pm::test::ControlsRun run;
    run.build = [&](pm::test::CControlsScreen& screen) {
      const auto s = screen.CreateSlider("volume", c.value, c.minimum, c.maximum, true);
      made = std::to_string(s->GetMinimum()) + " " + std::to_string(s->GetMaximum()) + " " +
             std::to_string(s->GetValue());
    };
    pm::test::RunControls("frames 1\n", run);
    EXPECT_EQ(made, c.expected) << c.value << " in " << c.minimum << ".." << c.maximum;
  }
}

TEST_F(CSliderControlTest, TrackClicksDragsAndStepButtonsMoveTheValue) {
  const Lines seen =
      Run("frames 60\n"
          // A click on the track at x 400: 20 + 120 / 2.4 = 70; the event fires twice.
          "@20 move 400 210\n@21 buttondown 1\n@22 buttonup 1\n"
          // A drag of the cursor past the end of the track stops at the maximum.
          "@25 buttondown 1\n@26 move 450 212\n@27 move 700 212\n@29 buttonup 1\n"
          // The down button: 120 - 10.
          "@32 move 250 210\n@33 buttondown 1\n@34 buttonup 1\n"
          // The up button: 110 + 10.
          "@38 move 550 210\n@39 buttondown 1\n@40 buttonup 1\n");
  EXPECT_EQ(seen, (Lines{"16 50 352 0",  // shown at 280 + 2.4 * 30
                         "21 70 400 2",
                         // pressed on the cursor: the drag starts without an event; while
                         // it lasts the event fires every frame, changed or not
                         "26 91 450 1", "27 120 520 1", "28 120 520 1",
                         // the step buttons, 10 each way
                         "34 110 496 1", "40 120 520 1"}));
}

TEST_F(CSliderControlTest, StepButtonsFollowTheEndsAndTheSlidersEnabling) {
  Lines states;  // "decrease increase" enabled flags
  pm::test::ControlsRun run;
  run.build = [this](pm::test::CControlsScreen& screen) {
    slider = screen.CreateSlider("volume", 20, 20, 120, true);
  };
  run.after = [&](pm::test::CControlsScreen&, int frame) {
    if (frame == 20) slider->SetValue(120, false);
    if (frame == 22) slider->SetEnabled(false);
    if (frame == 17 || frame == 21 || frame == 23) {
      states.push_back(std::to_string(slider->GetDecreaseButton()->IsEnabled()) + " " +
                       std::to_string(slider->GetIncreaseButton()->IsEnabled()));
    }
  };
  pm::test::RunControls("frames 24\n", run);
  slider.Reset();
  EXPECT_EQ(states, (Lines{"0 1", "1 0", "0 0"}));
}

TEST_F(CSliderControlTest, APartWithoutACursorKeepsItsValue) {
  // The list box's part has no "_cursor": clicks and steps of the owner change the value
  // only through SetValue, and nothing is measured or moved.
  int value = -1;
  pm::test::ControlsRun run;
  run.build = [this](pm::test::CControlsScreen& screen) {
    slider = screen.CreateSlider("players", 40, 0, 100, true);
  };
  run.after = [&](pm::test::CControlsScreen&, int frame) {
    if (frame == 30) slider->StepUp();
    value = slider->GetValue();
  };
  pm::test::RunControls("frames 32\n@20 move 300 300\n@21 buttondown 1\n@22 buttonup 1\n", run);
  slider.Reset();
  EXPECT_EQ(value, 50);
}

}  // namespace

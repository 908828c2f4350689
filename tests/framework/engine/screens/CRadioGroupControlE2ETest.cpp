// The radio group "level" of the sample controls layout: three check boxes of 24 x 24
// centred at (380, 400), (420, 400) and (460, 400).

#include <gtest/gtest.h>

#include <string>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CRadioGroupControl.h"
#include "tests/framework/engine/screens/ControlsFixture.h"

namespace {

using GF::THolder;
using GF::HGENS::CRadioGroupControl;
using pm::test::Lines;

class CRadioGroupControlTest : public testing::Test {
 public:
  void OnSelect(THolder<GF::HGENS::CBaseControl>) { m_events += " select"; }

  // "selected | checked flags | enabled flags | looks of the items", once a frame changes it.
  std::string State() const {
    std::string checked, enabled, looks;
    for (int i = 0; i < group->GetItemCount(); ++i) {
      const auto& item = group->GetItem(i);
      checked += item->IsChecked() ? "1" : "0";
      enabled += item->IsEnabled() ? "1" : "0";
      const auto animation = item->GetAnimation();
      // The sample's looks: checked ones start at 100, unchecked ones at 0.
      looks += animation->GetStartTime() == 100.0f ? "x" : "o";
    }
    return std::to_string(group->GetSelected()) + " | " + checked + " | " + enabled + " | " + looks;
  }

 protected:
  THolder<CRadioGroupControl> group;
  std::string m_events;
};

TEST_F(CRadioGroupControlTest, KeepsExactlyOneItemCheckedAndPassesItsFlagsDown) {
  Lines seen;
  std::string last;
  std::string rect;
  pm::test::ControlsRun run;
  run.build = [&](pm::test::CControlsScreen& screen) {
    group = screen.CreateRadioGroup("level", 0);
    group->selectionChangedEvent.Subscribe(
        GF::MakeDelegate(this, &CRadioGroupControlTest::OnSelect));
    m_events.clear();
  };
  run.after = [&](pm::test::CControlsScreen&, int frame) {
    if (frame == 20) {
      rect = std::to_string(group->GetLeft()) + " " + std::to_string(group->GetTop()) + " " +
             std::to_string(group->GetRight()) + " " + std::to_string(group->GetBottom());
    }
    if (frame == 30) group->Select(-1);
    if (frame == 31) group->Select(1);
    if (frame == 32) group->SetEnabled(false);
    if (frame == 33) group->SetEnabled(true);
    if (frame < 16) return;
    const std::string state = State();
    if (state != last || !m_events.empty())
      seen.push_back(std::to_string(frame) + " " + state + m_events);
    last = state;
    m_events.clear();
  };
  pm::test::RunControls(
      "frames 34\n"
      // The third item, then the third again.
      "@20 move 460 400\n@21 buttondown 1\n@22 buttonup 1\n"
      "@24 buttondown 1\n@25 buttonup 1\n",
      run);
  group.Reset();
  EXPECT_EQ(rect, "368 388 472 412");  // the items' union
  EXPECT_EQ(seen, (Lines{"16 0 | 100 | 111 | xoo", "22 2 | 001 | 111 | oox select",
                         // clicking the chosen item again keeps it chosen, silently
                         "30 -1 | 000 | 111 | ooo select", "31 1 | 010 | 111 | oxo select",
                         "32 1 | 010 | 000 | oxo", "33 1 | 010 | 111 | oxo"}));
}

}  // namespace

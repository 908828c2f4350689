// The list box of the sample controls layout: four rows 30 pixels high from y 260 (row
// middles 275, 305, 335, 365) between x 210 and 550, and its scroll slider at x 570 whose
// cursor runs from y 272 (value 0) to 368 (value 100).

#include <gtest/gtest.h>

#include <string>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CListBoxControl.h"
#include "tests/framework/engine/screens/ControlsFixture.h"

namespace {

using GF::THolder;
using GF::HGENS::CListBoxControl;
using pm::test::Lines;

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

class CListBoxControlTest : public testing::Test {
 protected:
  // Runs the script with the list box "players" holding `items` items "P1", "P2", ...;
  // `act` runs after each frame, and every change of the window or the selection is noted.
  Lines Run(const std::string& script, int items,
            std::function<void(CListBoxControl&, int frame)> act = nullptr) {
    pm::test::ControlsRun run;
    run.build = [&](pm::test::CControlsScreen& screen) {
      box = screen.CreateListBox("players", true);
      for (int i = 1; i <= items; ++i) box->AddItem(L"P" + std::to_wstring(i));
      box->selectionChangedEvent.Subscribe(GF::MakeDelegate(this, &CListBoxControlTest::OnSelect));
      box->scrollEvent.Subscribe(GF::MakeDelegate(this, &CListBoxControlTest::OnScroll));
    };
    run.after = [&](pm::test::CControlsScreen&, int frame) {
      if (act) act(*box, frame);
      Observe(frame);
    };
    pm::test::RunControls(script, run);
    box.Reset();
    return lines;
  }

  // "first selected | row texts | highlighted rows | slider shown value step"
  std::string State() const {
    std::string state =
        std::to_string(box->GetFirstRow()) + " " + std::to_string(box->GetSelected()) + " |";
    std::string highlighted;
    const auto layout = box->GetAnimation();
    for (int n = 1; n <= box->GetRowCount(); ++n) {
      const auto row = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>(
                           layout->FindDrawable("_text_" + std::to_string(n)))
                           ->GetSubstitutedAnimation(0);
      const std::wstring* text = row->GetText("_text");
      state += row->IsShown() && text ? " '" + Narrow(*text) + "'" : " -";
      const auto selected = row->GetAnimationData()->GetNamedPart("_selected");
      if (selected->GetX() == row->GetStartTime()) highlighted += std::to_string(n);
    }
    const auto& slider = box->GetSlider();
    return state + " | " + highlighted + " | " + (slider->IsVisible() ? "shown " : "hidden ") +
           std::to_string(slider->GetValue()) + " " + std::to_string(slider->GetStep());
  }

  void Observe(int frame) {
    if (frame < 16) return;
    const std::string state = State();
    if (state != m_state || !m_events.empty())
      lines.push_back(std::to_string(frame) + " " + state + m_events);
    m_state = state;
    m_events.clear();
  }

  void OnSelect(THolder<GF::HGENS::CBaseControl>) { m_events += " select"; }
  void OnScroll(THolder<GF::HGENS::CBaseControl>) { m_events += " scroll"; }

  THolder<CListBoxControl> box;
  Lines lines;

 private:
  std::string m_state;
  std::string m_events;
};

TEST_F(CListBoxControlTest, SelectPagesByWholeScreensAndClampsAtTheEnd) {
  const Lines seen = Run("frames 22\n", 10, [](CListBoxControl& box, int frame) {
    if (frame == 18) box.Select(6);
    if (frame == 20) box.Select(9);
    if (frame == 21) box.Select(12);  // out of range: nothing
  });
  EXPECT_EQ(seen,
            (Lines{"16 0 0 | ' 1. P1' ' 2. P2' ' 3. P3' ' 4. P4' | 1 | shown 0 16",
                   "18 4 6 | ' 5. P5' ' 6. P6' ' 7. P7' ' 8. P8' | 3 | shown 66 16 select",
                   "20 6 9 | ' 7. P7' ' 8. P8' ' 9. P9' '10. P10' | 4 | shown 100 16 select"}));
}

TEST_F(CListBoxControlTest, ClicksSelectRowsAndTheSliderScrollsTheWindow) {
  const Lines seen =
      Run("frames 40\n"
          // The second row.
          "@20 move 300 305\n@21 buttondown 1\n@22 buttonup 1\n"
          // Below the last item of a full window nothing happens: the fourth row is item 3.
          // The middle of the scroll track: value 50, first row 6 * 50 / 100 = 3.
          "@25 move 570 320\n@26 buttondown 1\n@27 buttonup 1\n"
          // The first row of the scrolled window is item 3.
          "@30 move 300 275\n@31 buttondown 1\n@32 buttonup 1\n",
          10);
  EXPECT_EQ(seen, (Lines{"16 0 0 | ' 1. P1' ' 2. P2' ' 3. P3' ' 4. P4' | 1 | shown 0 16",
                         "22 0 1 | ' 1. P1' ' 2. P2' ' 3. P3' ' 4. P4' | 2 | shown 0 16 select",
                         // the highlight leaves the window with its item
                         "26 3 1 | ' 4. P4' ' 5. P5' ' 6. P6' ' 7. P7' |  | shown 50 16 scroll",
                         "32 3 3 | ' 4. P4' ' 5. P5' ' 6. P6' ' 7. P7' | 1 | shown 50 16 select"}));
}

TEST_F(CListBoxControlTest, TheSliderShowsOnlyWhileItemsOverflowTheRows) {
  const Lines seen = Run("frames 22\n", 4, [](CListBoxControl& box, int frame) {
    if (frame == 18) box.AddItem(L"P5");
    if (frame == 20) box.Clear();
  });
  EXPECT_EQ(seen, (Lines{"16 0 0 | ' 1. P1' ' 2. P2' ' 3. P3' ' 4. P4' | 1 | hidden 0 100",
                         "18 0 0 | ' 1. P1' ' 2. P2' ' 3. P3' ' 4. P4' | 1 | shown 0 100",
                         "20 0 0 | - - - - | 1 | hidden 0 100"}));
}

TEST_F(CListBoxControlTest, AListWithoutRowsSelectsWithoutPaging) {
  // The slider's part has no "_text_" rows: no row height, no window to page.
  int selected = -1;
  int first = -1;
  pm::test::ControlsRun run;
  run.build = [this](pm::test::CControlsScreen& screen) {
    box = screen.CreateListBox("volume", false);
    for (const wchar_t* item : {L"a", L"b", L"c"}) box->AddItem(item);
  };
  run.after = [&](pm::test::CControlsScreen&, int frame) {
    if (frame == 25) box->Select(2);
    selected = box->GetSelected();
    first = box->GetFirstRow();
  };
  pm::test::RunControls("frames 26\n@20 move 400 210\n@21 buttondown 1\n@22 buttonup 1\n", run);
  EXPECT_EQ(box->GetRowCount(), 0);
  EXPECT_EQ(box->GetRowHeight(), 0);
  box.Reset();
  EXPECT_EQ(selected, 2);
  EXPECT_EQ(first, 0);
}

}  // namespace

// The button on the real program with the sample menu's plain buttons: its looks follow the
// state machine, it clicks only inside its "_button_rect" (352, 228)-(448, 252), half the
// size of its face (304, 216)-(496, 264), and it shows its caption from the text table.

#include <gtest/gtest.h>

#include "tests/framework/engine/screens/MenuFixture.h"

namespace {

using pm::test::Lines;

const std::vector<std::string> kLooks = {"_up", "_over", "_down", "_leave", "_disabled"};

class CButtonControlTest : public pm::test::MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    pm::test::CurrentMenuSetup().items = false;
  }
};

TEST_F(CButtonControlTest, LooksAndEventsFromInitThroughAClickDisablingAndEnabling) {
  const Lines seen =
      Run("frames 40\n"
          "@29 move 320 240\n"  // on the face, outside the click rectangle
          "@30 move 352 240\n"  // on the rectangle's left edge
          "@31 buttondown 1\n"
          "@32 buttonup 1\n"
          "@33 move 400 300\n"
          "@34 move 400 240\n"
          "@36 buttondown 1\n@37 buttonup 1\n",  // disabled: nothing
          [this](int frame) {
            if (frame == 1) Watch("play", kLooks);
            if (frame == 35) Watched().SetEnabled(false);
            if (frame == 38) Watched().SetEnabled(true);
          });
  EXPECT_EQ(
      seen,
      (Lines{"1 look _up",        "1 _show",        "1 hint ' '",    "27 _idle",      "30 over",
             "30 look _over",     "31 down",        "31 look _down", "32 up",         "32 click",
             "32 look _over",  // the over after a click is not announced again
             "33 leave",          "33 look _leave", "34 over",       "34 look _over", "35 disabled",
             "35 look _disabled", "38 enabled",     "38 over",       "38 look _over"}));
}

TEST_F(CButtonControlTest, CaptionsComeFromTheTextTableAlsoInALayoutHostingTheMenu) {
  for (const char* layout : {"main_menu.menu", "main_menu.framed_menu"}) {
    SCOPED_TRACE(layout);
    SetUp();
    pm::test::CurrentMenuSetup().layout = layout;
    std::wstring play;
    std::wstring quit;
    Run("frames 2\n", [&](int frame) {
      if (frame != 2) return;
      const auto text = [this](const char* name) {
        auto& button = dynamic_cast<GF::HGENS::CButtonControl&>(*menu->GetControl(name));
        return button.GetText() ? *button.GetText() : L"(none)";
      };
      play = text("play");
      quit = text("quit");
    });
    EXPECT_EQ(play, L"Play");
    EXPECT_EQ(quit, L"Quit");
  }
}

TEST_F(CButtonControlTest, AButtonWithoutItsPartStaysInert) {
  pm::test::CurrentMenuSetup().layout = "main_menu.layout";  // no "_item_play" there
  int left = -1;
  bool animated = true;
  Run("frames 30\n@28 move 0 0\n", [&](int frame) {
    if (frame != 29) return;
    auto& button = dynamic_cast<GF::HGENS::CButtonControl&>(*menu->GetControl("play"));
    animated = static_cast<bool>(button.GetAnimation());
    left = button.GetLeft();
    button.SetText(L"ignored");
    EXPECT_EQ(button.GetText(), nullptr);
  });
  EXPECT_FALSE(animated);
  EXPECT_EQ(left, 0);
}

}  // namespace

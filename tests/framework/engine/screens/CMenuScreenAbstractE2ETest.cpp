// The menu screen base on the real program with the sample menu: items leave with their
// commands, hints follow the cursor, and an item with a confirmation announces its command
// only when the answer is "yes". Buttons: "play" clicks inside (352, 228)-(448, 252),
// "quit" inside (352, 308)-(448, 332); the check box "sound" lies at (304, 376)-(496, 424).

#include <gtest/gtest.h>

#include "tests/framework/engine/screens/MenuFixture.h"

namespace {

using pm::test::Lines;

class CMenuScreenAbstractTest : public pm::test::MenuFixture {};

const char* const kClickPlay = "@30 move 400 240\n@31 buttondown 1\n@32 buttonup 1\n";

TEST_F(CMenuScreenAbstractTest, AClickedItemLeavesWithItsCommand) {
  struct Case {
    const char* what;
    const char* script;
    Lines tail;  // from the click on
  };
  const Case cases[] = {
      {"usual flags: announced at the click, hidden, finished with the command",
       kClickPlay,
       {"32 announce menu play", "33 _hide", "59 closed menu play"}},
      {"flags 0x02: finished in the next frame without hiding",
       "@30 move 400 320\n@31 buttondown 1\n@32 buttonup 1\n",
       {"32 announce menu quit", "33 closed menu quit"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    const Lines seen = Run(std::string("frames 80\n") + c.script);
    ASSERT_GE(seen.size(), c.tail.size());
    EXPECT_EQ(Lines(seen.end() - static_cast<long>(c.tail.size()), seen.end()), c.tail);
  }
}

TEST_F(CMenuScreenAbstractTest, HintsFollowTheCursorOverTheItems) {
  const Lines seen =
      Run("frames 40\n"
          "@29 move 400 240\n"    // over "play"
          "@31 move 400 280\n"    // between the items
          "@33 move 400 320\n"    // over "quit"
          "@35 move 400 400\n"    // over the check box, which is no item
          "@37 move 352 228\n");  // back on "play", at its corner
  EXPECT_EQ(seen,
            (Lines{"1 _show", "1 hint ' '", "27 _idle", "29 hint 'Start cooking'", "31 hint ' '",
                   "33 hint 'Leave the kitchen'", "35 hint ' '", "37 hint 'Start cooking'"}));
}

TEST_F(CMenuScreenAbstractTest, AnItemWithAConfirmationAnnouncesOnlyOnYes) {
  pm::test::CurrentMenuSetup().confirmPlay = true;
  const std::string script = std::string("frames 110\n") + kClickPlay;
  const Lines asked = {"1 _show", "1 hint ' '", "27 _idle", "30 hint 'Start cooking'",
                       "32 ask confirm_play in main_menu.confirm_screen over"};

  Lines yes = asked;
  yes.insert(yes.end(),
             {"40 announce confirm_screen yes", "40 closed confirm_screen yes", "40 _show",
              "66 _idle", "67 announce menu play", "67 _hide", "93 closed menu play"});
  EXPECT_EQ(Run(script + "@40 keydown 0x0D\n@41 keyup 0x0D\n"), yes);

  // "no" announces nothing: the menu shows again and stays.
  SetUp();
  pm::test::CurrentMenuSetup().confirmPlay = true;
  Lines no = asked;
  no.insert(no.end(), {"40 announce confirm_screen no", "40 closed confirm_screen no", "40 _show",
                       "66 _idle"});
  EXPECT_EQ(Run(script + "@40 keydown 0x20\n@41 keyup 0x20\n"), no);
}

}  // namespace

// The manual on the real program: which buttons each page leaves enabled, which page it
// shows, and "next" on the last page leaving with "exit".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/engine/screens/CBaseControl.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/menus/MenuScreensTest.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kButtons[] = {"prev", "next", "next_2", "skip"};
constexpr std::int32_t kExitHeard = 90;  // a float the test's rule sets on "exit"

class CHelpScreenTest : public pm::test::MenuScreensTest {
 protected:
  // Opens the manual on the page with that many pages; what it shows once idle.
  std::string Open(float page, int pageCount, Lines& disabled, const std::string& script) {
    onCreated = [page, pageCount](GF::IScreen&) {
      CurrentProfile().Floats[ProfileFloat::HelpState] = page;
      HelpPageCount = pageCount;
    };
    std::string shown;
    Run("HelpScreen", kHelpLayout, script, [&](int frame) {
      if (frame != 20) return;
      shown = NameOf(TopPart("_help_place"));
      for (const char* name : kButtons)
        if (!Top()->GetControl(name)->IsEnabled()) disabled.push_back(name);
    });
    return shown;
  }
};

TEST_F(CHelpScreenTest, EachPageDisablesTheButtonsThatLeadNowhere) {
  struct Case {
    float page;
    int pageCount;
    const char* shown;
    Lines disabled;
  };
  const Case cases[] = {
      {1.0f, 4, "help_1", {"prev", "next"}},
      {2.7f, 4, "help_2", {"next_2"}},
      {3.0f, 4, "help_3", {"next_2"}},
      {4.0f, 4, "help_4", {"next_2", "skip"}},
      // A one-page manual keeps a way out: the first page's buttons.
      {1.0f, 1, "help_1", {"prev", "next"}},
  };
  for (const Case& c : cases) {
    Lines disabled;
    EXPECT_EQ(Open(c.page, c.pageCount, disabled, "frames 22\n"), c.shown) << c.page;
    EXPECT_EQ(disabled, c.disabled) << c.page << " of " << c.pageCount;
  }
}

TEST_F(CHelpScreenTest, NextOnTheLastPageLeavesWithExit) {
  // The test's rule notes "exit" as announced (the sample's own rule answers it with "back").
  rules = {Rule("HelpScreen", "exit", "None", "", {FloatAssignment(kExitHeard, 1.0f)})};
  const std::string clickNext = "frames 45\n@20 move 630 472\n@22 buttondown 1\n@23 buttonup 1\n";
  for (float page : {3.0f, 4.0f}) {
    closed.clear();
    Lines disabled;
    Open(page, 4, disabled, clickNext);
    const bool last = page == 4.0f;
    EXPECT_EQ(CurrentProfile().Floats[kExitHeard], last ? 1.0f : 0.0f) << page;
    ASSERT_FALSE(closed.empty()) << page;
    EXPECT_EQ(closed.front(), last ? "HelpScreen:back" : "HelpScreen:next") << page;
  }
}

}  // namespace

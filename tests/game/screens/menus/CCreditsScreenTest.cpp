// The credits on the real program: every confirming key closes them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/screens/menus/MenuScreensTest.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

class CCreditsScreenTest : public pm::test::MenuScreensTest {};

TEST_F(CCreditsScreenTest, EnterAndEscapeBothCloseWithBack) {
  for (const char* key : {"0x0D", "0x1B"}) {
    closed.clear();
    Run("CreditsScreen", kCreditsLayout,
        std::string("frames 60\n@20 keydown ") + key + "\n@21 keyup " + key + "\n");
    EXPECT_EQ(closed, std::vector<std::string>{"CreditsScreen:back"}) << key;
  }
}

}  // namespace

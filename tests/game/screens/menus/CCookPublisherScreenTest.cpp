// The game's logo screen on the real program: its own class under "PublisherScreen".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/screens/menus/CCookPublisherScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

class CCookPublisherScreenTest : public pm::test::GameScreenTest {};

TEST_F(CCookPublisherScreenTest, TheGamesLogoScreenLeavesWithStarting) {
  bool ours = false;
  onCreated = [&ours](GF::IScreen& screen) {
    if (screen.GetName() == "PublisherScreen")
      ours = dynamic_cast<CCookPublisherScreen*>(&screen) != nullptr;
  };
  // Two sample images, each faded in, held and faded out over 4 s.
  Run("PublisherScreen", "", "frames 420\n");
  EXPECT_TRUE(ours);
  EXPECT_EQ(closed, std::vector<std::string>{"PublisherScreen:starting"});
}

}  // namespace

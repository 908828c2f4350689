// The extras menu's highlight on the real program: the mouse passes over the four buttons
// it follows, one frame apart, and the bar glides after it.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "tests/game/screens/menus/MenuScreensTest.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

class CMainMenuScreenTest : public pm::test::MenuScreensTest {};

TEST_F(CMainMenuScreenTest, EachHoverRestartsTheGlideFromWhereTheBarIs) {
  // The menu is shown from frame 16; the cursor crosses "settings" to "credits" from frame 20.
  std::string script = "frames 32\n";
  for (int row = 0; row < 4; ++row)
    script += "@" + std::to_string(20 + row) + " move " + std::to_string(kExtrasButtonX) + " " +
              std::to_string(kExtrasButtonY[row]) + "\n";
  std::map<int, GF::TPoint<float>> bar;
  Run("MainMenuScreen", kExtrasLayout, script, [&bar](int frame) {
    if (const auto select = TopPart("_select")) bar[frame] = select->GetPosition();
  });
  ASSERT_EQ(bar.size(), 32u);
  for (const auto& [frame, at] : bar) EXPECT_EQ(at.x, kExtrasButtonX) << frame;
  EXPECT_EQ(bar[20].y, kExtrasButtonY[0]);
  // Hovered in frames 21 to 23, each glide starts from where the last one had brought the bar:
  // a fifth of the way on (20 of 100 ms) by the next frame.
  for (int row = 1; row < 4; ++row) {
    const int hover = 20 + row;
    const float from = bar[hover].y;
    EXPECT_NEAR(bar[hover + 1].y, from + (kExtrasButtonY[row] - from) * 0.2f, 1.0f) << row;
  }
  // 100 ms after the last hover it stands on the row of "credits", and not before.
  EXPECT_LT(bar[27].y, kExtrasButtonY[3]);
  EXPECT_EQ(bar[28].y, kExtrasButtonY[3]);
  EXPECT_EQ(bar[31].y, kExtrasButtonY[3]);
}

}  // namespace

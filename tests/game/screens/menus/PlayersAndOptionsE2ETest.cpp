// The menus end to end on the game's program, headless, in frames of 20 ms, from an empty
// save folder, played as a new user would. The players: "new", "Abc" and Enter; "new",
// "Xyz" and "ok"; the list shows both; "Abc" is removed after a yes. The options: the music
// knob is dragged to the middle and Escape leaves. The settings file then holds Xyz without
// Abc and the music volume 50. Shots of the list, the question and the options, checked at
// a few pixels.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/app/ProgressSave.h"
#include "tests/game/app/SavedProgress.h"
#include "tests/game/screens/ShotReader.h"
#include "tests/game/screens/menus/MenuScreenTest.h"
#include "tests/support/ReplayShot.h"

namespace {

using namespace pm::test;
using Lines = std::vector<std::string>;

// A pale cream pixel: the list's pad or an unlit check box.
bool IsCream(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 230 && g > 220 && b > 190;
}

// The dark ink of the list's names, or the dark slate of the board.
bool IsDark(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r + g + b < 240;
}

// The orange knob of a slider.
bool IsKnob(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 200 && g > 120 && g < 200 && b < 90;
}

// How many pixels of the row (y) between x0 and x1 the test takes.
template <class Test>
int CountInRow(const Shot& shot, int y, int x0, int x1, Test test) {
  int count = 0;
  for (int x = x0; x < x1; ++x) count += test(shot.At(x, y));
  return count;
}

class PlayersAndOptionsE2ETest : public GameScreenTest {
 protected:
  void ExpectNoMissingContent() {
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  }
};

TEST_F(PlayersAndOptionsE2ETest, TwoPlayersAreMadeAndOneIsRemoved) {
  const std::filesystem::path folder = ShotFolder("menus_players");
  // The list's buttons stand at y = 430 ("new" 225, "ok" 400, "remove" 575), its first row
  // at y = 230; the name field's "ok" at (310, 370).
  const std::string script =
      "frames 330\n" + ClickAt(20, 225, 430) + At(60, "text Abc") + KeyAt(65, kVkEnter) +
      ClickAt(100, 225, 430) + At(140, "text Xyz") + ClickAt(145, 310, 370) +
      At(185, "shot " + (folder / "players.png").string()) + ClickAt(190, 300, 230) +
      ClickAt(200, 575, 430) + At(235, "shot " + (folder / "remove.png").string()) +
      KeyAt(240, kVkEnter) + At(280, "shot " + (folder / "removed.png").string()) +
      ClickAt(285, 400, 430);
  std::filesystem::path settings;
  std::vector<std::wstring> listed, afterRemoval;
  Run("ChangePlayerScreen", kPlayersLayout, script, [&](int frame) {
    if (frame == 1) settings = GF::HGENS::GetGameManager()->GetSavePath(L"Setting");
    if (frame == 185) listed = GetPlayerNames();
    if (frame == 280) afterRemoval = GetPlayerNames();
  });
  EXPECT_EQ(listed, (std::vector<std::wstring>{L"Abc", L"Xyz"}));
  EXPECT_EQ(afterRemoval, std::vector<std::wstring>{L"Xyz"});
  EXPECT_EQ(closed.back(), "ChangePlayerScreen:back");
  ExpectNoMissingContent();

  const ProgressBlock saved = ReadSavedBlock(settings);
  EXPECT_TRUE(saved.Players.contains(L"Xyz"));
  EXPECT_FALSE(saved.Players.contains(L"Abc"));
  EXPECT_EQ(saved.CurrentPlayer, L"Xyz");

  ShotReader shots(folder);
  ASSERT_TRUE(shots.CanRender());
  // Two rows written on the cream pad: ink in the first two rows, none in the last two.
  const auto players = shots.Load("players.png");
  EXPECT_TRUE(IsCream(players->At(530, 290)));
  for (int row : {230, 260}) EXPECT_GT(CountInRow(*players, row, 240, 320, IsDark), 5) << row;
  for (int row : {290, 320}) EXPECT_EQ(CountInRow(*players, row, 240, 320, IsDark), 0) << row;
  // The question is asked over the list.
  const auto remove = shots.Load("remove.png");
  EXPECT_GT(CountInRow(*remove, 300, 250, 550, IsDark), 100);
  // One row left.
  const auto removed = shots.Load("removed.png");
  EXPECT_GT(CountInRow(*removed, 230, 240, 320, IsDark), 5);
  EXPECT_EQ(CountInRow(*removed, 260, 240, 320, IsDark), 0);
}

TEST_F(PlayersAndOptionsE2ETest, TheMusicKnobIsDraggedToTheMiddle) {
  const std::filesystem::path folder = ShotFolder("menus_options");
  // The music slider's track runs from x = 390 (0) to 630 (100) at y = 200; the sample's
  // music volume is 60, so its knob starts at x = 534.
  std::string script = "frames 80\n" + At(20, "shot " + (folder / "options_before.png").string()) +
                       At(23, "move 534 200") + At(25, "buttondown 1");
  for (int step = 1; step <= 4; ++step)
    script += At(25 + step, "move " + std::to_string(534 - step * 6) + " 200");
  script += At(31, "buttonup 1") + At(40, "shot " + (folder / "options.png").string()) +
            KeyAt(45, kVkEscape);
  std::filesystem::path settings;
  Run("OptionsScreen", kOptionsLayout, script, [&](int frame) {
    if (frame == 1) settings = GF::HGENS::GetGameManager()->GetSavePath(L"Setting");
  });
  EXPECT_EQ(closed, Lines{"OptionsScreen:back"});
  ExpectNoMissingContent();
  const ProgressBlock saved = ReadSavedBlock(settings);
  const auto player = saved.Players.find(saved.CurrentPlayer);
  ASSERT_NE(player, saved.Players.end());
  EXPECT_NEAR(player->second.Floats.at(ProfileFloat::MusicVolume), 50.0f, 1.0f);

  ShotReader shots(folder);
  ASSERT_TRUE(shots.CanRender());
  // The knob has moved from x = 534 to the middle of its track, x = 510.
  const auto before = shots.Load("options_before.png");
  const auto after = shots.Load("options.png");
  EXPECT_TRUE(IsKnob(before->At(534, 200)));
  EXPECT_FALSE(IsKnob(before->At(510, 200)));
  EXPECT_TRUE(IsKnob(after->At(510, 200)));
  EXPECT_FALSE(IsKnob(after->At(534, 200)));
  // The kitchen cursor box is ticked (green), the full-screen box is not.
  EXPECT_FALSE(IsCream(after->At(400, 350)));
  EXPECT_TRUE(IsCream(after->At(394, 294)));
}

}  // namespace

// The place-in level in the program itself, started on it by its command line (the test
// level and the "test_starting" rule open the game screen on it), headless, in the
// deterministic mode at 50 ms a frame. After the hint box and the intro the places stand in
// the left picture and four items wait on the tray. The replay drags the cup to its spot in
// the right picture, drops the teapot on the cup's spot (it glides back), picks the spoon up
// with a click and drops it with the next on its spot, then drags the other four home: the
// level is won. Left alone, the clock runs out. PANMASTER_SHOTS keeps the shots.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ReplayScript.h"

namespace {

using pm::test::At;
using pm::test::ClickAt;
using pm::test::KitchenShots;
using pm::test::ProgramRun;

std::string Move(int frame, int x, int y) {
  return At(frame, "move " + std::to_string(x) + " " + std::to_string(y));
}

// Pressed on the tray's slot at `slotX` in `frame`, carried over three frames to (x, y), let
// go two frames later; then the mouse leaves the picture, so that the bonus cursor covers
// nothing the shots look at.
std::string Drag(int frame, int slotX, int x, int y) {
  return Move(frame - 2, slotX, 550) + At(frame, "buttondown 1") + Move(frame + 1, 400, 450) +
         Move(frame + 2, (400 + x) / 2, (450 + y) / 2) + Move(frame + 3, x, y) +
         At(frame + 5, "buttonup 1") + Move(frame + 7, 770, 470);
}

// Frames of 50 ms.
constexpr int kIntro = 60;           // shot: the hint box, the places still hidden
constexpr int kPlaying = 200;        // shot: the places on the left, four items on the tray
constexpr int kCup = 210;            // the cup dragged to its spot (500, 200)
constexpr int kCupPlaced = 225;      // shot
constexpr int kTeapot = 230;         // the teapot dropped on the cup's spot
constexpr int kTeapotRefused = 238;  // shot: it glides back
constexpr int kTeapotBack = 246;     // shot
constexpr int kSpoon = 250;          // a click on the spoon, then a click on its spot (580, 300)
constexpr int kSpoonCarried = 258;   // shot: the spoon on the mouse, the button up
constexpr int kBanner = 330;         // shot: all six placed, the first banner
constexpr int kEnd = 480;

TEST(PlaceInE2ETest, EveryItemDraggedHomeWinsTheLevel) {
  const std::filesystem::path folder = KitchenShots::Folder("place_in_won");
  std::string script = "step 50\nframes " + std::to_string(kEnd) + "\n" + ClickAt(80, 400, 332);
  script += Drag(kCup, 294, 500, 200);
  // The row is now spoon, teapot, apple, vase: the teapot waits in the second slot.
  script += Drag(kTeapot, 358, 500, 200);
  script += ClickAt(kSpoon, 294, 550) + Move(kSpoon + 3, 450, 400) + Move(kSpoon + 5, 580, 300) +
            ClickAt(kSpoon + 10, 580, 300) + Move(kSpoon + 13, 770, 470);
  // Then teapot, apple, vase and book, each first on the tray in turn.
  script += Drag(270, 294, 700, 220) + Drag(285, 294, 490, 380) + Drag(300, 294, 650, 400) +
            Drag(315, 294, 730, 320);
  const std::vector<int> frames = {kIntro,      kPlaying,      kCupPlaced, kTeapotRefused,
                                   kTeapotBack, kSpoonCarried, kBanner};
  script += KitchenShots::ScriptLines(folder, frames);
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_place_in_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("BONUS bonus_place_in_1 END result 101 count 6")) << folder;
  EXPECT_TRUE(run.HasLineWith("\"BonusStatisticsScreen\"")) << folder;
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));

  const KitchenShots shot(folder, frames);
  ASSERT_TRUE(shot.IsLoaded());
  // The places appear in the left picture; the right one stays empty.
  EXPECT_GT(shot[kPlaying].CountDifferences(shot[kIntro], 80, 180, 120, 220), 300) << "cup";
  EXPECT_GT(shot[kPlaying].CountDifferences(shot[kIntro], 230, 380, 270, 420), 300) << "vase";
  EXPECT_LT(shot[kPlaying].CountDifferences(shot[kIntro], 480, 180, 520, 220), 20);
  // Four items on the tray, their outlines dark on its cream inlay; the fifth waits hidden.
  for (int x : {294, 358, 422, 486})
    EXPECT_GT(shot[kPlaying].Count(x - 20, 535, x + 20, 565, 120, true), 40) << x;
  EXPECT_EQ(shot[kPlaying].Count(520, 535, 533, 565, 120, true), 0);
  // The cup stands on its shelf in the right picture and the vase came onto the tray.
  EXPECT_GT(shot[kCupPlaced].CountDifferences(shot[kPlaying], 480, 180, 520, 220), 300);
  EXPECT_GT(shot[kCupPlaced].CountDifferences(shot[kPlaying], 466, 530, 506, 570), 300);
  // The teapot leaves the cup's spot and is back in its slot; the cup stayed.
  EXPECT_GT(shot[kTeapotRefused].CountDifferences(shot[kTeapotBack], 340, 260, 520, 560), 300);
  EXPECT_LT(shot[kTeapotBack].CountDifferences(shot[kCupPlaced], 338, 530, 378, 570), 20);
  EXPECT_LT(shot[kTeapotBack].CountDifferences(shot[kSpoonCarried], 480, 180, 520, 220), 20);
  // The spoon rides on the mouse with the button up.
  EXPECT_GT(shot[kSpoonCarried].CountDifferences(shot[kTeapotBack], 560, 280, 600, 320), 200);
  EXPECT_GT(shot[kSpoonCarried].CountDifferences(shot[kTeapotBack], 274, 530, 314, 570), 300);
}

TEST(PlaceInE2ETest, LeftAloneTheClockRunsOut) {
  const std::filesystem::path folder = KitchenShots::Folder("place_in_timed_out");
  // The 90 s of the level end near frame 1970; then the clock closes and the 3 s wait.
  const std::string script = "step 50\nframes 2150\n" + ClickAt(80, 400, 332);
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_place_in_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("BONUS bonus_place_in_1 END result 102 count 0")) << folder;
  EXPECT_TRUE(run.HasLineWith("\"BonusStatisticsScreen\"")) << folder;
}

}  // namespace

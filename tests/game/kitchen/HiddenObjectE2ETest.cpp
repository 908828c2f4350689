// The hidden-object levels in the program itself, each started by its command line (the
// test level and the "test_starting" rule open the game screen on it), headless, in the
// deterministic mode at 50 ms a frame. After the hint box's OK and the count-down:
// - "bonus_ispy_1", the list search: the panel along the top shows the wrapped hint; a
//   click on the teapot, not sought, changes nothing; the two cups, the spoon and the apple
//   pulse and fade when found, and the fourth wins;
// - "bonus_ispy_dark_1": the room is black but for a disc round the mouse, the panel shows
//   the one key sought, and the three keys win;
// - "bonus_ispy_2", the order search: three clicks send the cook for the tea set's things,
//   which fly into the order, and a click on the plate serves it; left alone, the clock runs
//   out (the hint window that comes after 20 s is closed on the way).
// PANMASTER_SHOTS keeps the shots.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/TPoint.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ReplayScript.h"

namespace {

using pm::test::Around;
using pm::test::At;
using pm::test::ClickAt;
using pm::test::Differences;
using pm::test::KitchenShots;
using pm::test::ProgramRun;
using Point = GF::TPoint<float>;

constexpr int kOk = 80;                        // the hint box's OK at (380, 382)
constexpr int kIntro = 60;                     // shot: the hint box, the panel still hidden
constexpr int kPlaying = 215;                  // shot: the count-down is over
constexpr const char* kAway = "move 770 470";  // the cursor over the doorway, away from all

// A click on the point in `frame`, then the cursor goes away.
std::string ClickAway(int frame, const Point& at) {
  return ClickAt(frame, static_cast<int>(at.x), static_cast<int>(at.y)) + At(frame + 2, kAway);
}

std::string Opening(int frames) {
  return "step 50\nframes " + std::to_string(frames) + "\n" + ClickAt(kOk, 380, 382) +
         At(kPlaying - 10, kAway);
}

void ExpectEnd(const ProgramRun& run, const std::string& line,
               const std::filesystem::path& folder) {
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has(line)) << folder;
  EXPECT_TRUE(run.HasLineWith("\"BonusStatisticsScreen\"")) << folder;
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));
}

TEST(HiddenObjectE2ETest, TheListSearchFindsEveryCupSpoonAndApple) {
  const std::filesystem::path folder = KitchenShots::Folder("hidden_objects_list");
  constexpr int kDecoy = 220, kDecoyShot = 226, kFirst = 230, kFirstShot = 234, kLastShot = 264,
                kEnd = 300;
  const Point teapot{384, 374};
  const std::vector<Point> found = {{86, 134}, {232, 456}, {232, 194}, {606, 168}};
  std::string script = Opening(420) + ClickAway(kDecoy, teapot);
  for (std::size_t i = 0; i < found.size(); ++i)
    script += ClickAway(kFirst + 10 * static_cast<int>(i), found[i]);
  const std::vector<int> frames = {kIntro, kPlaying, kDecoyShot, kFirstShot, kLastShot, kEnd};
  script += KitchenShots::ScriptLines(folder, frames);
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_ispy_1");
  ExpectEnd(run, "BONUS bonus_ispy_1 END result 101 count 4", folder);

  const KitchenShots shot(folder, frames);
  ASSERT_TRUE(shot.IsLoaded());
  // The panel came along the top with the hint on two lines of its card.
  EXPECT_GT(shot[kPlaying].CountDifferences(shot[kIntro], 140, 14, 500, 82), 3000);
  EXPECT_GT(shot[kPlaying].Count(150, 26, 490, 50, 100, true), 100) << "first line";
  EXPECT_GT(shot[kPlaying].Count(150, 54, 490, 78, 100, true), 100) << "second line";
  // The teapot is not sought: it stays as it was.
  EXPECT_LT(Differences(shot[kDecoyShot], shot[kPlaying], Around(teapot, 24)), 20);
  // Each one found pulses, then fades away; the badge counts them.
  EXPECT_GT(Differences(shot[kFirstShot], shot[kPlaying], Around(found[0], 20)), 50);
  EXPECT_GT(Differences(shot[kLastShot], shot[kPlaying], Around(found[3], 20)), 50);
  for (const Point& at : found)
    EXPECT_GT(Differences(shot[kEnd], shot[kPlaying], Around(at, 8)), 30);
  EXPECT_GT(Differences(shot[kEnd], shot[kPlaying], Around({642, 28}, 10)), 20);
}

TEST(HiddenObjectE2ETest, TheDarkRoomShowsOnlyWhatTheMouseLights) {
  const std::filesystem::path folder = KitchenShots::Folder("hidden_objects_dark");
  constexpr int kDark = 215;
  std::string script = Opening(400) + At(kDark - 4, "move 500 400");
  int frame = 230;
  for (const Point& key : {Point{88, 190}, Point{500, 470}, Point{596, 208}}) {
    script += ClickAt(frame, static_cast<int>(key.x), static_cast<int>(key.y));
    frame += 10;
  }
  const std::vector<int> frames = {kDark};
  script += KitchenShots::ScriptLines(folder, frames);
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_ispy_dark_1");
  ExpectEnd(run, "BONUS bonus_ispy_dark_1 END result 101 count 3", folder);

  const KitchenShots shot(folder, frames);
  ASSERT_TRUE(shot.IsLoaded());
  EXPECT_EQ(shot[kDark].Count(90, 90, 110, 110, 30, true), 400) << "near black";
  EXPECT_GT(shot[kDark].Count(480, 380, 520, 420, 100, false), 1200) << "lit at the mouse";
  // The key sought stands in the panel's window, its outline dark on the cream.
  EXPECT_GT(shot[kDark].Count(460, 38, 500, 58, 100, true), 30);
}

TEST(HiddenObjectE2ETest, TheCookGathersTheTeaSetAndThePlateServesIt) {
  const std::filesystem::path folder = KitchenShots::Folder("hidden_objects_order");
  constexpr int kCup = 230, kCupShot = 245, kGathered = 330, kPlate = 340;
  const Point cup{180, 330}, cook{350, 390}, order{720, 60};
  std::string script = Opening(460) + ClickAway(kCup, cup) + ClickAway(260, {540, 360}) +
                       ClickAway(290, {260, 500}) + ClickAway(kPlate, {430, 228});
  const std::vector<int> frames = {kPlaying, kCupShot, kGathered};
  script += KitchenShots::ScriptLines(folder, frames);
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_ispy_2");
  ExpectEnd(run, "BONUS bonus_ispy_2 END result 101 count 3", folder);

  const KitchenShots shot(folder, frames);
  ASSERT_TRUE(shot.IsLoaded());
  // The cook left her place for the cup, which went into the order.
  EXPECT_GT(Differences(shot[kCupShot], shot[kPlaying], Around(cook, 30)), 300);
  EXPECT_GT(Differences(shot[kCupShot], shot[kPlaying], Around(cup, 14)), 100);
  EXPECT_GT(Differences(shot[kGathered], shot[kPlaying], Around(order, 50)), 200);
}

TEST(HiddenObjectE2ETest, LeftAloneTheOrderSearchRunsOutOfTime) {
  const std::filesystem::path folder = KitchenShots::Folder("hidden_objects_timed_out");
  // The hint window after 20 s of play; the 60 s end near frame 1420, then the 2 s wait.
  const std::string script = Opening(1560) + ClickAt(640, 270, 340);
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_ispy_2");
  ExpectEnd(run, "BONUS bonus_ispy_2 END result 102 count 0", folder);
}

}  // namespace

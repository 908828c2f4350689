// A kitchen level in the program itself, started on "stage1_1" by its command line (the test
// level and the "test_starting" rule open the game screen on it), headless, in the
// deterministic mode at 50 ms a frame, from the count-down to the end banner and the result
// screen after "exit". Won: three batters made by clicks on the eggs, the flour, the mixer
// and the plate. Lost: no click at all. PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/app/ProfileFloat.h"
#include "tests/game/app/SavedProgress.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ReplayScript.h"

namespace {

using pm::test::At;
using pm::test::ClickAt;
using pm::test::KitchenShots;
using pm::test::ProgramRun;

// Frames of 50 ms. The intro runs to about frame 115. The tips' windows hold the level while
// they are open; the clock closes and the banner shows at the frames each run gives.
constexpr int kCountDown = 100;  // shot: "Go!" over the floor; the clock at work, no customer
constexpr int kFlying = 160;     // shot: the flour flies to the mixer
constexpr int kWorking = 250;    // shot: the cook at the mixer, which works
constexpr int kPaid = 310;       // shot: the first order paid
constexpr int kDay =
    1000;  // shot: the kitchen by day, later in the level
           // The clock closed, the night layout; the end banner; the result screen has come.
struct Ending {
  int night, banner, frames;
};
constexpr int kWindowOkX = 270, kWindowOkY = 340;
// The sample kitchen's counter: the eggs, the flour, the mixer and the plate.
constexpr int kEggsX = 292, kFlourX = 344, kStandY = 205;
constexpr int kMixerX = 222, kMixerY = 200;
constexpr int kPlateX = 430, kPlateY = 228;

// The tips' windows wait for their OK: `windows` are the frames of those clicks.
std::string Script(const std::vector<int>& orders, const std::vector<int>& windows, int frames,
                   const std::filesystem::path& folder, const std::vector<int>& shots) {
  std::string script = "step 50\nframes " + std::to_string(frames) + "\n";
  for (int ok : windows) script += ClickAt(ok, kWindowOkX, kWindowOkY);
  // One batter each: eggs and flour at once, the mixer once both are in, then the plate.
  for (int start : orders)
    script += ClickAt(start, kEggsX, kStandY) + ClickAt(start + 6, kFlourX, kStandY) +
              ClickAt(start + 70, kMixerX, kMixerY) + ClickAt(start + 170, kPlateX, kPlateY);
  return script + KitchenShots::ScriptLines(folder, shots);
}

PlayerProfile SavedPlayer(const std::filesystem::path& folder) {
  const ProgressBlock saved =
      pm::test::ReadSavedBlock(pm::test::ProgramDataFolder(folder) / "Setting");
  const auto player = saved.Players.find(saved.CurrentPlayer);
  return player == saved.Players.end() ? PlayerProfile{} : player->second;
}

bool IsBannerYellow(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 220 && g > 170 && b < 140;
}

TEST(KitchenE2ETest, ThreeBattersMadeByClicksWinTheFirstPlace) {
  const std::filesystem::path folder = KitchenShots::Folder("kitchen_win");
  constexpr Ending kEnd{1460, 1580, 1650};
  const int kNight = kEnd.night, kBanner = kEnd.banner;
  const std::vector<int> shots = {kCountDown, kFlying, kWorking, kPaid, kDay, kNight, kBanner};
  // The two-orders window opens at about frame 265, the hint's at about 590.
  const ProgramRun run = pm::test::RunProgram(
      folder, Script({130, 400, 710}, {275, 605}, kEnd.frames, folder, shots), "stage1_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("LEVEL stage1_1 END place 1 points 52 served 3")) << folder;
  EXPECT_TRUE(run.Has("Create screen \"StatisticsScreen\""));
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));
  const PlayerProfile player = SavedPlayer(folder);
  ASSERT_TRUE(player.LevelRecords.contains("stage1_1"));
  EXPECT_EQ(player.LevelRecords.at("stage1_1").BestPlace, 1);
  EXPECT_GE(player.Floats.at(ProfileFloat::OrdersServed), 2.0f);

  const KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  // The count-down's "Go!" over the floor in front of the cook.
  EXPECT_GT(shot[kCountDown].CountDifferences(shot[kWorking], 280, 290, 420, 330), 1000);
  // The flour in the air between its stand and the mixer.
  EXPECT_GT(shot[kFlying].CountDifferences(shot[kWorking], 240, 150, 340, 200), 100);
  // The cook stands at the mixer, not where the count-down saw her.
  EXPECT_GT(shot[kWorking].CountDifferences(shot[kCountDown], 120, 190, 240, 290), 1000);
  // The paid order: the first bubble changes as the customer pays.
  EXPECT_GT(shot[kPaid].CountDifferences(shot[kWorking], 640, 0, 800, 120), 1000);
  // The dusk falls over the floor.
  EXPECT_GT(shot[kNight].CountDifferences(shot[kDay], 100, 420, 300, 520), 5000);
  // "First place!" on its yellow banner at the screen's middle, above the dusk.
  int yellow = 0;
  for (int x = 380; x < 420; ++x) yellow += IsBannerYellow(shot[kBanner].At(x, 275)) ? 1 : 0;
  EXPECT_GT(yellow, 30);
}

TEST(KitchenE2ETest, LeftAloneTheKitchenClosesAndTheLevelIsLost) {
  const std::filesystem::path folder = KitchenShots::Folder("kitchen_loss");
  constexpr Ending kEnd{1380, 1530, 1600};
  const int kNight = kEnd.night, kBanner = kEnd.banner;
  const std::vector<int> shots = {kCountDown, kDay, kNight, kBanner};
  // The hint's window opens at about frame 535.
  const ProgramRun run =
      pm::test::RunProgram(folder, Script({}, {560}, kEnd.frames, folder, shots), "stage1_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("LEVEL stage1_1 END place 4 points 0 served 0")) << folder;
  EXPECT_TRUE(run.Has("Create screen \"LoseScreen\""));
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));
  EXPECT_EQ(SavedPlayer(folder).Floats[ProfileFloat::LastLevelOutcome], -1.0f);

  const KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  EXPECT_GT(shot[kNight].CountDifferences(shot[kDay], 100, 420, 300, 520), 5000) << "the dusk";
  // The level clock's panel turned to its closed side (the customer's bubble gone).
  EXPECT_GT(shot[kBanner].CountDifferences(shot[kCountDown], 660, 10, 780, 60), 500);
  // "Oops! Try again" over the middle.
  EXPECT_GT(shot[kBanner].CountDifferences(shot[kNight], 220, 260, 580, 340), 10000);
}

}  // namespace

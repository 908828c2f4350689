// The last stage's first level in the program itself, started on "stage7_1" by its command
// line: its window opens over the kitchen before the count-down and turns a page on OK.
// PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ReplayScript.h"

namespace {

using pm::test::ClickAt;
using pm::test::KitchenShots;

// Frames of 50 ms: the window's first page has come by kFirstPage; OK turns it at kOk.
constexpr int kFirstPage = 150, kOk = 160, kSecondPage = 175, kFrames = 200;
constexpr int kOkX = 490, kOkY = 364;

TEST(LastStageE2ETest, TheLastStagesWindowOpensOverTheKitchenAndTurnsAPageOnOk) {
  const std::filesystem::path folder = KitchenShots::Folder("last_stage");
  const std::vector<int> shots = {kFirstPage, kSecondPage};
  const std::string script = "step 50\nframes " + std::to_string(kFrames) + "\n" +
                             ClickAt(kOk, kOkX, kOkY) + KitchenShots::ScriptLines(folder, shots);
  const pm::test::ProgramRun run = pm::test::RunProgram(folder, script, "stage7_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("Create screen \"GameScreen\""));
  EXPECT_FALSE(run.HasLineWith("NOT FOUND")) << folder;

  const KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  // The next page's words take the place of the first's.
  EXPECT_GT(shot[kFirstPage].CountDifferences(shot[kSecondPage], 230, 250, 570, 320), 500);
  // The kitchen round the window waits: the right shelf and the floor.
  EXPECT_EQ(shot[kFirstPage].CountDifferences(shot[kSecondPage], 540, 0, 800, 200), 0);
  EXPECT_EQ(shot[kFirstPage].CountDifferences(shot[kSecondPage], 40, 440, 650, 560), 0);
  // The window's board, not the floor, at its middle.
  EXPECT_NE(shot[kFirstPage].At(400, 240), shot[kFirstPage].At(400, 480));
}

}  // namespace

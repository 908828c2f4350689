// The spot-the-difference level in the program itself, started on it by its command line
// (the test level and the "test_starting" rule open the game screen on it), headless, in
// the deterministic mode at 50 ms a frame. The game screen hosts the field: the count-down,
// the mirror cursor across the mouse, the clock running out in its last quarter, the night,
// the log's result and the bonus result screen after "exit".
//
// The winning clicks need the objects shown, which is the devices' sweep action, still to
// come; DifferenceFieldE2ETest plays them on a host screen that shows the objects itself.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Engine.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using pm::test::At;
using pm::test::ClickAt;
using pm::test::ProgramRun;
using pm::test::Shot;

TEST(DifferenceE2ETest, LeftAloneTheClockRunsOutAndTheBonusResultFollows) {
  const std::filesystem::path folder = pm::test::MakeTempDir("difference_program");
  // Frames of 50 ms: the hint box's OK, the mouse on the left picture and elsewhere, the
  // clock blinking in its last quarter, the night after the 60 s that follow the objects' sweep.
  constexpr int kOk = 80, kAside = 170, kMouse = 180, kBlinking = 1192, kNight = 1402;
  std::string script = "step 50\nframes " + std::to_string(kNight + 60) + "\n";
  script += ClickAt(kOk, 400, 332);
  script += At(kAside - 2, "move 100 520") + At(kMouse - 2, "move 200 300");
  for (int frame : {kAside, kMouse, kBlinking, kNight})
    script += At(frame, "shot " + std::to_string(frame) + ".png");
  const ProgramRun run = pm::test::RunProgram(folder, script, "bonus_diference_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("BONUS bonus_diference_1 END result 102 count 0")) << folder;
  EXPECT_TRUE(run.HasLineWith("\"BonusStatisticsScreen\"")) << folder;
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    const Shot aside(*engine, folder / (std::to_string(kAside) + ".png"));
    const Shot mouse(*engine, folder / (std::to_string(kMouse) + ".png"));
    const Shot blinking(*engine, folder / (std::to_string(kBlinking) + ".png"));
    const Shot night(*engine, folder / (std::to_string(kNight) + ".png"));
    ASSERT_TRUE(aside.IsLoaded() && mouse.IsLoaded() && blinking.IsLoaded() && night.IsLoaded());
    // The mirror cursor stands across the mouse, in the right picture.
    EXPECT_GT(mouse.CountDifferences(aside, 580, 280, 620, 320), 100);
    EXPECT_GT(aside.CountDifferences(mouse, 480, 500, 520, 540), 100);
    // The night falls over the room.
    EXPECT_GT(night.CountDifferences(blinking, 20, 420, 120, 520), 5000);
  }
  engine->Shutdown();
  engine->Release();
}

}  // namespace

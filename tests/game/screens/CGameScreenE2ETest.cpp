// The in-level game screen in the program itself, started on "stage1_1" by its command line
// (the test level and the "test_starting" rule), headless, in the deterministic mode: the
// kitchen opens with its HUD buttons and the curtain's halves put away; Escape opens the
// pause menu over the level and Escape there brings the level back.

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
using pm::test::KeyAt;
using pm::test::Shot;

// The curtain's red cloth.
bool IsCloth(std::uint32_t rgb) {
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 100 && r > 2 * g && r > 2 * b;
}

TEST(CGameScreenE2ETest, TheKitchenOpensAndThePauseMenuComesAndGoes) {
  const std::filesystem::path folder = pm::test::MakeTempDir("game_screen");
  // Frames of 20 ms: the level shown, Escape, the pause menu, Escape, the level again.
  constexpr int kOpen = 60, kMenuKey = 80, kMenu = 120, kBackKey = 130, kBack = 170;
  std::string script = "step 20\nframes " + std::to_string(kBack + 2) + "\n";
  script += KeyAt(kMenuKey, 0x1B) + KeyAt(kBackKey, 0x1B);
  for (int frame : {kOpen, kMenu, kBack})
    script += At(frame, "shot " + std::to_string(frame) + ".png");
  const pm::test::ProgramRun run = pm::test::RunProgram(folder, script, "stage1_1");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("Create screen \"GameScreen\"")) << folder;
  EXPECT_TRUE(run.Has("Create screen \"InGameMenuScreen\""));
  EXPECT_TRUE(run.Has("Destroy screen \"InGameMenuScreen\""));
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    const Shot open(*engine, folder / (std::to_string(kOpen) + ".png"));
    const Shot menu(*engine, folder / (std::to_string(kMenu) + ".png"));
    const Shot back(*engine, folder / (std::to_string(kBack) + ".png"));
    ASSERT_TRUE(open.IsLoaded() && menu.IsLoaded() && back.IsLoaded());
    // The kitchen's floor, not the curtain, and the orange menu and help buttons.
    EXPECT_FALSE(IsCloth(open.At(200, 300)));
    EXPECT_FALSE(IsCloth(open.At(600, 300)));
    for (int x : {680, 742}) EXPECT_TRUE(pm::test::Near(open.At(x, 566), 0xFAB74A, 40)) << x;
    // The pause menu's board over the level, gone again after Escape.
    EXPECT_GT(menu.CountDifferences(open, 300, 200, 500, 400), 20000);
    // (Beside the intro's count-down and the cook, which go on meanwhile.)
    EXPECT_LT(back.CountDifferences(open, 400, 380, 500, 500), 1000);
  }
  engine->Shutdown();
  engine->Release();
}

}  // namespace

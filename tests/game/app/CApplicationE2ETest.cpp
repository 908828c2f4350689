// The program itself, "panmaster" beside this test, on the sample content: headless, in the
// deterministic mode, with the user's folders of its own. Its engine log and a screenshot
// show what the start-up rules made of it.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Engine.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using pm::test::ProgramRun;
using pm::test::RunProgram;

constexpr std::uint32_t FirstSplash = 0xE08020;  // the sample logo screen's first image

TEST(CApplicationE2ETest, TheGameOpensOnTheLogoScreenThroughTheSampleStartRules) {
  const std::filesystem::path folder = pm::test::MakeTempDir("game");
  const ProgramRun run = RunProgram(folder, "step 20\nframes 150\n@75 shot logo.png\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("Create screen \"PublisherScreen\"")) << folder;
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));
  EXPECT_FALSE(run.HasLineWith("Icon \"icon.png\""));  // found and taken

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    const pm::test::Shot logo(*engine, folder / "logo.png");
    ASSERT_TRUE(logo.IsLoaded());
    EXPECT_EQ(logo.At(400, 300), FirstSplash);
  }
  engine->Shutdown();
  engine->Release();
}

TEST(CApplicationE2ETest, ALevelOnTheCommandLineStartsTheGameScreen) {
  const std::filesystem::path folder = pm::test::MakeTempDir("level");
  const ProgramRun run = RunProgram(folder, "step 20\nframes 30\n", "stage1_1");
  EXPECT_EQ(run.status, 0);
  // Made, or logged as missing while the program has no game screen.
  EXPECT_TRUE(run.HasLineWith("screen \"GameScreen\""));
  EXPECT_FALSE(run.HasLineWith("PublisherScreen"));
}

}  // namespace

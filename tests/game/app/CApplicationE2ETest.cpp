// The program itself, "panmaster" beside this test, on the sample content: headless, in the
// deterministic mode, with the user's folders of its own. Its engine log and a screenshot
// show what the start-up rules made of it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Engine.h"
#include "platform/OsServices.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t FirstSplash = 0xE08020;  // the sample logo screen's first image

struct ProgramRun {
  int status = -1;  // the exit status, -1 when it did not exit normally
  Lines log;        // engine.log
};

// Runs the program with the replay script and the arguments after the program's path.
ProgramRun RunProgram(const std::filesystem::path& folder, const std::string& script,
                      const std::string& arguments = "") {
  std::ofstream(folder / "run.txt") << script;
  const std::filesystem::path data = folder / "data";
  pm::test::ScopedEnv dataHome("XDG_DATA_HOME", data.string());
  pm::test::ScopedEnv replay("PANMASTER_REPLAY", (folder / "run.txt").string());
  const std::string command = "'" + Os::GetProgramDirectory() + "panmaster' " + arguments + " 2>'" +
                              (folder / "stderr.txt").string() + "'";
  ProgramRun run;
  const int status = std::system(command.c_str());
  if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  std::ifstream log(data / "Sizzlewick Panmaster" / "engine.log");
  for (std::string line; std::getline(log, line);) run.log.push_back(line);
  return run;
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HasLineWith(const Lines& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

TEST(CApplicationE2ETest, TheGameOpensOnTheLogoScreenThroughTheSampleStartRules) {
  const std::filesystem::path folder = pm::test::MakeTempDir("game");
  const ProgramRun run = RunProgram(folder, "step 20\nframes 150\n@75 shot logo.png\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(Has(run.log, "Create screen \"PublisherScreen\"")) << folder;
  EXPECT_FALSE(HasLineWith(run.log, "NOT FOUND"));
  EXPECT_FALSE(HasLineWith(run.log, "Icon \"icon.png\""));  // found and taken

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
  EXPECT_TRUE(HasLineWith(run.log, "screen \"GameScreen\""));
  EXPECT_FALSE(HasLineWith(run.log, "PublisherScreen"));
}

}  // namespace

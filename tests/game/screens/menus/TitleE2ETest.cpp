// The title screen in the program itself, on the sample content, headless, in frames of
// 20 ms, with a save of the player "Abc": the logo screen gives way to the title, the
// curtain opening on it; closing the window asks the exit question over the title, greeting
// the player, and Enter ends the game. A second run types the developer word and '7'.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/CStreamReader.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProgressSave.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

using pm::test::ProgramRun;
using pm::test::RunProgram;

constexpr std::size_t kSettingsBytes = 16;

// The progress block of a saved game: the default player and "Abc", current, at stage 1 with
// the game's cursor.
ProgressBlock SavedBlock() {
  ProgressBlock block;
  block.Version = 1;
  block.CurrentPlayer = L"Abc";
  for (const wchar_t* name : {L"", L"Abc"}) {
    PlayerProfile& player = block.Players[name];
    player.Name = name;
    player.Floats = {{0, 1.0f}, {1, 1.0f}, {7, 60.0f}, {8, 100.0f}, {9, 0.0f}, {10, 1.0f}};
    player.StageKey = "stage1";
  }
  return block;
}

void WriteSettings(const std::filesystem::path& folder) {
  const GF::THolder<GF::CMemoryOutputStream> out = GF::MakeHolder<GF::CMemoryOutputStream>();
  for (std::int32_t setting : {100, 60, 1, 0}) GF::WriteInt32BE(*out, setting);
  GameProgress = SavedBlock();
  OnSaveProfiles(out);
  const std::filesystem::path data = pm::test::ProgramDataFolder(folder);
  std::filesystem::create_directories(data);
  std::ofstream file(data / "Setting", std::ios::binary);
  file.write(reinterpret_cast<const char*>(out->Bytes().data()),
             static_cast<std::streamsize>(out->Bytes().size()));
}

ProgressBlock ReadSettings(const std::filesystem::path& folder) {
  std::ifstream file(pm::test::ProgramDataFolder(folder) / "Setting", std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
  ProgressBlock block;
  if (bytes.size() < kSettingsBytes) return block;
  GF::CMemoryInputStream in(std::vector<std::uint8_t>(bytes.begin() + kSettingsBytes, bytes.end()));
  GF::CStreamReader reader(in);
  reader.Int32BE();
  ReadProgressBlock(reader, block);
  return block;
}

constexpr const char* kWord = "panmasterdevelopermodeunlocksthekitchens";

class TitleE2ETest : public pm::test::GameScreenTest {
 protected:
  // The lines of the log that are one typed letter, joined.
  static std::string LoggedLetters(const ProgramRun& run) {
    std::string letters;
    for (const std::string& line : run.log)
      if (line.size() == 1 && line[0] >= 'a' && line[0] <= 'z') letters += line;
    return letters;
  }
};

TEST_F(TitleE2ETest, ClosingTheWindowAsksTheExitQuestionAndEnterEndsTheGame) {
  const std::filesystem::path folder = ShotFolder("title");
  WriteSettings(folder);
  const ProgramRun run = RunProgram(folder,
                                    "step 20\nframes 600\n"
                                    "@425 move 270 310\n@428 shot hover.png\n"
                                    "@431 move 400 470\n@434 shot title.png\n"
                                    "@440 close\n"
                                    "@490 shot question.png\n"
                                    "@500 keydown 0x0D\n@501 keyup 0x0D\n"
                                    "@590 shot late.png\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("Create screen \"SplashScreen\""));
  EXPECT_TRUE(run.Has("Create screen \"confirm_exit_screen\""));
  EXPECT_FALSE(run.HasLineWith("NOT FOUND"));
  // The game ended with the answer, before the run's last frames.
  EXPECT_FALSE(std::filesystem::exists(folder / "late.png"));

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const pm::test::Shot title(session.engine(), folder / "title.png");
  const pm::test::Shot question(session.engine(), folder / "question.png");
  ASSERT_TRUE(title.IsLoaded());
  ASSERT_TRUE(question.IsLoaded());
  // The ribbon in its place, the buttons enabled (butter yellow, not flour grey), the
  // player's name written dark on the player button.
  EXPECT_TRUE(pm::test::Near(title.At(270, 240), 0xD6513F, 24));
  for (const TitleButtonPlace& button : TitleButtonPlaces())
    EXPECT_TRUE(pm::test::Near(title.At(button.x + 80, button.y + 10), 0xF7C24B, 24))
        << button.name;
  EXPECT_GT(title.Count(520, 296, 590, 324, 80, true), 20);
  // The hint of the button under the cursor on the plate, gone when the cursor leaves.
  const pm::test::Shot hover(session.engine(), folder / "hover.png");
  ASSERT_TRUE(hover.IsLoaded());
  EXPECT_GT(hover.Count(240, 532, 560, 560, 80, true), 100);
  EXPECT_LT(title.Count(240, 532, 560, 560, 80, true), 10);
  // The question's dark panel over the title with its two lines in white, the title around.
  EXPECT_TRUE(pm::test::Near(question.At(400, 300), 0x283C50, 16));
  EXPECT_GT(question.Count(260, 226, 540, 250, 200, false), 150);
  EXPECT_GT(question.Count(240, 254, 560, 278, 200, false), 150);
  EXPECT_EQ(question.CountDifferences(title, 0, 0, 150, 600), 0);
}

TEST_F(TitleE2ETest, TypingTheDeveloperWordAndSevenPutsThePlayerOnTheLastLevel) {
  const std::filesystem::path folder = ShotFolder("title_cheat");
  WriteSettings(folder);
  const ProgramRun run = RunProgram(
      folder, std::string("step 20\nframes 460\n@430 text ") + kWord + "\n@440 text 7\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(LoggedLetters(run), kWord);
  const ProgressBlock saved = ReadSettings(folder);
  ASSERT_TRUE(saved.Players.contains(L"Abc"));
  const PlayerProfile& player = saved.Players.at(L"Abc");
  EXPECT_EQ(player.Floats.at(ProfileFloat::StageNumber), 7.0f);
  EXPECT_EQ(player.Floats.at(ProfileFloat::LevelInStage), 8.0f);
  EXPECT_EQ(player.LevelRecords.at("stage1_2").BestPlace, 1);
}

}  // namespace

// A stage's end on the game's application, headless, in frames of 20 ms, with shots: the
// standings of the first stage open as the game's first screen; the player's cup rises with
// sparkles before "continue" shows; "continue" leads to the competitor who drops out, whose
// "ok" goes on to the dialogue due. The run's log names no missing resource.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "framework/engine/screens/CBaseControl.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"
#include "tests/game/screens/results/StageEndProfile.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/ReplayShot.h"

namespace {

using pm::test::Shot;

// The player's gold cup, by the bowl's right side.
constexpr int kCupX = 466, kCupY = 363;

int Channel(std::uint32_t rgb, int shift) {
  return static_cast<int>((rgb >> shift) & 0xFF);
}

bool IsBlue(std::uint32_t rgb) {
  return Channel(rgb, 0) > Channel(rgb, 16) + 40;
}

bool IsSkin(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return r > 220 && g > 160 && g < 235 && b > 120 && b < 210 && r > b + 30;
}

bool IsRed(std::uint32_t rgb) {
  return Channel(rgb, 16) > 200 && Channel(rgb, 8) < 120 && Channel(rgb, 0) < 100;
}

bool IsGold(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return r > 220 && g > 140 && b < 140;
}

class StageEndE2ETest : public pm::test::GameScreenTest {
 protected:
  void Open(const pm::test::StageTotalsById& totals, const std::string& script,
            std::function<void(int)> after = {}) {
    onCreated = [totals](GF::IScreen& screen) {
      if (screen.GetName() != "StageStatisticsScreen") return;
      pm::test::SetCompletedStage(totals);
      pm::test::SetDialogueDue();
    };
    Run("StageStatisticsScreen", "main_menu.stage_statistics_screen", script, std::move(after));
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  }

  std::unique_ptr<Shot> Load(const std::filesystem::path& file) {
    if (!m_session) m_session = std::make_unique<pm::test::RenderSession>();
    auto shot = std::make_unique<Shot>(m_session->engine(), file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }

 private:
  std::unique_ptr<pm::test::RenderSession> m_session;
};

TEST_F(StageEndE2ETest, ThePlayersCupRisesThenTheDroppedOutRivalLeadsToTheDialogue) {
  const std::filesystem::path folder = ShotFolder("stage_end");
  const auto shot = [&folder](int frame, const char* name) {
    return "@" + std::to_string(frame) + " shot " + (folder / name).string() + "\n";
  };
  const std::string script = "frames 560\n" + shot(25, "before.png") + shot(120, "after.png") +
                             shot(300, "late.png") + pm::test::ClickAt(463, 400, 568) +
                             shot(510, "loser.png") + pm::test::ClickAt(531, 400, 520);
  std::string musicBefore = "-", musicAfter = "-";
  Open(pm::test::kPlayerFirst, script, [&](int frame) {
    if (frame == 445) musicBefore = GetCurrentMusicName();
    if (frame == 455) musicAfter = GetCurrentMusicName();
  });
  EXPECT_EQ(musicBefore, "");
  EXPECT_EQ(musicAfter, "music_game_menu");
  EXPECT_EQ(closed, (Lines{"StageStatisticsScreen:next", "LoserScreen:dialog"}));
  const auto before = Load(folder / "before.png");
  const auto after = Load(folder / "after.png");
  const auto late = Load(folder / "late.png");
  const auto loser = Load(folder / "loser.png");
  ASSERT_TRUE(before->IsLoaded() && after->IsLoaded() && late->IsLoaded() && loser->IsLoaded());
  // Five pennants, places 8 to 4, 112 apart from x = 182; none in a sixth place.
  for (int x = 182; x <= 630; x += 112)
    EXPECT_TRUE(IsBlue(before->At(x + 36, 150))) << x << " " << std::hex << before->At(x + 36, 150);
  EXPECT_FALSE(IsBlue(before->At(742 + 36, 150)));
  // The three cheering figures' foreheads on the podium.
  for (const auto& [x, y] : {std::pair{400, 317}, std::pair{220, 347}, std::pair{580, 367}})
    EXPECT_TRUE(IsSkin(before->At(x, y))) << x << " " << std::hex << before->At(x, y);
  // The player's gold cup rises by the first figure; "continue" pops up below the podium.
  EXPECT_FALSE(IsGold(before->At(kCupX, kCupY))) << std::hex << before->At(kCupX, kCupY);
  EXPECT_TRUE(IsGold(after->At(kCupX, kCupY))) << std::hex << after->At(kCupX, kCupY);
  EXPECT_GT(after->CountDifferences(*before, 320, 550, 480, 586), 2000);
  // Sparkles above the cup's light, gone later.
  EXPECT_GT(after->CountDifferences(*late, 380, 230, 540, 290), 40);
  // The competitor who dropped out (id 5, last) with its name plate.
  EXPECT_TRUE(IsSkin(loser->At(280, 306))) << std::hex << loser->At(280, 306);
  EXPECT_GT(loser->Count(400, 240, 590, 270, 90, true), 100);
}

TEST_F(StageEndE2ETest, ThePlayerFourthLeavesOnAPennantAndStillContinues) {
  const std::filesystem::path folder = ShotFolder("stage_end_fourth");
  const std::string script = "frames 130\n@100 shot " + (folder / "fourth.png").string() + "\n" +
                             pm::test::ClickAt(103, 400, 568);
  Open(pm::test::kPlayerFourth, script);
  EXPECT_EQ(closed, Lines{"StageStatisticsScreen:next"});
  const auto fourth = Load(folder / "fourth.png");
  ASSERT_TRUE(fourth->IsLoaded());
  // The player's red neckerchief on the fourth place's pennant, the rightmost; the winner's
  // gold cup stands from the start.
  int red = 0;
  for (int y = 155; y < 170; ++y)
    for (int x = 620; x < 641; ++x) red += IsRed(fourth->At(x, y));
  EXPECT_GT(red, 10);
  EXPECT_TRUE(IsGold(fourth->At(kCupX, kCupY))) << std::hex << fourth->At(kCupX, kCupY);
}

TEST_F(StageEndE2ETest, StageFivesRivalSevenHasPackedUp) {
  const std::filesystem::path folder = ShotFolder("stage_end_dropout");
  startParameter = "diego";
  onCreated = [](GF::IScreen&) {
    CurrentProfile().StageKey = "stage1";
    StageTable["stage1"].Value1 = 7;
    CurrentProfile().Floats[ProfileFloat::StageNumber] = 5.0f;
  };
  Run("LoserScreen", "main_menu.loser_screen",
      "frames 40\n@30 shot " + (folder / "dropout.png").string() + "\n");
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  const auto dropout = Load(folder / "dropout.png");
  ASSERT_TRUE(dropout->IsLoaded());
  // The suitcase's brown leather left of the words, which stand in dark ink.
  const std::uint32_t leather = dropout->At(260, 300);
  EXPECT_TRUE(Channel(leather, 16) > Channel(leather, 0) + 60) << std::hex << leather;
  EXPECT_GT(dropout->Count(400, 330, 600, 385, 90, true), 200);
}

}  // namespace

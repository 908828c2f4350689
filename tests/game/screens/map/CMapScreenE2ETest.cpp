// The progress map end to end on the game's application, headless, in frames of 20 ms,
// opened by the start rule of the served game data for a player at stage 2 who won stage 1's
// levels in places 2 and 1: a click on stage 1's plate turns the ring until stage 1 stands in
// front with its two ribbons, resting on a ribbon shows its tooltip and a click on it replays
// the level. The level itself is another screen's: the run stops where the flow opens
// "GameScreen". Shots checked at a few pixels; the run's log names no missing resource.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/engine/screens/CScreenAbstract.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/menus/MenuScreenTest.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"

namespace {

using pm::test::At;
using pm::test::ClickAt;

// Stage 1's plate: the last of seven places round the ring from stage 2 at its top.
constexpr int kStage1X = 165, kStage1Y = 168;
// Stage 1's ribbons once it stands in front: level 1 left, level 2 right of the middle.
constexpr int kRibbon1X = 377, kRibbon2X = 423, kRibbonY = 382;
// The ingredient screen's OK before the level.
constexpr int kOkX = 400, kOkY = 450;

bool Near(std::uint32_t rgb, std::uint32_t expected, int tolerance = 30) {
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((rgb >> shift) & 0xFF);
    const int b = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) return false;
  }
  return true;
}

class CMapScreenE2ETest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    m_folder = ShotFolder("map");
    onCreated = [this](GF::IScreen& screen) {
      if (screen.GetName() == "ProgressMapScreen") MakePlayer(CurrentProfile());
      if (screen.GetName() == "GameScreen") levelAtGame = GetCurrentLevelKey();
    };
    // The level's screen is another's: here it only stands where the flow opens it.
    testScreens = {
        {"GameScreen", [] { return GF::THolder<GF::IScreen>(new GF::HGENS::CScreenAbstract()); }}};
  }

  static void MakePlayer(PlayerProfile& p) {
    p.StageKey = "stage2";
    p.Floats[ProfileFloat::StageNumber] = 2.0f;
    p.Floats[ProfileFloat::LevelInStage] = 1.0f;
    p.LevelRecords["stage1_1"].BestPlace = 2;
    p.LevelRecords["stage1_2"].BestPlace = 1;
  }

  std::string Shot(int frame, const std::string& file) const {
    return At(frame, "shot " + (m_folder / file).string());
  }

  // Shots are read through an engine of their own, once the run's engine is gone.
  std::unique_ptr<pm::test::Shot> Load(const std::string& file) {
    if (!m_session) m_session = std::make_unique<pm::test::RenderSession>();
    auto shot = std::make_unique<pm::test::Shot>(m_session->engine(), m_folder / file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }
  bool CanRender() {
    if (!m_session) m_session = std::make_unique<pm::test::RenderSession>();
    return m_session->IsInitiated();
  }

  bool Logged(const std::string& text) const {
    return std::any_of(log.begin(), log.end(),
                       [&text](const std::string& line) { return line.find(text) != line.npos; });
  }

  std::string levelAtGame;

 private:
  std::unique_ptr<pm::test::RenderSession> m_session;
  std::filesystem::path m_folder;
};

TEST_F(CMapScreenE2ETest, AClickedStageTurnsToTheFrontAndItsRibbonReplaysItsLevel) {
  std::string script = "frames 520\n" + Shot(30, "before.png");
  script += At(32, "move " + std::to_string(kStage1X) + " " + std::to_string(kStage1Y));
  script += At(45, "buttondown 1") + At(46, "buttonup 1");
  script += Shot(108, "turning.png") + Shot(240, "after.png");
  script += At(250, "move " + std::to_string(kRibbon1X) + " " + std::to_string(kRibbonY));
  script += Shot(276, "tooltip.png");
  script += At(280, "buttondown 1") + At(281, "buttonup 1");
  script += ClickAt(470, kOkX, kOkY);
  Run("ProgressMapScreen", "ProgressMap.layout", script);

  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), line.npos) << line;
  EXPECT_EQ(CurrentProfile().StageKey, "stage1");
  EXPECT_NE(std::find(commands.begin(), commands.end(), "ProgressMapScreen:play"), commands.end());
  EXPECT_TRUE(Logged("Create screen \"GameScreen\""));
  EXPECT_EQ(levelAtGame, "stage1_1");

  ASSERT_TRUE(CanRender());
  const auto before = Load("before.png");
  const auto turning = Load("turning.png");
  const auto after = Load("after.png");
  const auto tooltip = Load("tooltip.png");
  // The front plate's rim right of its middle: stage 2's orange, then stage 1's red; the
  // plate's cream dish up left of the number, gone from the middle while the ring turns.
  EXPECT_TRUE(Near(before->At(468, 280), 0xFAAE5A)) << std::hex << before->At(468, 280);
  EXPECT_TRUE(Near(after->At(468, 280), 0xEF705C)) << std::hex << after->At(468, 280);
  for (const pm::test::Shot* shot : {before.get(), after.get()})
    EXPECT_TRUE(Near(shot->At(370, 250), 0xFFF8E8, 12)) << std::hex << shot->At(370, 250);
  EXPECT_FALSE(Near(turning->At(370, 250), 0xFFF8E8, 30)) << std::hex << turning->At(370, 250);
  // Under it the silver medal of level 1 (place 2) and the gold one of level 2 (place 1).
  EXPECT_TRUE(Near(after->At(kRibbon1X, kRibbonY + 18), 0x93A2AE))
      << std::hex << after->At(kRibbon1X, kRibbonY + 18);
  EXPECT_TRUE(Near(after->At(kRibbon2X, kRibbonY + 18), 0xF6A243))
      << std::hex << after->At(kRibbon2X, kRibbonY + 18);
  // "Replay level 1" in dark ink over the plate, left of its number.
  EXPECT_GT(tooltip->Count(340, 288, 385, 312, 90, true),
            after->Count(340, 288, 385, 312, 90, true) + 60);
}

}  // namespace

// The progress map end to end on the game's application, headless, in frames of 20 ms. Opened
// by the start rule of the served game data for a player at stage 2 who won stage 1's levels
// in places 2 and 1: a click on stage 1's plate turns the ring, the buttons off meanwhile,
// until stage 1 stands in front with its two ribbons; resting on a ribbon shows its tooltip
// and a click on it replays the level. The level itself is another screen's: the run stops
// where the flow opens "GameScreen". And from the title: "play" closes the curtain over it
// and opens it on the map. Shots checked at a few pixels; the logs name no missing resource.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/engine/screens/CScreenAbstract.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/ShotReader.h"
#include "tests/game/screens/menus/MenuScreenTest.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

using pm::test::At;
using pm::test::ClickAt;
using pm::test::NearColour;

// Stage 1's plate: the last of seven places round the ring from stage 2 at its top.
constexpr int kStage1X = 165, kStage1Y = 168;
// Stage 1's ribbons once it stands in front: level 1 left, level 2 right of the middle.
constexpr int kRibbon1X = 377, kRibbon2X = 423, kRibbonY = 382;
// The ingredient screen's OK before the level.
constexpr int kOkX = 400, kOkY = 450;
// A point of the "Play" button's face on the shelf, left of its caption.
constexpr int kPlayFaceX = 335, kPlayFaceY = 535;
constexpr std::uint32_t kButtonBlue = 0x3E6A9E, kButtonGrey = 0x6E6E6E;

// Red velvet: the curtain's cloth.
bool IsCloth(std::uint32_t rgb) {
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 100 && r > 2 * g && r > 2 * b;
}

class CMapScreenE2ETest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    m_shots = std::make_unique<pm::test::ShotReader>(ShotFolder("map"));
    // The level's screen is another's: here it only stands where the flow opens it.
    testScreens = {
        {"GameScreen", [] { return GF::THolder<GF::IScreen>(new GF::HGENS::CScreenAbstract()); }}};
  }

  // A player at stage 2 with stage 1 won in places 2 and 1.
  static void MakePlayer(PlayerProfile& p) {
    p.StageKey = "stage2";
    p.Floats[ProfileFloat::StageNumber] = 2.0f;
    p.Floats[ProfileFloat::LevelInStage] = 1.0f;
    p.LevelRecords["stage1_1"].BestPlace = 2;
    p.LevelRecords["stage1_2"].BestPlace = 1;
  }

  std::string Shot(int frame, const std::string& file) const {
    return At(frame, "shot " + (m_shots->Folder() / file).string());
  }
  std::unique_ptr<pm::test::Shot> Load(const std::string& file) { return m_shots->Load(file); }
  bool CanRender() { return m_shots->CanRender(); }

  bool Logged(const std::string& text) const {
    return std::any_of(log.begin(), log.end(),
                       [&text](const std::string& line) { return line.find(text) != line.npos; });
  }
  void ExpectNothingMissing() const {
    for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), line.npos) << line;
  }

 private:
  std::unique_ptr<pm::test::ShotReader> m_shots;
};

TEST_F(CMapScreenE2ETest, AClickedStageTurnsToTheFrontAndItsRibbonReplaysItsLevel) {
  std::string levelAtGame;
  onCreated = [&levelAtGame](GF::IScreen& screen) {
    if (screen.GetName() == "ProgressMapScreen") MakePlayer(CurrentProfile());
    if (screen.GetName() == "GameScreen") levelAtGame = GetCurrentLevelKey();
  };
  // The ingredients' "OK" closes the curtain before the level opens.
  std::string script = "frames 600\n" + Shot(30, "before.png");
  // The click waits for the plate's "_enter" to have played.
  script += At(32, "move " + std::to_string(kStage1X) + " " + std::to_string(kStage1Y));
  script += At(45, "buttondown 1") + At(46, "buttonup 1");
  script += Shot(108, "turning.png") + Shot(240, "after.png");
  script += At(250, "move " + std::to_string(kRibbon1X) + " " + std::to_string(kRibbonY));
  script += Shot(276, "tooltip.png");
  script += At(280, "buttondown 1") + At(281, "buttonup 1");
  script += ClickAt(470, kOkX, kOkY);
  Run("ProgressMapScreen", kMapScreenLayout, script);

  ExpectNothingMissing();
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
  EXPECT_TRUE(NearColour(before->At(468, 280), 0xFAAE5A, 30)) << std::hex << before->At(468, 280);
  EXPECT_TRUE(NearColour(after->At(468, 280), 0xEF705C, 30)) << std::hex << after->At(468, 280);
  for (const pm::test::Shot* shot : {before.get(), after.get()})
    EXPECT_TRUE(NearColour(shot->At(370, 250), 0xFFF8E8, 12)) << std::hex << shot->At(370, 250);
  EXPECT_FALSE(NearColour(turning->At(370, 250), 0xFFF8E8, 30))
      << std::hex << turning->At(370, 250);
  // The buttons are off while the ring turns.
  for (const pm::test::Shot* shot : {before.get(), turning.get(), after.get()}) {
    const std::uint32_t face = shot->At(kPlayFaceX, kPlayFaceY);
    EXPECT_TRUE(NearColour(face, shot == turning.get() ? kButtonGrey : kButtonBlue, 40))
        << std::hex << face;
  }
  // Under it the silver medal of level 1 (place 2) and the gold one of level 2 (place 1).
  EXPECT_TRUE(NearColour(after->At(kRibbon1X, kRibbonY + 18), 0x93A2AE, 30))
      << std::hex << after->At(kRibbon1X, kRibbonY + 18);
  EXPECT_TRUE(NearColour(after->At(kRibbon2X, kRibbonY + 18), 0xF6A243, 30))
      << std::hex << after->At(kRibbon2X, kRibbonY + 18);
  // "Replay level 1" in dark ink over the plate, left of its number.
  EXPECT_GT(tooltip->Count(340, 288, 385, 312, 90, true),
            after->Count(340, 288, 385, 312, 90, true) + 60);
}

TEST_F(CMapScreenE2ETest, PlayOnTheTitleClosesTheCurtainAndOpensItOnTheMap) {
  onCreated = [](GF::IScreen& screen) {
    if (screen.GetName() != "SplashScreen") return;
    PlayerProfile& p = CurrentProfile();
    p.Name = L"Ann";
    p.Flags["comics_1"] = true;  // the story's first comic has been seen
  };
  const std::vector<TitleButtonPlace>& buttons = TitleButtonPlaces();
  const auto play = std::find_if(buttons.begin(), buttons.end(), [](const TitleButtonPlace& b) {
    return b.name == std::string("play");
  });
  std::string script = "frames 260\n" + ClickAt(60, play->x, play->y);
  for (int frame : {140, 258}) script += Shot(frame, "title_" + std::to_string(frame) + ".png");
  Run("SplashScreen", "main_menu.title", script);

  ExpectNothingMissing();
  EXPECT_NE(std::find(commands.begin(), commands.end(), "SplashScreen:play"), commands.end());
  EXPECT_TRUE(Logged("Create screen \"ProgressMapScreen\""));
  ASSERT_TRUE(CanRender());
  const auto closed = Load("title_140.png");
  const auto map = Load("title_258.png");
  // The cloth covers the middle, then the map's front plate (stage 1's cream dish) stands there.
  EXPECT_TRUE(IsCloth(closed->At(400, 250))) << std::hex << closed->At(400, 250);
  EXPECT_TRUE(NearColour(map->At(370, 250), 0xFFF8E8, 12)) << std::hex << map->At(370, 250);
}

}  // namespace

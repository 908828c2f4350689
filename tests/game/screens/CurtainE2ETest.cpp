// The curtain between two screens of the game, end to end on the game's application, headless,
// in frames of 20 ms: the first screen leaves with Enter, its "_hide" plays, the closing
// curtain spreads over it, and the screen that the flow rule names next opens as the curtain
// gathers at the sides. The rule also asks for both curtain runs, as the game's data does.
// Shots at the start, middle and end of each run, checked at a few pixels.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kEnter = 24;
constexpr const char* kStage = "main_menu.curtain_stage";  // "_show" and "_hide" 300 ms

// The first screen leaves with Enter.
class CFirstScreen : public CCurtainScreen {
 protected:
  void OnInit() override {
    CCurtainScreen::OnInit();
    AddShortcut(kEnter, "next", false, kUsualFlags);
  }
};

GF::THolder<GF::IScreen> CreateFirst() {
  return GF::MakeHolder<CFirstScreen>();
}
GF::THolder<GF::IScreen> CreateSecond() {
  return GF::MakeHolder<CCurtainScreen>();
}

class CurtainE2ETest : public pm::test::GameScreenTest {};

struct ShotPoint {
  int frame;
  const char* file;
};

// Enter in frame 40 starts "_hide"; the closing run follows from frame 56 to 118; the second
// screen comes up in frame 119 and its opening run ends in frame 181.
constexpr ShotPoint kShots[] = {
    {30, "first.png"},        {57, "closing_start.png"},  {87, "closing_middle.png"},
    {118, "closing_end.png"}, {120, "opening_start.png"}, {150, "opening_middle.png"},
    {200, "second.png"},
};

// Red velvet: the curtain's cloth.
bool IsCloth(std::uint32_t rgb) {
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 100 && r > 2 * g && r > 2 * b;
}

int ClothInRow(const pm::test::Shot& shot, int y) {
  int count = 0;
  for (int x = 0; x < 800; ++x) count += IsCloth(shot.At(x, y));
  return count;
}

TEST_F(CurtainE2ETest, TheCurtainClosesOverOneScreenAndOpensOnTheNext) {
  testScreens = {{"MainMenuScreen", CreateFirst}, {"OptionsScreen", CreateSecond}};
  // As the game's data would have it: "next" goes on to the second screen, closing the
  // curtain behind the first and opening it on the second.
  rules = {Rule("MainMenuScreen", "next", "OptionsScreen", kStage,
                {StringAssignment(ProfileString::ShadesHideRequest, "curtain_close"),
                 StringAssignment(ProfileString::ShadesShowRequest, "curtain_open")})};
  const std::filesystem::path folder = ShotFolder("curtain");
  std::string script = "frames 205\n@40 keydown 0x0D\n@41 keyup 0x0D\n";
  for (const ShotPoint& shot : kShots)
    script += "@" + std::to_string(shot.frame) + " shot " + (folder / shot.file).string() + "\n";
  std::vector<std::string> states;
  Run("MainMenuScreen", kStage, script, [&states](int frame) {
    for (const ShotPoint& shot : kShots) {
      if (shot.frame != frame) continue;
      const float progress = CWindowShadesEffect::Create()->GetProgress();
      states.push_back(GF::HGENS::GetGameManager()->TopScreen()->GetName() + " " +
                       (progress < 0.1f   ? "starts"
                        : progress < 1.0f ? "runs"
                                          : "rests"));
    }
  });
  EXPECT_EQ(states, (Lines{"MainMenuScreen rests", "MainMenuScreen starts", "MainMenuScreen runs",
                           "MainMenuScreen rests", "OptionsScreen starts", "OptionsScreen runs",
                           "OptionsScreen rests"}));
  EXPECT_EQ(closed, Lines{"MainMenuScreen:next"});
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto shot = [&](const char* file) {
    return std::make_unique<pm::test::Shot>(session.engine(), folder / file);
  };
  // Open: the screen's own background, the gathered cloth off its sides.
  const auto first = shot("first.png");
  ASSERT_TRUE(first->IsLoaded());
  EXPECT_LT(ClothInRow(*first, 300), 20);
  for (const char* open : {"closing_start.png", "second.png"}) {
    const auto stage = shot(open);
    ASSERT_TRUE(stage->IsLoaded()) << open;
    for (int x : {200, 400, 600})
      EXPECT_EQ(stage->At(x, 300), first->At(x, 300)) << open << " " << x;
    EXPECT_LT(ClothInRow(*stage, 300), 20) << open;
  }

  // Half way either way: the cloth covers the sides, the middle is free.
  for (const char* middle : {"closing_middle.png", "opening_middle.png"}) {
    const auto half = shot(middle);
    ASSERT_TRUE(half->IsLoaded()) << middle;
    EXPECT_TRUE(IsCloth(half->At(100, 300))) << middle;
    EXPECT_TRUE(IsCloth(half->At(700, 300))) << middle;
    EXPECT_FALSE(IsCloth(half->At(400, 300))) << middle;
    const int covered = ClothInRow(*half, 300);
    EXPECT_GT(covered, 250) << middle;
    EXPECT_LT(covered, 550) << middle;
  }

  // Closed: cloth from side to side.
  for (const char* closedShot : {"closing_end.png", "opening_start.png"}) {
    const auto cloth = shot(closedShot);
    ASSERT_TRUE(cloth->IsLoaded()) << closedShot;
    EXPECT_TRUE(IsCloth(cloth->At(200, 300))) << closedShot;
    EXPECT_TRUE(IsCloth(cloth->At(600, 300))) << closedShot;
    EXPECT_GT(ClothInRow(*cloth, 300), 780) << closedShot;
  }
}

}  // namespace

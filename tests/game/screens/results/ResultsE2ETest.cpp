// The result screens end to end: the program on the sample content opens each screen as its
// first one, headless, in frames of 20 ms, with shots. A won level's card shows the silver
// ribbon of second place and the points, confetti bursts from the ribbon two seconds in, and
// "replay" keeps the level; a failed level never passed offers replay and the map, its other
// pair drawn disabled; the bonus card throws the level's objects across the screen, never
// piling them up.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/core/ISubstitutedContainer.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"

namespace {

using pm::test::LevelResult;
using pm::test::Shot;

// Where the layouts put things on the 800 x 600 screen.
constexpr int kRibbonX = 280, kRibbonY = 210;
constexpr int kFaceX = kRibbonX + 22, kFaceY = kRibbonY + 4;  // the rosette's face, by its star
constexpr int kButtonY = 520;

int Channel(std::uint32_t rgb, int shift) {
  return static_cast<int>((rgb >> shift) & 0xFF);
}

// Light and without a hue: the silver ribbon's face.
bool IsSilver(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return std::min({r, g, b}) > 150 && std::max({r, g, b}) - std::min({r, g, b}) < 40;
}

class ResultsE2ETest : public pm::test::GameScreenTest {
 protected:
  void Open(const std::string& screen, const std::string& layout, const LevelResult& result,
            const std::string& script, std::function<void(int)> after = {}) {
    onCreated = [result](GF::IScreen&) { pm::test::SetLevelResult(result); };
    Run(screen, layout, script, std::move(after));
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  }

  // After the run: the session takes the engine the run has let go.
  static std::unique_ptr<Shot> Load(pm::test::RenderSession& session,
                                    const std::filesystem::path& file) {
    auto shot = std::make_unique<Shot>(session.engine(), file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }
};

TEST_F(ResultsE2ETest, AWonLevelShowsItsRibbonAndPointsThenConfettiAndReplays) {
  const std::filesystem::path folder = ShotFolder("results_won");
  const std::string script = "frames 170\n@60 shot " + (folder / "idle.png").string() +
                             "\n@125 shot " + (folder / "confetti.png").string() +
                             "\n@128 move 300 520\n@130 buttondown 1\n@132 buttonup 1\n";
  Open("StatisticsScreen", "main_menu.statistics_screen", {123.9f, 2.0f, 5.0f}, script);
  EXPECT_EQ(closed, Lines{"StatisticsScreen:replay"});
  PlayerProfile& profile = CurrentProfile();
  EXPECT_EQ(profile.Strings[ProfileString::LevelKeyOverride],
            profile.Strings[ProfileString::CurrentLevelKey]);

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto idle = Load(session, folder / "idle.png");
  const auto confetti = Load(session, folder / "confetti.png");
  ASSERT_TRUE(idle->IsLoaded() && confetti->IsLoaded());
  EXPECT_TRUE(IsSilver(idle->At(kFaceX, kFaceY))) << std::hex << idle->At(kFaceX, kFaceY);
  // "123" in dark ink at the right of the points line.
  EXPECT_GT(idle->Count(540, 332, 595, 354, 110, true), 30);
  // Confetti round the ribbon, beyond where the ribbon itself sways.
  const int around =
      confetti->CountDifferences(*idle, 130, 70, 430, 370) -
      confetti->CountDifferences(*idle, kRibbonX - 65, kRibbonY - 80, kRibbonX + 65, kRibbonY + 95);
  EXPECT_GT(around, 300);
}

TEST_F(ResultsE2ETest, ALevelNeverPassedOffersReplayAndTheMapOnly) {
  const std::filesystem::path folder = ShotFolder("results_lost");
  Open("LoseScreen", "main_menu.lose_screen", {40.0f, 4.0f, 2.0f},
       "frames 40\n@40 shot " + (folder / "idle.png").string() + "\n");
  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto idle = Load(session, folder / "idle.png");
  ASSERT_TRUE(idle->IsLoaded());
  // The buttons' left ends: "replay" and "menu" up, "replay_2" and "continue" disabled.
  const std::uint32_t replay = idle->At(145 - 62, kButtonY), menu = idle->At(315 - 62, kButtonY),
                      replay2 = idle->At(485 - 62, kButtonY), next = idle->At(655 - 62, kButtonY);
  EXPECT_EQ(replay, menu);
  EXPECT_EQ(replay2, next);
  EXPECT_NE(replay, replay2);
  // The grey ribbon of a level not passed.
  EXPECT_FALSE(IsSilver(idle->At(kFaceX, kFaceY))) << std::hex << idle->At(kFaceX, kFaceY);
}

TEST_F(ResultsE2ETest, TheBonusCardThrowsTheLevelsObjectsWithoutPilingThemUp) {
  const std::filesystem::path folder = ShotFolder("results_bonus");
  const std::string script = "frames 3060\n@100 shot " + (folder / "first.png").string() +
                             "\n@125 shot " + (folder / "later.png").string() + "\n@3050 shot " +
                             (folder / "minute.png").string() + "\n";
  int most = 0;
  Open("BonusStatisticsScreen", "main_menu.bonus_statistics_screen", {0.0f, 2.0f, 0.0f, 250.6f},
       script, [&most](int) {
         GF::IScreen* top = pm::test::TopScreen();
         if (!top || !top->GetLayout()) return;
         const GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer> place(
             top->GetLayout()->FindDrawable("_fly_place"));
         int count = 0;
         while (place && place->GetSubstitutedAnimation(count)) ++count;
         most = std::max(most, count);
       });
  EXPECT_GE(most, 5);
  EXPECT_LE(most, 9);
  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto first = Load(session, folder / "first.png");
  const auto later = Load(session, folder / "later.png");
  ASSERT_TRUE(first->IsLoaded() && later->IsLoaded());
  EXPECT_GT(first->CountDifferences(*later), 2000);
}

}  // namespace

// The pause picture of the in-level game screen, drawn by the real renderer headless: losing
// the focus draws one frame with "pause_screen" over the level at once, which the window
// keeps (no frame runs) until the focus returns; the level's clock stands still meanwhile.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "platform/Engine.h"
#include "tests/game/screens/LevelScreenTest.h"
#include "tests/support/ReplayShot.h"

namespace {

using pm::test::At;
using pm::test::LevelScreenTest;
using pm::test::Shot;

class CGameScreenRenderTest : public LevelScreenTest {};

// The brightness of the pixel: its three channels summed.
int Brightness(std::uint32_t pixel) {
  return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF));
}

TEST_F(CGameScreenRenderTest, AwayFromTheFocusTheLevelShowsThePausePictureAndStandsStill) {
  const std::filesystem::path folder = ShotFolder("game_screen_pause");
  constexpr int kBefore = kPlaying + 9, kLost = kPlaying + 10, kGain = kPlaying + 60;
  std::string script = DifferenceIntro(kGain + 3) + At(kLost, "focuslost") + At(kGain, "focusgain");
  for (int frame : {kBefore, kLost, kGain + 1})
    script += At(frame, "shot " + (folder / (std::to_string(frame) + ".png")).string());
  // The harness counts the frames it sees: those away from the focus are not among them, so
  // its frame kLost is the engine's kGain.
  std::map<int, float> levelTime;
  int called = 0;
  bool overlayShownAfter = true;
  RunLevel(kDifference, script, [&](int seen) {
    ++called;
    if (const CDiferenceGameField* field = DifferenceField())
      levelTime[seen] = field->GetLevelTime();
    if (seen == kLost && Screen() && Screen()->GetPauseOverlay())
      overlayShownAfter = Screen()->GetPauseOverlay()->IsShown();
  });
  EXPECT_EQ(called, kGain + 3 - (kGain - kLost));
  ASSERT_TRUE(levelTime.contains(kBefore) && levelTime.contains(kLost));
  EXPECT_GT(levelTime[kBefore], 0.0f) << "the level's clock runs";
  EXPECT_FLOAT_EQ(levelTime[kLost], levelTime[kBefore] + 20.0f) << "one frame's time";
  EXPECT_FALSE(overlayShownAfter);

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    const Shot before(*engine, folder / (std::to_string(kBefore) + ".png"));
    const Shot away(*engine, folder / (std::to_string(kLost) + ".png"));
    const Shot back(*engine, folder / (std::to_string(kGain + 1) + ".png"));
    ASSERT_TRUE(before.IsLoaded() && away.IsLoaded() && back.IsLoaded());
    // The level is dimmed at its corners, the note says "Paused" in the middle.
    for (const auto& [x, y] : {std::pair{40, 40}, std::pair{760, 560}, std::pair{40, 560}})
      EXPECT_LT(Brightness(away.At(x, y)), Brightness(before.At(x, y)) * 3 / 4) << x << "," << y;
    EXPECT_GT(away.CountDifferences(before, 300, 260, 500, 340), 8000);
    // Back in focus, the plate is gone again.
    EXPECT_LT(back.CountDifferences(before, 300, 260, 500, 340), 800);
  }
  engine->Shutdown();
  engine->Release();
}

}  // namespace

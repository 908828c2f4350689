// The kitchen field on the whole program, drawn: a small host screen stands in for the game
// screen (it makes the kitchen field, binds the HUD, loads "stage1_1" with its three rivals,
// builds the kitchen scene and drives field and cook each idle frame) on the real engine
// headless in its deterministic mode, on the sample content. The first shot must match its
// golden picture to the pixel: the floor, the cook at her start, and four ribbons with their
// portraits, the player last. Then the player scores, and her portrait glides to the first
// ribbon: halfway at half the standings' interval, there at its end. PANMASTER_SHOTS
// keeps the shots for a look.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/app/CGameManager.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CGameField.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenFieldHost.h"
#include "tests/game/kitchen/KitchenHostScreen.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;
using pm::test::CKitchenFieldHost;

// What the replay does, by frame of 20 ms (the screen shows for its first 15 frames).
constexpr int kLoaded = 30;          // shot: the golden picture
constexpr int kScore = 40;           // the player earns 40 points
constexpr int kHalf = kScore + 74;   // shot: half the standings' interval of 3000 ms
constexpr int kFull = kScore + 150;  // shot: the glide has landed

TEST(CGameFieldRenderTest, TheLoadedKitchenShowsItsFloorCookAndStandings) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::ShotFolder("kitchen_field");
  CKitchenFieldHost* host = nullptr;
  std::map<int, GF::TPoint<float>> portrait;  // the player's, by frame
  GF::TPoint<float> firstPlace;               // the first ribbon's portrait place
  int place = 0;
  std::vector<std::string> log;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<CKitchenFieldHost>(manager);
  };
  run.before = [&host](int frame) {
    if (host && host->field && frame == kScore) host->field->AddScore(40.0f);
  };
  run.after = [&](int frame) {
    if (!host || !host->field) return;
    CStandingsPanel& standings = host->field->GetStandings();
    if (const auto player = standings.GetPortrait(CStandingsPanel::kPlayerId))
      portrait[frame] = player->GetPosition();
    const auto ribbon = standings.GetRibbon(1);
    const GF::IAnimation::ParentPtr first(ribbon ? ribbon->FindDrawable("_pers_place") : nullptr);
    if (first) firstPlace = {first->GetProperties().x, first->GetProperties().y};
    place = static_cast<int>(CurrentProfile().Floats[ProfileFloat::CurrentPlace]);
  };
  std::string script = "frames " + std::to_string(kFull + 2) + "\n";
  for (int frame : {kLoaded, kHalf, kFull})
    script += "@" + std::to_string(frame) + " shot " +
              (folder / (std::to_string(frame) + ".png")).string() + "\n";
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  // The player led the four after her points, and her portrait glided to the first ribbon.
  EXPECT_EQ(place, 1);
  const GF::TPoint<float> start = portrait[kScore - 1];
  const GF::TPoint<float> half = portrait[kHalf];
  EXPECT_NEAR(half.x, start.x + 0.5f * (firstPlace.x - start.x), 2.0f);
  EXPECT_EQ(portrait[kFull], firstPlace);
  EXPECT_LT(start.x, firstPlace.x) << "the last place stands on the left";

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    EXPECT_TRUE(pm::test::MatchesGolden(
        *engine, folder / (std::to_string(kLoaded) + ".png"),
        std::filesystem::path(PANMASTER_GOLDEN_DIR) / "kitchen_field_standings.png"));
    const pm::test::Shot half(*engine, folder / (std::to_string(kHalf) + ".png"));
    const pm::test::Shot full(*engine, folder / (std::to_string(kFull) + ".png"));
    ASSERT_TRUE(half.IsLoaded() && full.IsLoaded());
    EXPECT_NE(half.CountDifferences(full), 0) << "the portrait still moves at half time";
  }
  engine->Shutdown();
  engine->Release();
}

}  // namespace

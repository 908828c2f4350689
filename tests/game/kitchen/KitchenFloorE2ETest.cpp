// The kitchen floor on the whole program, end to end: the kitchen host screen stands in for
// the game screen and the kitchen field (it loads "stage1_1", places its devices from the
// level's slots, puts the cook on the floor and drives field and cook each idle frame) on
// the real engine headless in its deterministic mode, on the sample content. The
// replay sends the cook around the table in the middle of the floor to the back, starts the
// mixer, sends her to the front and ends the mixer's work; shots show her on her cells, her
// state's badge over her hat, larger in front, and the mixer working. PANMASTER_SHOTS
// keeps the shots for a look.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/FloorQuad.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenHostScreen.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleKitchenDevices.h"

namespace {

using GF::THolder;

// The cook as a shot shows her.
struct CookSeen {
  GF::TPoint<int> cell;
  GF::TPoint<float> position;  // of her animation
  float scale = 0.0f;
  int state = -1;
};

// What the replay does, by frame (the screen shows for its first 15 frames).
constexpr int kStart = 20;   // shot: the cook at her start, (8, 9), the mixer idle
constexpr int kWalk = 25;    // to (8, 4), around the table
constexpr int kMiddle = 27;  // shot: on (9, 8), the first cell of the way
constexpr int kMixer = 50;   // the mixer starts
constexpr int kBack = 60;    // shot: arrived at (8, 4), the mixer working
constexpr int kFront = 65;   // to (8, 14)
constexpr int kDone = 95;    // the mixer ends
constexpr int kEnd = 110;    // shot: at (8, 14), the mixer idle again

// The badge under the point: the state whose badge colour is nearest, or "".
std::string BadgeAt(const pm::test::Shot& shot, int x, int y) {
  const std::uint32_t p = shot.At(x, y);
  std::string best;
  int bestDistance = 30 * 30 * 3;
  for (const SampleCookMark& mark : kSampleCookMarks) {
    int distance = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int d =
          static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((mark.colour >> shift) & 0xFF);
      distance += d * d;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = mark.state;
    }
  }
  return best;
}

// Pixels of the state's badge colour around the badge of a cook seen.
int BadgePixels(const pm::test::Shot& shot, const CookSeen& cook, const std::string& state) {
  const int x = static_cast<int>(cook.position.x);
  const int y = static_cast<int>(cook.position.y + kSampleCookMarkY * cook.scale);
  int count = 0;
  for (int j = y - 14; j <= y + 14; ++j)
    for (int i = x - 14; i <= x + 14; ++i) count += BadgeAt(shot, i, j) == state;
  return count;
}

TEST(KitchenFloorE2ETest, TheCookWalksAroundTheTableAndTheMixerWorks) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("floor");
  pm::test::CKitchenHostScreen* host = nullptr;
  std::map<int, CookSeen> seen;
  std::vector<std::string> log;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<pm::test::CKitchenHostScreen>(manager);
  };
  run.before = [&host](int frame) {
    if (!host || !host->cook) return;
    const THolder<CCookObject> mixer = host->devices.front();
    if (frame == kWalk) host->cook->MoveTo(8.0f, 4.0f);
    if (frame == kFront) host->cook->MoveTo(8.0f, 14.0f);
    if (frame == kMixer) CCookObject::StartWork(mixer, host->field);
    if (frame == kDone) CCookObject::EndWork(mixer, host->field);
  };
  run.after = [&](int frame) {
    if (!host || !host->cook) return;
    const auto figure = host->cook->GetAnimation();
    seen[frame] = {host->cook->GetCell(), figure->GetPosition(), figure->GetScale().y,
                   host->cook->GetState()};
  };
  std::string script = "frames 115\n";
  script += pm::test::KitchenShots::ScriptLines(folder, {kStart, kMiddle, kBack, kEnd});
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  // Where she stood at each shot: on her cell, idle at both ends, stepping to the back right
  // on the way.
  const struct {
    int frame;
    GF::TPoint<int> cell;
    int state;
    const char* badge;
  } expected[] = {{kStart, {8, 9}, CPers::kIdle, "idle"},
                  {kMiddle, {9, 8}, CPers::kStepBack, "diagonal_up"},
                  {kBack, {8, 4}, CPers::kIdle, "idle"},
                  {kEnd, {8, 14}, CPers::kIdle, "idle"}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.frame);
    const CookSeen& cook = seen[e.frame];
    EXPECT_EQ(cook.cell, e.cell);
    EXPECT_EQ(cook.state, e.state);
    const GF::TPoint<float> p =
        FloorCellToPoint(KitchenFloor, static_cast<float>(e.cell.x), static_cast<float>(e.cell.y));
    EXPECT_EQ(cook.position.x, p.x);
    EXPECT_EQ(cook.scale, FloorDepthScale(KitchenFloor, p));
  }
  EXPECT_LT(seen[kBack].scale, seen[kStart].scale);
  EXPECT_LT(seen[kStart].scale, seen[kEnd].scale);

  const pm::test::KitchenShots shots(folder, {kStart, kMiddle, kBack, kEnd});
  ASSERT_TRUE(shots.IsLoaded());
  // Her badge over her hat tells her state; it is larger in front.
  int previous = 0;
  for (int frame : {kBack, kStart, kEnd}) {
    const int pixels = BadgePixels(shots[frame], seen[frame], "idle");
    EXPECT_GT(pixels, previous) << frame;
    previous = pixels;
  }
  EXPECT_GT(BadgePixels(shots[kMiddle], seen[kMiddle], "diagonal_up"), 40);
  EXPECT_EQ(BadgePixels(shots[kMiddle], seen[kMiddle], "idle"), 0);

  // Her feet on the floor point of her cell: the start shot differs from the shot at the
  // back (she has gone) just above the point, and not a little below it.
  const GF::TPoint<float> feet = FloorCellToPoint(KitchenFloor, 8.0f, 9.0f);
  const int fx = static_cast<int>(feet.x), fy = static_cast<int>(feet.y);
  EXPECT_GT(shots[kStart].CountDifferences(shots[kBack], fx - 10, fy - 8, fx + 10, fy), 80);
  EXPECT_EQ(shots[kStart].CountDifferences(shots[kBack], fx - 10, fy + 6, fx + 10, fy + 12), 0);

  // The mixer (standing at (260, 230)) works in the shot at the back and is idle again at
  // the end, as at the start.
  EXPECT_GT(shots[kStart].CountDifferences(shots[kBack], 212, 144, 308, 240), 200);
  EXPECT_EQ(shots[kStart].CountDifferences(shots[kEnd], 212, 144, 308, 240), 0);
}

}  // namespace

// The spot-the-difference field on the whole program, end to end: a host screen stands in for
// the game screen (it builds the level's room and plates, hands the left button to the field
// and drives it each frame) on the real engine headless in its deterministic mode, on the
// sample level "bonus_diference_1". The replay clicks the hint box away, waits out the
// count-down, then clicks the cup (a miss), the empty place across from the spoon, the apple,
// the vase and the book under the vase's copy: every difference found, the level closes won.
// Before the count-down both pictures appear behind a sweeping glow; a found difference and
// its copy pulse. PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CDiferenceGameField.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "platform/Engine.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/TestSupport.h"

namespace {

class CDifferenceHostScreen : public GF::HGENS::CMenuScreenAbstract {
 public:
  GF::THolder<CDiferenceGameField> field;

 protected:
  void OnInit() override {
    SetLevelInterfaceLayer(GetScene());
    field = GF::MakeHolder<CDiferenceGameField>();
    field->BuildHUD(GetLayout(), nullptr);
    if (!field->LoadLevel("bonus_diference_1")) return;
    m_room = GetScene()->CreateAnimation(field->GetLevelDescription()->SceneAnimationName());
    m_room->SetPosition(400.0f, 300.0f);
    m_room->Play("all", 0, false);
    field->SetupPlates(m_room);
    CMenuScreenAbstract::OnInit();
  }
  bool IdleUpdate(const float& dt) override {
    if (!CMenuScreenAbstract::IdleUpdate(dt)) return false;
    Engine* engine = hgeCreate(ENGINE_VERSION);
    const bool down = engine->GetKeyState(KEY_LBUTTON);
    engine->Release();
    if (down && !m_buttonDown) field->OnKeyDown(0x12);
    m_buttonDown = down;
    field->Update(dt);
    return true;
  }
  void OnDestroy() override {
    field->Shutdown();
    field.Reset();
    m_room.Reset();
    SetLevelInterfaceLayer(nullptr);
    CMenuScreenAbstract::OnDestroy();
  }

 private:
  GF::IAnimation::AnimationPtr m_room;
  bool m_buttonDown = false;
};

// What the replay does, by frame of 20 ms.
constexpr int kHintBox = 135;     // shot: the hint box over the room
constexpr int kOk = 140;          // its OK
constexpr int kSweep = 210;       // shot: the objects appear behind a glow (frames 176 to 255)
constexpr int kPlaying = 420;     // shot: both pictures, the mirror cursor across the mouse
constexpr int kSpoonFound = 452;  // shot: the spoon's copy pulsing in the right picture
constexpr int kBanner = 500;      // shot: the first-place banner
constexpr int kClosed = 640;      // shot: the room at night

struct Click {
  int frame;
  int x, y;
};
constexpr Click kClicks[] = {
    {430, 100, 250}, {440, 600, 150}, {460, 580, 350}, {470, 260, 330}, {480, 660, 330}};

// Runs the script on the host; `after` sees the host after each frame. Gives the log.
std::vector<std::string> RunHost(const std::string& script,
                                 const std::function<void(CDifferenceHostScreen&, int)>& after) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  CDifferenceHostScreen* host = nullptr;
  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    LoadGameDataFile();
    LoadLevelsDataFile();
    LoadLibraryDataFile();
    ResetProgressToDefault();
    manager.RegisterScreen("difference_host",
                           [] { return GF::THolder<GF::IScreen>(new CDifferenceHostScreen); });
    manager.CreateScreen("difference_host", "main_menu.game_screen", GF::THolder<GF::IScene>(),
                         nullptr);
    host = dynamic_cast<CDifferenceHostScreen*>(manager.TopScreen().Get());
    host->Activate();
  };
  run.after = [&](int frame) {
    if (host && host->field) after(*host, frame);
  };
  std::vector<std::string> log;
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  return log;
}

TEST(DifferenceFieldE2ETest, EveryDifferenceFoundClosesTheLevelWon) {
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("difference_won");
  std::map<int, int> found;  // after the frame
  GF::TPoint<float> mirror;
  bool finished = false;
  bool sweepShown = true, playingShown = false;
  float spoonScale = 0.0f;  // the spoon's copy, pulsing
  std::string script = "step 20\nframes " + std::to_string(kClosed + 2) + "\n";
  script += pm::test::ClickAt(kOk, 400, 332);
  script += "@" + std::to_string(kPlaying - 2) + " move 200 300\n";
  for (const Click& c : kClicks) script += pm::test::ClickAt(c.frame, c.x, c.y);
  const std::vector<int> shots = {kHintBox, kSweep, kPlaying, kSpoonFound, kBanner, kClosed};
  script += pm::test::KitchenShots::ScriptLines(folder, shots);
  const std::vector<std::string> log = RunHost(script, [&](CDifferenceHostScreen& host, int frame) {
    found[frame] = host.field->GetFound();
    if (frame == kSweep) sweepShown = host.field->GetObjects().front()->IsShown();
    if (frame == kPlaying) playingShown = host.field->GetObjects().front()->IsShown();
    if (frame == kSpoonFound)
      spoonScale = host.field->GetObjects().back()->HolderGetCast()->GetScale().x;
    if (frame == kPlaying) mirror = host.field->GetMirrorCursor()->GetPosition();
    finished = finished || host.field->IsFinished();
  });

  EXPECT_FALSE(sweepShown) << "counted shown once the sweep is over";
  EXPECT_TRUE(playingShown);
  EXPECT_GT(spoonScale, 1.2f);
  EXPECT_EQ(mirror.x, 600.0f);
  EXPECT_EQ(mirror.y, 300.0f);
  EXPECT_EQ(found[kClicks[0].frame + 2], 0) << "the cup has its twin";
  EXPECT_EQ(found[kClicks[1].frame + 2], 1) << "the spoon, by its empty place";
  EXPECT_EQ(found[kClicks[4].frame + 2], 4) << "the book under the vase's copy";
  EXPECT_TRUE(finished);
  EXPECT_EQ(std::count(log.begin(), log.end(), "BONUS bonus_diference_1 END result 101 count 4"),
            1);

  const pm::test::KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  // Mid-sweep the vase glows red, the apple on the right is still to come.
  EXPECT_GT(shot[kSweep].CountDifferences(shot[kPlaying], 240, 310, 280, 350), 200);
  EXPECT_GT(shot[kPlaying].CountDifferences(shot[kSweep], 560, 330, 600, 370), 200);
  // The spoon's empty place in the right picture is filled by its copy.
  EXPECT_GT(shot[kSpoonFound].CountDifferences(shot[kPlaying], 585, 135, 615, 165), 200);
  // The night falls over the room.
  EXPECT_GT(shot[kClosed].CountDifferences(shot[kPlaying], 20, 420, 120, 520), 5000);
}

// Left alone, the clock blinks in its last quarter and the level closes timed out at night.
TEST(DifferenceFieldE2ETest, TheTimeRunsOutWithoutAClick) {
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("difference_timed_out");
  // Step 50: the 60 s of the level end near frame 1320.
  constexpr int kBlinking = 1160, kNight = 1400;
  bool finished = false;
  std::string script = "step 50\nframes " + std::to_string(kNight + 2) + "\n";
  script += pm::test::ClickAt(60, 400, 332);
  script += pm::test::KitchenShots::ScriptLines(folder, {kBlinking, kNight});
  const std::vector<std::string> log = RunHost(script, [&](CDifferenceHostScreen& host, int) {
    finished = finished || host.field->IsFinished();
  });
  EXPECT_TRUE(finished);
  EXPECT_EQ(std::count(log.begin(), log.end(), "BONUS bonus_diference_1 END result 102 count 0"),
            1);
}

}  // namespace

// A level field on the whole program, end to end: a small host screen of the test's own
// stands in for the game screen (it makes the field, binds the HUD, loads the sample level,
// builds its kitchen and drives the field each idle frame) on the real engine headless in
// its deterministic mode, with the sample content beside the program. The replay pins the
// wall clock, clicks the delivery button and takes shots: the first must match its golden
// picture to the pixel, the others are checked at a few pixels. PANMASTER_SHOTS keeps
// the shots for a look.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleKitchenHud.h"

namespace {

using GF::THolder;
using Journal = std::vector<std::string>;

Journal* g_journal = nullptr;
bool g_hintBox = false;  // the level starts with a hint box

// The field of the replay: its start opens the level clock and offers the delivery button,
// or shows a hint box; a delivery says so over the plate and shows the first-place banner.
class CDemoField : public CGameFieldBase {
 public:
  void StartLevel() override {
    g_journal->push_back("start");
    if (g_hintBox) {
      ShowHintText(L"Serve every order in time!", 400.0f, 300.0f);
      Append(MakeExecuteAction(GF::MakeDelegate(this, &CDemoField::OnHintClosed)));
      return;
    }
    if (m_clockPanel) {
      m_clockPanel->SetVisible(true);
      m_clockPanel->Play("_work", 0, false);
    }
    if (m_deliveryButton) m_deliveryButton->SetEnabled(true);
    if (m_plate) m_plate->Play("_show", 1, false);
  }
  void OnHintClosed() { g_journal->push_back("hint closed"); }
  void OnDelivery() override {
    g_journal->push_back("delivery");
    m_deliveryButton->SetEnabled(false);
    ShowSpeechBalloon(L"Two pancakes, please!", {m_plate->GetPosition().x, 140.0f}, *this);
    ShowLevelCompleteBanner(*this, 1);
  }
};

// Stands in for the game screen: the field on the level interface layer of its own scene.
class CFieldHostScreen : public GF::HGENS::CMenuScreenAbstract {
 protected:
  void OnInit() override {
    SetLevelInterfaceLayer(GetScene());
    m_field = GF::MakeHolder<CDemoField>();
    m_field->BuildHUD(GetLayout(), THolder<GF::IScreen>(this));
    const bool loaded = m_field->LoadLevel("stage1_1");
    g_journal->push_back(loaded ? "loaded" : "missing");
    m_kitchen = GetScene()->CreateAnimation(m_field->GetLevelDescription()->SceneAnimationName());
    m_kitchen->SetPosition(400.0f, 300.0f);
    m_kitchen->Play("all", 0, false);
    m_field->SetupPlates(m_kitchen);
    CMenuScreenAbstract::OnInit();
  }
  bool IdleUpdate(const float& dt) override {
    if (!CMenuScreenAbstract::IdleUpdate(dt)) return false;
    m_field->Update(dt);
    return true;
  }
  void OnDestroy() override {
    m_field->Shutdown();
    m_field.Reset();
    m_kitchen.Reset();
    SetLevelInterfaceLayer(nullptr);
    CMenuScreenAbstract::OnDestroy();
  }

 private:
  THolder<CGameFieldBase> m_field;
  GF::IAnimation::AnimationPtr m_kitchen;
};

class CGameFieldBaseE2ETest : public pm::test::FrameworkServicesTest {
 protected:
  // Runs the script with the host screen made at start; returns the journal.
  Journal Run(const std::string& script, bool hintBox = false) {
    Journal journal;
    g_journal = &journal;
    g_hintBox = hintBox;
    pm::test::ScriptedRun run;
    run.init = [](GF::HGENS::CGameManager& manager) {
      LoadGameDataFile();
      LoadLevelsDataFile();
      ResetProgressToDefault();
      manager.RegisterScreen("field_host",
                             [] { return THolder<GF::IScreen>(new CFieldHostScreen); });
      manager.CreateScreen("field_host", "main_menu.game_screen", THolder<GF::IScene>(), nullptr);
      manager.TopScreen()->Activate();
    };
    pm::test::RunScripted(script, run);
    g_journal = nullptr;
    return journal;
  }
};

// Pixels of a clock hand (red or brown, unlike the white face and the blue second hand)
// along a ray from the wall clock's centre at the angle of the time.
int HandPixels(const pm::test::Shot& shot, float angle, float from, float to) {
  int count = 0;
  for (float r = from; r <= to; r += 1.0f) {
    const int x = static_cast<int>(std::lround(KitchenPlaces::clockX + r * std::sin(angle)));
    const int y = static_cast<int>(std::lround(KitchenPlaces::clockY - r * std::cos(angle)));
    count += (shot.At(x, y) >> 8 & 0xFF) < 110;
  }
  return count;
}

// Green is the button's enabled look, grey its disabled one.
bool IsGreen(std::uint32_t rgb) {
  return (rgb >> 8 & 0xFF) > (rgb >> 16 & 0xFF) + 30;
}

TEST_F(CGameFieldBaseE2ETest, TheKitchenAndItsHudShowTheTimeAndTheDeliveryButtonServes) {
  const std::filesystem::path folder = pm::test::ShotFolder("field");
  const std::string shots = folder.string() + "/";
  const Journal journal =
      Run("time 09:41:00\nframes 110\n"
          "@10 move 120 450\n"
          "@40 shot " +
          shots +
          "kitchen.png\n"
          "@50 move 390 200\n"
          "@55 shot " +
          shots +
          "over.png\n"
          "@60 buttondown 1\n@62 buttonup 1\n"
          "@100 shot " +
          shots + "served.png\n");
  EXPECT_EQ(journal, (Journal{"loaded", "start", "delivery"}));

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    EXPECT_TRUE(
        pm::test::MatchesGolden(*engine, folder / "kitchen.png",
                                std::filesystem::path(PANMASTER_GOLDEN_DIR) / "field_kitchen.png"));
    const pm::test::Shot kitchen(*engine, folder / "kitchen.png");
    ASSERT_TRUE(kitchen.IsLoaded());
    // 09:41:00 on the wall clock: the hour hand just short of ten, the minute hand at 41,
    // the second hand (blue) at 12.
    constexpr float pi = std::numbers::pi_v<float>;
    EXPECT_GT(HandPixels(kitchen, (9.0f + 41.0f / 60.0f) * pi / 6.0f, 6.0f, 16.0f), 8);
    EXPECT_GT(HandPixels(kitchen, 41.0f * pi / 30.0f, 6.0f, 20.0f), 12);
    EXPECT_EQ(HandPixels(kitchen, 0.0f, 6.0f, 20.0f), 0);
    EXPECT_EQ(HandPixels(kitchen, pi / 2.0f, 6.0f, 20.0f), 0) << "nothing points at 3";
    // The floor's tiles lie on the levels' floor: at y 300 its left edge is at x 109.3.
    EXPECT_NE(kitchen.At(115, 300), kitchen.At(103, 300));
    EXPECT_EQ(kitchen.At(103, 300), kitchen.At(60, 300)) << "beside the floor";
    // The delivery item over the plate, enabled and up.
    const int buttonX = static_cast<int>(KitchenPlaces::plateX) - 40;
    const int buttonY = static_cast<int>(KitchenPlaces::plateY) - 28;
    EXPECT_TRUE(IsGreen(kitchen.At(buttonX, buttonY)));

    const pm::test::Shot over(*engine, folder / "over.png");
    ASSERT_TRUE(over.IsLoaded());
    EXPECT_TRUE(IsGreen(over.At(buttonX, buttonY)));
    EXPECT_NE(over.At(buttonX, buttonY), kitchen.At(buttonX, buttonY)) << "lit under the cursor";

    // After the click: the button is disabled (grey), a balloon speaks above the plate and
    // the first-place banner stands in the middle.
    const pm::test::Shot served(*engine, folder / "served.png");
    ASSERT_TRUE(served.IsLoaded());
    EXPECT_FALSE(IsGreen(served.At(buttonX, buttonY)));
    EXPECT_GT(served.Count(440, 64, 580, 110, 240, false), 1500) << "the white balloon";
    EXPECT_GT(served.Count(220, 260, 580, 340, 200, false), 3000) << "the golden banner";
  }
  engine->Shutdown();
  engine->Release();
}

TEST_F(CGameFieldBaseE2ETest, AHintBoxStaysUntilItsButtonIsClickedAndThenHides) {
  const std::filesystem::path folder = pm::test::ShotFolder("hint");
  const std::string shots = folder.string() + "/";
  const std::string script = "frames 100\n@4 shot " + shots + "before.png\n@5 move 400 332\n" +
                             "@40 shot " + shots + "hint.png\n@50 buttondown 1\n@52 buttonup 1\n" +
                             "@60 shot " + shots + "hiding.png\n@90 shot " + shots + "closed.png\n";
  const Journal journal = Run(script, true);
  EXPECT_EQ(journal, (Journal{"loaded", "start", "hint closed"}));

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    const pm::test::Shot before(*engine, folder / "before.png");
    const pm::test::Shot hint(*engine, folder / "hint.png");
    const pm::test::Shot hiding(*engine, folder / "hiding.png");
    const pm::test::Shot closed(*engine, folder / "closed.png");
    ASSERT_TRUE(before.IsLoaded() && hint.IsLoaded() && hiding.IsLoaded() && closed.IsLoaded());
    // Pixels of the box's rectangle that differ between two shots.
    auto boxChanges = [](const pm::test::Shot& a, const pm::test::Shot& b) {
      return a.CountDifferences(b, 266, 240, 530, 360);
    };
    EXPECT_GT(boxChanges(hint, before), 20000) << "the box stands in the middle";
    EXPECT_GT(hint.Count(280, 300, 520, 310, 245, false), 200) << "its white face";
    const std::uint32_t ok = hint.At(340, 325);
    EXPECT_GT(ok & 0xFF, (ok >> 16 & 0xFF) + 60) << "and the blue OK button";
    EXPECT_GT(boxChanges(hiding, hint), 5000) << "fading after the click";
    EXPECT_GT(boxChanges(hiding, closed), 5000);
    EXPECT_EQ(boxChanges(closed, before), 0) << "gone after its fade";
  }
  engine->Shutdown();
  engine->Release();
}

}  // namespace

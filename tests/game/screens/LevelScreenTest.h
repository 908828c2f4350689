#pragma once

// The in-level game screen on the real program, headless, started on a level as its command
// line starts it (the test level, then the "test_starting" rule), on the sample levels. The
// game screen is a probe of the real one that shows its curtain flag; a test may add levels
// and stages to the data before the screen is made.

#include <functional>
#include <string>

#include "framework/engine/app/Services.h"
#include "game/app/LevelsData.h"
#include "game/kitchen/CDiferenceGameField.h"
#include "game/screens/CGameScreen.h"
#include "platform/OsServices.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/ReplayScript.h"

namespace pm::test {

class CProbeGameScreen : public CGameScreen {
 public:
  using CGameScreen::HasNoEffect;
};

class LevelScreenTest : public GameScreenTest {
 protected:
  static constexpr const char* kLayout = "main_menu.game_screen";
  // The sample's spot-the-difference level: the OK of its hint box and the frame (of 20 ms)
  // by which its count-down is over and the game screen shown again after its "show_manual".
  static constexpr const char* kDifference = "bonus_diference_1";
  static constexpr int kHintOk = 200;
  static constexpr int kPlaying = 520;

  void SetUp() override {
    GameScreenTest::SetUp();
    testScreens.push_back({"GameScreen", [] {
                             return GF::THolder<GF::IScreen>(GF::MakeHolder<CProbeGameScreen>());
                           }});
    reopens = [](const std::string& result) { return result == "show_manual"; };
  }
  void TearDown() override {
    StartOn("");
    GameScreenTest::TearDown();
  }

  // Runs the script on the level; `beforeScreen` changes the loaded data before the game
  // screen is made.
  void RunLevel(const std::string& key, const std::string& script,
                std::function<void(int frame)> after = {},
                std::function<void()> beforeScreen = {}) {
    StartOn(key);
    onCreated = [beforeScreen](GF::IScreen& screen) {
      if (beforeScreen && screen.GetName() == "GameScreen") beforeScreen();
    };
    Run("GameScreen", kLayout, script, std::move(after));
  }

  // The game screen while it is on top, else null.
  static CProbeGameScreen* Screen() {
    return dynamic_cast<CProbeGameScreen*>(GF::HGENS::GetGameManager()->TopScreen().Get());
  }
  static CDiferenceGameField* DifferenceField() {
    const CProbeGameScreen* screen = dynamic_cast<CProbeGameScreen*>(
        GF::HGENS::GetGameManager()->FindScreen("GameScreen").Get());
    return screen ? dynamic_cast<CDiferenceGameField*>(screen->GetField().Get()) : nullptr;
  }
  // The field's own reveal of the objects (the devices' sweep) is still to come: the test
  // shows them once the intro is over, as the sweep leaves them.
  static void RevealDifferences() {
    CDiferenceGameField* field = DifferenceField();
    if (!field || !field->IsIntroDone()) return;
    for (const auto& object : field->GetObjects()) object->SetShown(true);
  }

  // Up to the count-down's end on the spot-the-difference level: the hint box clicked away.
  static std::string DifferenceIntro(int frames) {
    return "frames " + std::to_string(frames) + "\n" + ClickAt(kHintOk, 400, 332);
  }

 private:
  static void StartOn(const std::string& key) {
    (*GF::HGENS::GetGameProperties())["TestLevelFromLevelEditor"] = Os::Utf8ToUtf16(key);
  }
};

}  // namespace pm::test

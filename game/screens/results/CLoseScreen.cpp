#include "game/screens/results/CLoseScreen.h"

#include <string>

#include "framework/engine/screens/CBaseControl.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/LevelProgress.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

constexpr int kFailedSound = 18;
constexpr float kCurtainDelay = 1250.0f;  // ms, while the curtain still opens

// The controls of the two cases: a level never passed, or passed before.
struct MenuItemRow {
  const char* control;
  const char* command;
  bool whenPassed;
};
constexpr MenuItemRow kItems[] = {
    {"replay", "replay", false},
    {"menu", "map", false},
    {"replay_2", "replay", true},
    {"continue", "next", true},
};

int BestPlace() {
  return CurrentLevelRecord().BestPlace;
}

class CLoseScreen final : public CResultScreen {
 protected:
  void OnInit() override {
    CResultScreen::OnInit();
    ShowResult("main_menu.ribbon_4");
    const bool passed = IsLevelPassed(BestPlace());
    for (const MenuItemRow& item : kItems) {
      // A control the layout lacks is left out.
      if (!GF::HGENS::LayoutHasPart(GetLayout(), "_item_" + std::string(item.control))) continue;
      AddMenuItem(item.control, item.command, false, kUsualFlags);
      if (item.whenPassed != passed) GetControl(item.control)->SetEnabled(false);
    }
  }

  void StartShow() override {
    CResultScreen::StartShow();
    AppendAfterOpening(0.0f, kCurtainDelay, MakePlaySoundActionById(kFailedSound));
  }

  void OnShown() override {
    CResultScreen::OnShown();
    PlayMusic("music_game_menu");
  }

  void OnCommand(const std::string& command) override {
    if (command == "replay" && ReplayKeepsLevel(BestPlace(), GetCurrentStageNumber()))
      KeepLevelForReplay();
  }
};

}  // namespace

GF::THolder<GF::IScreen> CreateLoseScreen() {
  return GF::MakeHolder<CLoseScreen>();
}

bool IsLevelPassed(int bestPlace) {
  return bestPlace >= 1 && bestPlace <= 3;
}

bool ReplayKeepsLevel(int bestPlace, int stage) {
  if (stage <= 5) return IsLevelPassed(bestPlace);
  return stage == 6 && bestPlace >= 1 && bestPlace <= 2;
}

#include "game/screens/results/CDuelLoseScreen.h"

#include <string>

#include "framework/engine/screens/CBaseControl.h"
#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/results/DuelScreenParts.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

// The controls of the two cases: a duel never won, or won before.
struct DuelItemRow {
  const char* control;
  const char* command;
  bool whenWon;
};
constexpr DuelItemRow kItems[] = {
    {"replay", "replay", false},
    {"map", "map", false},
    {"replay_2", "replay", true},
    {"continue", "next", true},
};

// Won before: the level's best place is exactly the first.
bool WasWon() {
  return CurrentLevelRecord().BestPlace == 1;
}

class CDuelLoseScreen final : public CCurtainScreen {
 protected:
  void OnInit() override {
    PlayMusic("music_game_menu");
    CCurtainScreen::OnInit();
    FillDuelCard(GetLayout(), DuelLostCountry(CurrentLevelOrders()),
                 DuelTimeText(CurrentLevelRecord().Number2));
    const bool won = WasWon();
    for (const DuelItemRow& item : kItems)
      AddMenuItem(item.control, item.command, false, kUsualFlags);
    for (const DuelItemRow& item : kItems) {
      const GF::THolder<GF::HGENS::CBaseControl> control = GetControl(item.control);
      if (control && item.whenWon != won) control->SetEnabled(false);
    }
    if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
  }

  // The template's "show_manual", and every command passes on unchanged; "replay" after a
  // duel won before plays this very level again.
  void OnCommand(const std::string& command) override {
    CCurtainScreen::OnCommand(command);
    if (command == "replay" && WasWon()) KeepLevelForReplay();
  }
};

}  // namespace

GF::THolder<GF::IScreen> CreateDuelLoseScreen() {
  return GF::MakeHolder<CDuelLoseScreen>();
}

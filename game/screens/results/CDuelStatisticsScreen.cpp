#include "game/screens/results/CDuelStatisticsScreen.h"

#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/MenuRows.h"
#include "game/screens/results/DuelScreenParts.h"

namespace {

constexpr MenuItemRow kItems[] = {{"continue", "next"}};

class CDuelStatisticsScreen final : public CCurtainScreen {
 protected:
  void OnInit() override {
    CCurtainScreen::OnInit();
    const AnimationPtr layout = GetLayout();
    if (layout) layout->SetLayer(ScreenLayerBase);
    FillDuelCard(layout, GetCurrentStageNumber(),
                 DuelPointsText(CurrentProfile().Floats[ProfileFloat::LevelPoints]));
    AddMenuItems(*this, kItems);
  }

  void OnShown() override {
    PlayMusic("music_game_menu");
    CCurtainScreen::OnShown();
  }
};

}  // namespace

GF::THolder<GF::IScreen> CreateDuelStatisticsScreen() {
  return GF::MakeHolder<CDuelStatisticsScreen>();
}

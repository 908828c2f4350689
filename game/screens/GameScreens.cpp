#include "game/screens/GameScreens.h"

#include "framework/engine/screens/CConfirmMenuScreen.h"
#include "framework/engine/screens/CNewPlayerMenuScreen.h"
#include "framework/engine/screens/CPublisherScreen.h"
#include "game/screens/CWindowShadesEffect.h"

namespace {

// One row per screen class, in the order a game meets them; a name without a class stays
// unregistered.
constexpr ScreenTableRow kGameScreens[] = {
    // The framework's classes, until the game's own take these names.
    {"PublisherScreen", GF::HGENS::CreatePublisherScreen},
    {"confirm_screen", GF::HGENS::CreateConfirmMenuScreen},
    {"new_player_screen", GF::HGENS::CreateNewPlayerMenuScreen},
};

}  // namespace

ScreenTable GetGameScreens() {
  return {kGameScreens, ReleaseGameScreenParts};
}

void ReleaseGameScreenParts() {
  CWindowShadesEffect::ReleaseShared();
}

#pragma once

#include "game/screens/menus/CCookOptionsMenuScreen.h"

// The pause menu of a level ("InGameMenuScreen"): the options with continue, main menu, map
// and replay in place of "ok".
class CIngameMenuScreen : public CCookOptionsMenuScreen {
 public:
  CIngameMenuScreen();
};

GF::THolder<GF::IScreen> CreateInGameMenuScreen();

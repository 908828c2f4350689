#include "game/screens/CShowHideEffectScreen.h"

// Compiled once here for every screen of the game.
template class CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>;
template class CShowHideEffectScreen<CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>, 1>;
template class CShowHideEffectScreen<CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>, 0>;
template class CShowHideEffectScreen<GF::HGENS::CConfirmMenuScreen, 1>;

#pragma once

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"

// "DuelStatisticsScreen": after a duel won, the duel's dish in its plate, the stage's
// country, the round and the player's points; "continue" goes on.
GF::THolder<GF::IScreen> CreateDuelStatisticsScreen();

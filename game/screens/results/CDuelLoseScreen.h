#pragma once

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"

// "DuelLoseScreen": after a duel lost, the duel's dish in its plate, the rival's country,
// the round and the time of the play; replay or the map for a duel never won, replay or
// continue for one won before.
GF::THolder<GF::IScreen> CreateDuelLoseScreen();

#pragma once

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"

// "LoseScreen": after a failed level, the fourth ribbon, the stage's country and the level's
// figures; replay or back to the map for a level never passed, replay or continue for one
// passed before; a sound once the curtain is open.
GF::THolder<GF::IScreen> CreateLoseScreen();

// A level counts as passed before with a best place of 1 to 3.
bool IsLevelPassed(int bestPlace);

// Whether "replay" keeps the current level as the one to play next, by the level's best
// place and the stage number: a passed level up to stage 5, a first or second place in
// stage 6, never in stage 7.
bool ReplayKeepsLevel(int bestPlace, int stage);

#pragma once

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"

// "StatisticsScreen": after a level won with a place, the place's ribbon, the stage's
// country, the level's figures, the best place lowered, and replay or continue; a win
// particle two seconds into the opening.
GF::THolder<GF::IScreen> CreateStatisticsScreen();

#pragma once

#include "game/app/ScreenTable.h"

// The game's screen classes by the names the flow rules open them under, and the release of
// what they share: the table the program hands to the application. The one place that knows
// every screen class; screens reach each other only by command and flow rule.
ScreenTable GetGameScreens();

// Drops what the screens share (the curtain): after the screens are destroyed, before the
// engine shuts down.
void ReleaseGameScreenParts();

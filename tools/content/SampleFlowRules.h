#pragma once

#include "game/app/GameData.h"

// The sample game's whole flow-rule table (section 15 of "gamedata.bin"), appended to the data's
// rules: the start-up events, then every command of every screen, kind by kind. Within one
// screen and command the order counts: the scan applies each matching rule's actions as it goes,
// so later conditions see them, and the last matching target wins.
void AddFlowRules(GameData& data);

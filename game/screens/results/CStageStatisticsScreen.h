#pragma once

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"
#include "game/app/LevelProgress.h"

// "StageStatisticsScreen": the end of a stage of the tournament. The competitors ranked by
// their points over the stage's levels: the cup places as big figures with their points and
// cups, the others still in the tournament on a row of small ribbons, the stage's country.
// The player's cup rises with sparkles, and only then may the player continue. Who drops
// out goes to profile float 18 for "LoserScreen".
GF::THolder<GF::IScreen> CreateStageStatisticsScreen();

// The eight competitors (ids 0 to 7) over the stage's levels, best first; the player starts
// at 0.1, so a rival with the same points ranks below. Scores of other ids are ignored.
std::vector<StageStanding> BuildStandings(const std::string& stageKey);

// Who drops out at the end of stage number `stage`: the id of the standing at index
// 8 - stage, or `current` when no standing is there.
float DroppedOutCompetitor(const std::vector<StageStanding>& standings, int stage, float current);

// The row of small ribbons after the cup places, lowest place first: the standings from
// index `first` down to 3, `count` of them, the first at `x` and each next `step` further
// right. `k` is the stage of the pictures (profile float 1 less one), `width` a ribbon's.
struct RibbonRow {
  int first = 0;
  int count = 0;
  int x = 0;
  int step = 0;
};
RibbonRow LayRibbonRow(int k, int width, float gap);

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "game/app/LevelDescription.h"
#include "game/app/StageDescription.h"
#include "game/app/UpgradeRecord.h"

// The current player's way through the levels and stages of "levelsdata.bin": which level
// comes next, what the end of a level books, and the stage upgrades it grants.

// Looked up without adding records for unknown keys: the level's and the stage's
// descriptions (empty ones, all values 0, when unknown), the upgrade of a level index, and
// the level count of a stage.
const LevelDescription& FindLevel(const std::string& levelKey);
const StageDescription& FindStage(const std::string& stageKey);
const UpgradeRecord& FindUpgrade(std::int32_t levelIndex);
int LevelCountOfStage(const std::string& stageKey);

// The test level of "levelsdata.bin", else the level-key override, else the secondary key,
// else "stage<stage number>_<level in stage>".
std::string GetCurrentLevelKey();
// The key of the stage with that number, or "" (the smallest key when several have it).
std::string GetStageKey(int stageNumber);
// The number of the stage of that key, or 0.
int GetStageNumber(const std::string& stageKey);
// The number of the stage that the current level (string 11) belongs to, or 0.
int GetCurrentStageNumber();

// Books the end of a level from the place reached (float 5): passed or failed by the rules
// of the current stage, the best place and a stage upgrade for a first first place, then
// saved. A bonus result or no place books nothing and saves nothing.
void UpdateLevelProgress();
// Grants the upgrade that the level's index names, once per player; true when it did (or, for
// the indices that name none, when the current level is the stage's last).
bool GrantStageUpgrade(const std::string& levelKey);
// store: the current stage record takes float 3 and the block is saved; else float 3 takes
// the record's value.
void SyncStageUpgrade(bool store);
// The player's place (1 = first) among the competitors of the stage by their total points
// over its levels; 0 when the player has none. Equal totals rank the player first.
int GetPlayerPlace(const std::string& stageKey);

// The tournament's competitors are ids 0 to 7; the player is one of them.
inline constexpr std::int32_t PlayerCompetitorId = 6;
inline constexpr std::int32_t CompetitorCount = 8;

// A competitor's points over the levels of a stage.
struct StageStanding {
  std::int32_t CompetitorId = 0;
  float Total = 0.0f;

  bool operator==(const StageStanding&) const = default;
};

// Each competitor id's points over the player's records of the stage's levels.
std::map<std::int32_t, float> StageTotals(const std::string& stageKey);
// Greatest total first, the player ahead of an equal total, other equal totals in the order
// given; a NaN total ranks last, so the order stays strict and runs repeat.
void RankStandings(std::vector<StageStanding>& standings);

#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/CInputStream.h"
#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/THolder.h"
#include "game/app/BonusDescription.h"
#include "game/app/CookBookGroup.h"
#include "game/app/LevelDescription.h"
#include "game/app/RecipeRecord.h"
#include "game/app/StageDescription.h"
#include "game/app/UpgradeRecord.h"

// The levels database: everything "levelsdata.bin" holds, in the order of its sections.
// Lookups use the maps' insert-or-find (operator[]): a missing key adds an empty record.
struct LevelsData {
  std::unordered_map<std::int32_t, UpgradeRecord> UpgradeTable;   // 1, by level index
  std::string TestLevelKey;                                       // 2
  std::unordered_map<std::int32_t, BonusDescription> BonusTable;  // 3, by kind
  std::unordered_map<std::string, RecipeRecord> RecipeTable;      // 4, by recipe key
  std::unordered_map<std::string, StageDescription> StageTable;   // 5, by stage key
  std::unordered_map<std::string, LevelDescription> LevelTable;   // 6, by level key
  std::vector<CookBookGroup> CookBookGroups;                      // 7
  std::vector<float> CookBookLayoutValues;                        // 8

  bool operator==(const LevelsData&) const = default;
};

// The loaded database, empty until the file is read; read once at start-up.
extern LevelsData LevelsDatabase;

// Reads sections 1 to 8 into data, which should be empty. Returns null on success, else the
// name of the first section that failed. Levels are read as they are (see DropFaultyLevels).
const char* ReadLevelsData(GF::CStreamReader& in, LevelsData& data);
void WriteLevelsData(GF::COutputStream& out, const LevelsData& data);

// Removes every level that the game cannot play (LevelDescription::Fault), with a log line
// naming it; the others stay.
void DropFaultyLevels(LevelsData& data);

// Reads "levelsdata.bin" into a fresh database, drops its faulty levels, and puts it in place
// only when the whole file read cleanly; a damaged file is logged and changes nothing.
bool LoadLevelsData(GF::CInputStream& in);
bool LoadLevelsData(GF::THolder<GF::IDataInputStream> stream);
// "levelsdata.bin" from "Binary_2\" or else "Binary\"; false when missing or damaged.
bool LoadLevelsDataFile();

// The global names of the tables.
inline constexpr auto& UpgradeTable = LevelsDatabase.UpgradeTable;
inline constexpr auto& TestLevelKey = LevelsDatabase.TestLevelKey;
inline constexpr auto& BonusTable = LevelsDatabase.BonusTable;
inline constexpr auto& RecipeTable = LevelsDatabase.RecipeTable;
inline constexpr auto& StageTable = LevelsDatabase.StageTable;
inline constexpr auto& LevelTable = LevelsDatabase.LevelTable;
inline constexpr auto& CookBookGroups = LevelsDatabase.CookBookGroups;
inline constexpr auto& CookBookLayoutValues = LevelsDatabase.CookBookLayoutValues;

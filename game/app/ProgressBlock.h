#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// A player's results in one level.
struct LevelRecord {
  float Number1 = 0.0f;
  std::int32_t BestPlace = 0;  // 0 = none yet; 1 = first
  bool Flag = false;
  float Number2 = 0.0f;
  std::map<std::int32_t, float> Scores;  // competitor id -> points; id 6 is the player

  bool operator==(const LevelRecord&) const = default;
};

// A player's results in one stage.
struct StageRecord {
  std::vector<std::int32_t> UpgradeIds;
  std::map<std::string, std::string> Items;
  std::string Text;
  std::int32_t Upgrade = 0;

  bool operator==(const StageRecord&) const = default;
};

struct PlayerProfile {
  std::string LastGrantedItem;
  std::vector<std::string> UpgradeNames;
  std::map<std::string, bool> Flags;
  std::map<std::int32_t, std::int32_t> TipCounts;
  std::map<std::string, LevelRecord> LevelRecords;
  std::map<std::int32_t, float> Floats;
  std::map<std::int32_t, std::string> Strings;
  std::wstring Name;
  std::map<std::string, bool> Unlocked;
  std::vector<std::string> ExtraNames;
  std::string StageKey;
  std::vector<std::int32_t> StageValues;
  std::map<std::string, StageRecord> StageRecords;

  bool operator==(const PlayerProfile&) const = default;

  // The names the screens give the fields: the recipes the last level added to the cook
  // book, in order.
  std::vector<std::string>& NewRecipes() { return ExtraNames; }
};

// Every profile with the current player and the score list: the default block of
// "gamedata.bin" and the saved block of the settings file share this format.
struct ProgressBlock {
  std::int32_t Version = 0;
  std::wstring CurrentPlayer;
  std::map<std::wstring, PlayerProfile> Players;
  std::vector<std::pair<std::string, float>> Scores;

  bool operator==(const ProgressBlock&) const = default;
};

void ReadLevelRecord(GF::CStreamReader& in, LevelRecord& record);
void ReadStageRecord(GF::CStreamReader& in, StageRecord& record);
void ReadPlayerProfile(GF::CStreamReader& in, PlayerProfile& profile);
// Reads a whole block into block; players are stored under their Name.
void ReadProgressBlock(GF::CStreamReader& in, ProgressBlock& block);
void WriteLevelRecord(GF::COutputStream& out, const LevelRecord& record);
void WriteStageRecord(GF::COutputStream& out, const StageRecord& record);
void WritePlayerProfile(GF::COutputStream& out, const PlayerProfile& profile);
void WriteProgressBlock(GF::COutputStream& out, const ProgressBlock& block);

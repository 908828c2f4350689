#pragma once

#include <cstdint>
#include <string>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// A stage upgrade: a dress or another reward that the first place of a level grants.
struct UpgradeRecord {
  std::int32_t Value1 = 0;  // the number shown in locked texts
  std::int32_t StageNumber = 0;
  std::string ItemName;
  std::int32_t UpgradeId = 0;   // stage upgrade level and the cook's dress index
  std::int32_t LevelIndex = 0;  // key: the level whose first place grants it
  std::string Name;             // chooses the effect ("UPG_Bonus_Points", ...)

  bool operator==(const UpgradeRecord&) const = default;

  // What GrantStageUpgrade records as the granted item: the item name.
  const std::string& Text() const { return ItemName; }
};

void ReadUpgradeRecord(GF::CStreamReader& in, UpgradeRecord& upgrade);
void WriteUpgradeRecord(GF::COutputStream& out, const UpgradeRecord& upgrade);

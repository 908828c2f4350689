#pragma once

#include <cstdint>
#include <string>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// One in-game tip (section 11 of "gamedata.bin").
struct TipRecord {
  std::int32_t NextTip = 0;  // index into TipRecords of the follow-up tip; -1 = none
  std::string Name;          // text-table key of the tip's text
  bool TriggerFlag = false;  // must equal the flag of the trigger call
  std::int32_t TriggerId = 0;
  bool ShowInWindow = false;  // true: the "HintScreen" window; false: a balloon
  std::int32_t MaxShows = 0;  // per player; -1 = without limit
  bool PlaysOnce = false;     // balloon only: plays once and closes itself
  std::string SecondName;     // balloon: sprite resource; window: layout name

  bool operator==(const TipRecord&) const = default;
};

void ReadTipRecord(GF::CStreamReader& in, TipRecord& tip);
void WriteTipRecord(GF::COutputStream& out, const TipRecord& tip);

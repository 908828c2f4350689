#pragma once

#include <cstdint>
#include <string>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// A stage of the progress map, or a bonus-level type (whose stage key is the type name).
struct StageDescription {
  std::int32_t Value1 = 0;
  std::int32_t LevelCount = 0;   // the last level number of the stage
  std::int32_t StageNumber = 0;  // 1..7 on the map
  std::string StageKey;

  bool operator==(const StageDescription&) const = default;

  // The map screens read the first number as a competitor number (0 on stages that end
  // with a comic).
  std::int32_t CompetitorNumber() const { return Value1; }
};

void ReadStageDescription(GF::CStreamReader& in, StageDescription& stage);
void WriteStageDescription(GF::COutputStream& out, const StageDescription& stage);

#pragma once

#include <cstdint>
#include <string>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// A power-up bonus that customers may bring.
struct BonusDescription {
  std::string Name;  // its icon and texts
  std::string SecondName;
  float Duration = 0.0f;
  // Key: 0 time freeze, 1 cook-time decrease, 2 stop timer, 3 quality, 4 light next
  // ingredient, 5 random bonus.
  std::int32_t Kind = 0;

  bool operator==(const BonusDescription&) const = default;
};

void ReadBonusDescription(GF::CStreamReader& in, BonusDescription& bonus);
void WriteBonusDescription(GF::COutputStream& out, const BonusDescription& bonus);

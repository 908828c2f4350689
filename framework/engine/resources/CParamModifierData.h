#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/CContainerRef.h"

namespace GF::HGENS {

// One periodic parameter modifier as the resource script declares it: the kind, two ints,
// two floats (radians for kind 1) and the period range in seconds.
struct CParamModifierData {
  int32_t kind = 0;
  int32_t a = 0;
  int32_t b = 0;
  float f1 = 0.0f;
  float f2 = 0.0f;
  float periodMin = 0.0f;
  float periodMax = 0.0f;
};

// The shared list of an object data's modifiers.
using CParamModifierList = GF::CContainerRef<std::vector<CParamModifierData>>;

}  // namespace GF::HGENS

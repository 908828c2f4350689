#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// One step of a dish, or one own item of a catalogue object.
struct RecipeItem {
  std::wstring DisplayName;
  // Milliseconds the cook works at the device for this step; non-zero also makes the step
  // one done in its turn, 0 an item delivered in any order.
  std::int32_t WorkTime = 0;
  std::string ObjectName;  // catalogue key of the device, ingredient or dish

  bool operator==(const RecipeItem&) const = default;
};

void ReadRecipeItem(GF::CStreamReader& in, RecipeItem& item);
void WriteRecipeItem(GF::COutputStream& out, const RecipeItem& item);

// Smallest encoding of a RecipeItem: two empty strings and the work time.
constexpr std::size_t MinRecipeItemBytes = 6;

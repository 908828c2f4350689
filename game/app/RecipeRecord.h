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

// One dish of the restaurant.
struct RecipeRecord {
  std::wstring DisplayName;  // shown in the order bubble and the cook book
  std::string Name2;
  std::wstring Text;
  std::int32_t Value1 = 0;
  std::int32_t Value2 = 0;
  std::int32_t Payment = 0;  // price; 0 = none (the order pays half its item count)
  std::string Name3;
  std::wstring Text2;
  std::vector<std::int32_t> Numbers;
  std::string RecipeKey;  // key; the order records name their dish by it
  std::int32_t Value3 = 0;
  std::vector<RecipeItem> Items;  // the steps in order

  bool operator==(const RecipeRecord&) const = default;

  // The names the recipe and cook-book screens give the fields.
  const std::wstring& RecipeText() const { return DisplayName; }
  const std::wstring& NameText() const { return Text2; }  // under the picture, printed heading
  const std::string& PictureName() const { return Name2; }
};

void ReadRecipeItem(GF::CStreamReader& in, RecipeItem& item);
void WriteRecipeItem(GF::COutputStream& out, const RecipeItem& item);
void ReadRecipeRecord(GF::CStreamReader& in, RecipeRecord& recipe);
void WriteRecipeRecord(GF::COutputStream& out, const RecipeRecord& recipe);

// Smallest encoding of a RecipeItem: two empty strings and the work time.
constexpr std::size_t MinRecipeItemBytes = 6;

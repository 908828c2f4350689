#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// One page entry of a cook-book group; the cook-book screen lays its pages out from these.
struct CookBookEntry {
  bool Flag1 = false;
  std::int32_t Value1 = 0;
  bool Flag2 = false;
  bool Flag3 = false;
  float Value2 = 0.0f;
  float LayoutScale = 0.0f;      // scale for the layout value
  std::int32_t LayoutIndex = 0;  // 1-based into the layout values; 0 = none
  float Value3 = 0.0f;
  std::wstring Text;
  bool Flag4 = false;
  bool Flag5 = false;
  std::int32_t LayoutMode = 0;
  std::string Name;
  float BasePosition = 0.0f;

  bool operator==(const CookBookEntry&) const = default;

  // The entry's layout value, or none for an index of 0 or outside the values, and for a
  // value of -1.0.
  std::optional<float> LayoutValue(const std::vector<float>& layoutValues) const;
};

// One group (tab) of the cook book.
struct CookBookGroup {
  bool Flag1 = false;
  bool Flag2 = false;
  bool Flag3 = false;
  std::vector<CookBookEntry> Entries;
  std::string Name;  // looked up in the player's profile and in the recipe table

  bool operator==(const CookBookGroup&) const = default;
};

void ReadCookBookEntry(GF::CStreamReader& in, CookBookEntry& entry);
void ReadCookBookGroup(GF::CStreamReader& in, CookBookGroup& group);
void WriteCookBookEntry(GF::COutputStream& out, const CookBookEntry& entry);
void WriteCookBookGroup(GF::COutputStream& out, const CookBookGroup& group);

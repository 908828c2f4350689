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

  // The fields as the page layout reads them, in file order.
  bool NewSpreadAfter() const { return Flag1; }  // the next entry starts a left-hand page
  std::int32_t VerticalAlignment() const { return Value1; }
  bool NoAdvance() const { return Flag2; }
  bool InFlow() const { return Flag3; }
  float VerticalGap() const { return Value2; }
  float HorizontalOffset() const { return LayoutScale; }
  std::int32_t Column() const { return LayoutIndex; }
  float MaximumWidth() const { return Value3; }
  bool PageBreakAfter() const { return Flag4; }
  bool FitToHeight() const { return Flag5; }
  std::int32_t HorizontalAlignment() const { return LayoutMode; }
  const std::string& ObjectName() const { return Name; }
  float Height() const { return BasePosition; }

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

  // The flags as the cook book reads them, in file order.
  bool IsRecipe() const { return Flag1; }         // followed by its stand-in entry
  bool AlwaysAvailable() const { return Flag2; }  // else shown once its name is unlocked
  bool SectionStart() const { return Flag3; }
};

void ReadCookBookEntry(GF::CStreamReader& in, CookBookEntry& entry);
void ReadCookBookGroup(GF::CStreamReader& in, CookBookGroup& group);
void WriteCookBookEntry(GF::COutputStream& out, const CookBookEntry& entry);
void WriteCookBookGroup(GF::COutputStream& out, const CookBookGroup& group);

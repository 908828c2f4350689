#pragma once

#include <cstdint>
#include <string>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// A name with a number: the dialogue names (section 1 of "gamedata.bin") and the sound names
// (section 3) share this record.
struct NamedValue {
  std::string Name;
  std::int32_t Number = 0;

  bool operator==(const NamedValue&) const = default;
};

void ReadNamedValue(GF::CStreamReader& in, NamedValue& value);
void WriteNamedValue(GF::COutputStream& out, const NamedValue& value);

#pragma once

#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/TPoint.h"

// A named path of points (section 13 of "gamedata.bin"): the wave effect and the "spiral"
// flight of ingredients follow one.
struct MotionPath {
  std::string Name;
  std::vector<GF::TPoint<float>> Points;

  bool operator==(const MotionPath&) const = default;
};

void ReadMotionPath(GF::CStreamReader& in, MotionPath& path);
void WriteMotionPath(GF::COutputStream& out, const MotionPath& path);

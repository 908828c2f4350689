#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/TPoint.h"

// One key frame of an animated deformation grid: the displacement of every node, row by row.
struct GridKeyFrame {
  std::int32_t Value1 = 0;
  std::int32_t Value2 = 0;
  float Time = 0.0f;  // fraction 0..1 of the cycle; key frames ascend in time
  std::vector<std::vector<GF::TPoint<float>>> Rows;

  bool operator==(const GridKeyFrame&) const = default;
};

// An animated grid of the progress-map background (section 12 of "gamedata.bin").
struct GridAnimation {
  std::string Name;
  std::vector<GridKeyFrame> KeyFrames;

  bool operator==(const GridAnimation&) const = default;
};

void ReadGridKeyFrame(GF::CStreamReader& in, GridKeyFrame& frame);
void ReadGridAnimation(GF::CStreamReader& in, GridAnimation& animation);
void WriteGridKeyFrame(GF::COutputStream& out, const GridKeyFrame& frame);
void WriteGridAnimation(GF::COutputStream& out, const GridAnimation& animation);

#pragma once

// The map tests' pictures: with PANMASTER_SHOTS naming a folder, each is kept there as a PNG
// to be looked at; otherwise nothing is written.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace pm::test {

// Opaque, as the screen shows them (a target's alpha is what the blending left).
inline void KeepShot(const char* name, int width, int height, std::vector<std::uint32_t> pixels) {
  const char* folder = std::getenv("PANMASTER_SHOTS");
  if (!folder) return;
  for (std::uint32_t& pixel : pixels) pixel |= 0xFF000000u;
  WriteContentFile(folder, name, EncodePng(width, height, pixels));
}

}  // namespace pm::test

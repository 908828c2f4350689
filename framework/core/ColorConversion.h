#pragma once

#include <cstdint>

#include "framework/core/hgeColor.h"

namespace GF {

// Float colour to the engine's 32-bit ARGB: each channel times 255, truncated, and clamped
// to 0..255 so a channel out of range never bleeds into its neighbours.
uint32_t ColorToArgb(const hgeColor& color);

// 32-bit ARGB to a float colour, each byte / 255.
void ArgbToColor(uint32_t argb, hgeColor& out);

// All four channels multiplied by factor.
hgeColor ScaleColor(const hgeColor& color, float factor);

}  // namespace GF

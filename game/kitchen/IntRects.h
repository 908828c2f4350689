#pragma once

#include "framework/core/TRect.h"

// The overlap of two integer rectangles. False, with out zeroed, when they do not overlap
// (touching edges give no overlap).
bool IntersectRectI(const GF::TRect<int>& a, const GF::TRect<int>& b, GF::TRect<int>& out);

// Copies a rectangle of positive width and height into out; any other is refused and out
// zeroed.
bool SetRectIfValid(const GF::TRect<int>& rect, GF::TRect<int>& out);

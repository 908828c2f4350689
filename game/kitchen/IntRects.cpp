#include "game/kitchen/IntRects.h"

#include <algorithm>

bool IntersectRectI(const GF::TRect<int>& a, const GF::TRect<int>& b, GF::TRect<int>& out) {
  const GF::TRect<int> overlap{std::max(a.left, b.left), std::max(a.top, b.top),
                               std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return SetRectIfValid(overlap, out);
}

bool SetRectIfValid(const GF::TRect<int>& rect, GF::TRect<int>& out) {
  out = rect.IsEmpty() ? GF::TRect<int>() : rect;
  return !rect.IsEmpty();
}

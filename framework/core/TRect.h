#pragma once

#include <algorithm>

namespace GF {

// An axis-aligned rectangle: left, top, right, bottom.
template <class T>
struct TRect {
  T left{};
  T top{};
  T right{};
  T bottom{};

  // A rectangle without width or height is empty.
  constexpr bool IsEmpty() const { return !(right - left > 0) || !(bottom - top > 0); }

  // Grows to cover `other`; empty rectangles add nothing, and two empty ones give (0,0,0,0).
  constexpr void Unite(const TRect& other) {
    if (other.IsEmpty()) {
      if (IsEmpty()) *this = TRect();
      return;
    }
    if (IsEmpty()) {
      *this = other;
      return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
  }

  constexpr bool operator==(const TRect&) const = default;
};

}  // namespace GF

#pragma once

#include "framework/core/CRefCount.h"

namespace GF {

// The cursor in logical screen coordinates, refreshed by the frame callback before the
// frame runs; controls poll it. All 0 until the first frame. The click flag is set for the
// frame in which a left press arrives; the kitchen field reads and clears it.
class CMouse : public CRefCount {
 public:
  int x = 0;  // whole parts, truncated towards zero
  int y = 0;
  float fx = 0.0f;
  float fy = 0.0f;
  bool click = false;
};

}  // namespace GF

#pragma once

// What the in-game tips and the hint window ("HintScreen") share: the tips open the window
// by name over the level, hand it the field and the tip's target; the window keeps the
// field's effects running while it is open and reports a click on the target.

#include <cstdint>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"

class CGameFieldBase;

// The level field under the open hint window; empty while none is open. The window drops it
// when it starts hiding and when it is destroyed.
GF::THolder<CGameFieldBase>& CurrentHint();

// The tip's target on the screen, edges included; all 0 for tips without a target.
extern GF::TRect<float> HintTargetRect;
// 1 once the window was closed by a click on the target; 0 from the window's start.
extern std::uint8_t HintTargetClicked;

// Whether the point lies on the target rectangle. A target of all 0 (a tip without one)
// holds no point, not even the screen's corner.
bool IsOnHintTarget(const GF::TPoint<float>& point);

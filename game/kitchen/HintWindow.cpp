#include "game/kitchen/HintWindow.h"

#include "game/kitchen/CGameFieldBase.h"

GF::TRect<float> HintTargetRect;
std::uint8_t HintTargetClicked = 0;

GF::THolder<CGameFieldBase>& CurrentHint() {
  static GF::THolder<CGameFieldBase> hint;
  return hint;
}

bool IsOnHintTarget(const GF::TPoint<float>& point) {
  const GF::TRect<float>& r = HintTargetRect;
  if (r == GF::TRect<float>{}) return false;
  return r.left <= point.x && point.x <= r.right && r.top <= point.y && point.y <= r.bottom;
}

#include "framework/core/DoCircleCalcStrategy.h"

#include <cmath>

namespace GF {

void DoCircleCalcStrategy::Calc(TPoint<float>& out, const float& t) {
  float u = duration_ > 0.0f ? t / duration_ : 1.0f;
  if (smooth_) u = (1.0f - std::cos(u * 3.14159274f)) * 0.5f;
  if (u > 1.0f) u = 1.0f;
  const float angle = (1.0f - u) * startAngle_ + u * endAngle_;
  current_ = {center_.x + radius_.x * std::cos(angle), center_.y + radius_.y * std::sin(angle)};
  out = current_;
  center_ += drift_;
  radius_ += TPoint<float>(radiusDrift_, radiusDrift_);
}

}  // namespace GF

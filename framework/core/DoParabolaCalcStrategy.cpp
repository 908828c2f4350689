#include "framework/core/DoParabolaCalcStrategy.h"

namespace GF {

void DoParabolaCalcStrategy::SetPoints(const TPoint<float>& start, const TPoint<float>& end,
                                       const TPoint<float>& third) {
  start_ = start;
  end_ = end;
  const TPoint<float>& p0 = start;
  const TPoint<float>& p1 = end;
  const TPoint<float>& p2 = third;
  if (p0.x != p1.x && p0.x != p2.x && p1.x != p2.x) {
    const float s02 = (p2.y - p0.y) / (p2.x - p0.x);
    const float s01 = (p1.y - p0.y) / (p1.x - p0.x);
    a_ = (s02 - s01) / (p2.x - p1.x);
    b_ = s02 - a_ * (p0.x + p2.x);
    c_ = p0.y - (b_ + a_ * p0.x) * p0.x;
  } else if (p0.x != p1.x) {
    a_ = 0.0f;
    b_ = (p1.y - p0.y) / (p1.x - p0.x);
    c_ = p0.y - b_ * p0.x;
  } else {
    a_ = 0.0f;
    b_ = 0.0f;
    c_ = p0.y;
  }
}

void DoParabolaCalcStrategy::Calc(TPoint<float>& out, const float& t) {
  float u = duration_ > 0.0f ? t / duration_ : 1.0f;
  if (u > 1.0f) u = 1.0f;
  const float x = (1.0f - u) * start_.x + u * end_.x;
  current_ = {x, a_ * x * x + b_ * x + c_};
  out = current_;
}

}  // namespace GF

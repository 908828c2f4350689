#include "framework/core/FunctionSpline.h"

namespace GF {

namespace {

// Slope between two keys; flat when they share their x.
float Slope(const TPoint<float>& a, const TPoint<float>& b) {
  const float dx = b.x - a.x;
  return dx != 0.0f ? (b.y - a.y) / dx : 0.0f;
}

}  // namespace

void FunctionSpline<TPoint<float>>::SetKeys(std::vector<TPoint<float>> keys) {
  keys_ = std::move(keys);
  segment_ = -1;
}

void FunctionSpline<TPoint<float>>::BuildSegment(int32_t k) {
  segment_ = k;
  const int32_t n = static_cast<int32_t>(keys_.size());
  const TPoint<float>& v0 = keys_[k];
  c0_ = v0.y;
  c1_ = c2_ = c3_ = 0.0f;
  if (k + 1 >= n) return;  // one key: a constant
  const TPoint<float>& v1 = keys_[k + 1];
  const float d = v1.x - v0.x;
  if (d == 0.0f) return;  // keys on one x: hold the first
  const float m0 = k > 0 ? Slope(keys_[k - 1], v1) : 0.0f;
  const float m1 = k < n - 2 ? Slope(v0, keys_[k + 2]) : 0.0f;
  c1_ = m0;
  c2_ = (3.0f * v1.y - d * m1 - 2.0f * d * m0 - 3.0f * v0.y) / (d * d);
  c3_ = (m1 - 2.0f * d * c2_ - m0) / (3.0f * d * d);
}

float FunctionSpline<TPoint<float>>::Evaluate(float x) {
  if (keys_.empty()) return value_;
  const int32_t n = static_cast<int32_t>(keys_.size());
  // The segment ends at the first key not below x; the first one starts at 0.
  int32_t k = n > 1 ? n - 2 : 0;  // past the last key: extend the last segment
  float start = n > 1 ? keys_[k].x : 0.0f;
  float walkStart = 0.0f;
  for (int32_t i = 0; i < n; ++i) {
    if (keys_[i].x >= x) {
      k = i > 0 ? i - 1 : 0;
      start = walkStart;
      break;
    }
    walkStart = keys_[i].x;
  }
  segmentStart_ = start;
  if (k != segment_) BuildSegment(k);
  const float dx = x - segmentStart_;
  value_ = ((c3_ * dx + c2_) * dx + c1_) * dx + c0_;
  return value_;
}

}  // namespace GF

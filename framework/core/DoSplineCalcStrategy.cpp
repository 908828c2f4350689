#include "framework/core/DoSplineCalcStrategy.h"

#include <algorithm>

namespace GF {

void DoSplineCalcStrategy::SetDuration(const float& duration) {
  duration_ = duration;
  UpdateSegmentTime();
}

void DoSplineCalcStrategy::SetPoints(std::vector<TPoint<float>> points) {
  points_ = std::move(points);
  segment_ = -1;
  UpdateSegmentTime();
}

void DoSplineCalcStrategy::AddPoint(const TPoint<float>& point) {
  points_.push_back(point);
  segment_ = -1;
  UpdateSegmentTime();
}

void DoSplineCalcStrategy::UpdateSegmentTime() {
  const size_t n = points_.size();
  segmentTime_ = n > 1 ? duration_ / static_cast<float>(n - 1) : 0.0f;
}

void DoSplineCalcStrategy::BuildSegment(int32_t i) {
  const int32_t last = static_cast<int32_t>(points_.size()) - 1;
  const int32_t i2 = std::min(i + 1, last);
  const TPoint<float>& p0 = points_[std::max(i - 1, 0)];
  const TPoint<float>& p1 = points_[i];
  const TPoint<float>& p2 = points_[i2];
  const TPoint<float>& p3 = points_[std::min(i2 + 1, last)];
  k3_ = p1 * 3.0f - p0 - p2 * 3.0f + p3;
  k2_ = p0 * 2.0f - p1 * 5.0f + p2 * 4.0f - p3;
  k1_ = p2 - p0;
  k0_ = p1 * 2.0f;
  segment_ = i;
}

void DoSplineCalcStrategy::Calc(TPoint<float>& out, const float& t) {
  if (points_.empty()) {
    out = current_;
    return;
  }
  const int32_t lastSegment = std::max(static_cast<int32_t>(points_.size()) - 2, 0);
  int32_t index = 0;
  float u = 0.0f;
  if (points_.size() == 1) {
    // Nowhere to go: the single point.
  } else if (segmentTime_ <= 0.0f) {
    index = lastSegment;  // a zero duration is over at once
    u = 1.0f;
  } else {
    if (t > duration_) {
      index = static_cast<int32_t>(duration_ / segmentTime_);
    } else if (t > 0.0f) {
      index = static_cast<int32_t>(t / segmentTime_);
    }
    index = std::clamp(index, 0, lastSegment);
    u = (t - static_cast<float>(index) * segmentTime_) / segmentTime_;
  }
  if (index != segment_) BuildSegment(index);
  const float u2 = u * u;
  current_ = (k3_ * (u2 * u) + k2_ * u2 + k1_ * u + k0_) * 0.5f;
  out = current_;
}

}  // namespace GF

#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TPoint.h"

namespace GF {

// Motion through control points along a Catmull-Rom spline, one segment per equal share of
// the duration; the path passes through every point. The game derives its spline flights
// from it.
class DoSplineCalcStrategy : public DoBaseStrategy<TPoint<float>, float> {
 public:
  // Points and duration may come in either order: the time per segment follows both.
  void SetDuration(const float& duration);
  void SetPoints(std::vector<TPoint<float>> points);
  void AddPoint(const TPoint<float>& point);
  const std::vector<TPoint<float>>& GetPoints() const { return points_; }
  const float& GetDuration() const { return duration_; }
  const float& GetSegmentTime() const { return segmentTime_; }

  // Without points the value stays as it was. One point holds still; a t past the
  // duration extrapolates the last segment.
  void Calc(TPoint<float>& out, const float& t) override;

 protected:
  void UpdateSegmentTime();
  void BuildSegment(int32_t index);

  TPoint<float> k3_;
  TPoint<float> k2_;
  TPoint<float> k1_;
  TPoint<float> k0_;
  std::vector<TPoint<float>> points_;
  float duration_ = 0.0f;
  float segmentTime_ = 0.0f;
  int32_t segment_ = -1;
  TPoint<float> current_;
};

}  // namespace GF

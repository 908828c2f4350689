#pragma once

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TPoint.h"

namespace GF {

// Motion along an elliptic arc from a start angle to an end angle, optionally eased. After
// every evaluation the centre drifts and the radii grow, which turns the arc into a
// spiral; with zero drifts it is a plain arc.
class DoCircleCalcStrategy : public DoBaseStrategy<TPoint<float>, float> {
 public:
  void SetCenter(const TPoint<float>& center) { center_ = center; }
  void SetCenterDrift(const TPoint<float>& drift) { drift_ = drift; }
  void SetRadius(float rx, float ry) { radius_ = {rx, ry}; }
  void SetRadiusDrift(float dr) { radiusDrift_ = dr; }
  void SetAngles(float startAngle, float endAngle) {
    startAngle_ = startAngle;
    endAngle_ = endAngle;
  }
  void SetDuration(float duration) { duration_ = duration; }
  void SetSmooth(bool smooth) { smooth_ = smooth; }

  // A duration of 0 or less is at its end at once.
  void Calc(TPoint<float>& out, const float& t) override;

 private:
  TPoint<float> center_;
  TPoint<float> drift_;
  TPoint<float> radius_;
  float radiusDrift_ = 0.0f;
  TPoint<float> current_;
  float startAngle_ = 0.0f;
  float endAngle_ = 0.0f;
  float duration_ = 0.0f;
  bool smooth_ = false;
};

}  // namespace GF

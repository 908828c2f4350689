#pragma once

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TPoint.h"

namespace GF {

// A throw along the parabola y = a·x² + b·x + c: x runs linearly from the start to the end
// point over the duration, y follows the parabola.
class DoParabolaCalcStrategy : public DoBaseStrategy<TPoint<float>, float> {
 public:
  // Stores start and end and fits the parabola through start, end and third. Points that
  // share an x cannot carry a parabola: the fit falls back to the line through start and
  // end, or to a constant y when those two share their x as well.
  void SetPoints(const TPoint<float>& start, const TPoint<float>& end, const TPoint<float>& third);
  void SetDuration(float duration) { duration_ = duration; }

  // A duration of 0 or less is at its end at once.
  void Calc(TPoint<float>& out, const float& t) override;

  float GetA() const { return a_; }
  float GetB() const { return b_; }
  float GetC() const { return c_; }

 private:
  float a_ = 0.0f;
  float b_ = 0.0f;
  float c_ = 0.0f;
  TPoint<float> current_;
  TPoint<float> start_;
  TPoint<float> end_;
  float duration_ = 0.0f;
};

}  // namespace GF

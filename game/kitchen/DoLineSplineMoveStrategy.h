#pragma once

#include <span>

#include "framework/core/DoSplineCalcStrategy.h"
#include "framework/core/TPoint.h"

// A spline flight along a path drawn in its own frame, mapped onto a flight from `from` to
// `to`: the path point (0, 0) lands on `from`, (1, 0) on `to`, and its y axis runs along
// (D.y, -D.x) with D = to - from (to the left of the flight, in screen coordinates). The
// "spiral" of flying ingredients is such a path.
class DoLineSplineMoveStrategy : public GF::DoSplineCalcStrategy {
 public:
  // A path of fewer than two points flies the straight line from `from` to `to`.
  void Setup(const GF::TPoint<float>& from, const GF::TPoint<float>& to,
             std::span<const GF::TPoint<float>> path, float duration);

  void Calc(GF::TPoint<float>& out, const float& t) override;

 private:
  // out = (a x + c y + e, b x + d y + f) for the spline's (x, y).
  float m_a = 1.0f;
  float m_b = 0.0f;
  float m_c = 0.0f;
  float m_d = 1.0f;
  float m_e = 0.0f;
  float m_f = 0.0f;
};

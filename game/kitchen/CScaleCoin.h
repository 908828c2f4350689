#pragma once

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TPoint.h"

// The bounce of a collected coin or counter: the scale rises from (1, 1) at t = 0 to the
// peak at the half time T and is back at (1, 1) at 2T, along out = peak - a (t - T)^2.
// Past 2T it falls below 1, so flights using it last 2T or less. A half time of 0 or less
// keeps (1, 1).
class CScaleCoin : public GF::DoBaseStrategy<GF::TPoint<float>, float> {
 public:
  CScaleCoin(float halfTime, const GF::TPoint<float>& peak);

  void Calc(GF::TPoint<float>& out, const float& t) override;

 private:
  GF::TPoint<float> m_a;
  GF::TPoint<float> m_peak;
  float m_halfTime;
};

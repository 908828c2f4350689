#include "game/kitchen/CScaleCoin.h"

CScaleCoin::CScaleCoin(float halfTime, const GF::TPoint<float>& peak)
    : m_peak(peak), m_halfTime(halfTime) {
  if (halfTime > 0.0f) m_a = (peak - GF::TPoint<float>(1.0f, 1.0f)) / (halfTime * halfTime);
}

void CScaleCoin::Calc(GF::TPoint<float>& out, const float& t) {
  if (m_halfTime <= 0.0f) {
    out = {1.0f, 1.0f};
    return;
  }
  const float d = t - m_halfTime;
  out = m_peak - m_a * (d * d);
}

#include "game/kitchen/DoLineSplineMoveStrategy.h"

#include <vector>

void DoLineSplineMoveStrategy::Setup(const GF::TPoint<float>& from, const GF::TPoint<float>& to,
                                     std::span<const GF::TPoint<float>> path, float duration) {
  if (path.size() >= 2) {
    SetPoints(std::vector<GF::TPoint<float>>(path.begin(), path.end()));
  } else {
    SetPoints({{0.0f, 0.0f}, {1.0f, 0.0f}});
  }
  SetDuration(duration);
  const GF::TPoint<float> d = to - from;
  m_a = d.x;
  m_b = d.y;
  m_c = d.y;
  m_d = -d.x;
  m_e = from.x;
  m_f = from.y;
}

void DoLineSplineMoveStrategy::Calc(GF::TPoint<float>& out, const float& t) {
  GF::TPoint<float> p;
  DoSplineCalcStrategy::Calc(p, t);
  out = {m_a * p.x + m_c * p.y + m_e, m_b * p.x + m_d * p.y + m_f};
}

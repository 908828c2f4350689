#pragma once

#include "framework/core/DoBaseStrategy.h"

// A throw under a constant acceleration that starts at `start` and is at `end` after the
// duration: out = start + velocity t + acceleration t^2 / 2, the velocity chosen to meet the
// end. With no acceleration it is a straight line at constant speed. A duration of 0 or less
// stands at the end.
template <class T>
class TFreeFall : public GF::DoBaseStrategy<T, float> {
 public:
  void Setup(const T& start, const T& end, const T& acceleration, float duration) {
    m_duration = duration;
    m_start = start;
    m_end = end;
    m_acceleration = acceleration;
    if (duration > 0.0f) {
      m_velocity = (end - start - acceleration * (duration * duration * 0.5f)) / duration;
    }
  }

  void Calc(T& out, const float& t) override {
    if (m_duration <= 0.0f) {
      out = m_end;
      return;
    }
    out = m_start + m_velocity * t + m_acceleration * (t * t * 0.5f);
  }

 private:
  float m_duration = 0.0f;
  T m_start{};
  T m_end{};
  T m_acceleration{};
  T m_velocity{};
};

#pragma once

#include <cmath>

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TPoint.h"

namespace GF {

// Linear motion from a start value at a velocity (change per millisecond), optionally eased
// in and out with a half cosine. Used for straight flights, fades and volume ramps. The
// fraction is not cut: past its duration the value goes on beyond the end value.
template <class T>
class DoLineCalcStrategy : public DoBaseStrategy<T, float> {
 public:
  // Configures a run from start to end over duration ms. A duration of 0 or less puts the
  // value at the end at once.
  void Setup(const T& start, const T& end, float duration, bool smooth) {
    duration_ = duration;
    smooth_ = smooth;
    if (duration > 0.0f) {
      start_ = start;
      velocity_ = (end - start) / duration;
    } else {
      start_ = end;
      velocity_ = T{};
    }
  }

  void SetDuration(float duration) { duration_ = duration; }
  void SetStart(const T& start) { start_ = start; }
  void SetVelocity(const T& velocity) { velocity_ = velocity; }
  void SetSmooth(bool smooth) { smooth_ = smooth; }

  const float& GetDuration() const { return duration_; }
  const T& GetVelocity() const { return velocity_; }
  const T& GetStart() const { return start_; }
  const T& GetCurrent() const { return current_; }
  bool IsSmooth() const { return smooth_; }

  void Calc(T& out, const float& t) override {
    if (!smooth_) {
      current_ = start_ + velocity_ * t;  // start + velocity * (duration * t / duration)
    } else if (duration_ > 0.0f) {
      const float u = (1.0f - std::cos(t / duration_ * 3.14159274f)) * 0.5f;
      current_ = start_ + velocity_ * (duration_ * u);
    } else {
      current_ = start_;  // a zero-length ease has nowhere to go
    }
    out = current_;
  }

 private:
  float duration_ = 0.0f;
  T velocity_{};
  T current_{};
  T start_{};
  bool smooth_ = false;
};

}  // namespace GF

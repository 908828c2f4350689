#pragma once

#include <cstdint>
#include <type_traits>

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TParam.h"

namespace GF {

struct CCommandSubst;

// Blends of one value type at a fraction u: (1 - u) * from + u * to.
inline float LerpValue(float from, float to, float u) {
  return (1.0f - u) * from + u * to;
}
// Ints blend in floating point and truncate toward zero.
inline int32_t LerpValue(int32_t from, int32_t to, float u) {
  return static_cast<int32_t>((1.0f - u) * static_cast<float>(from) + u * static_cast<float>(to));
}
inline TPoint<float> LerpValue(const TPoint<float>& from, const TPoint<float>& to, float u) {
  return {LerpValue(from.x, to.x, u), LerpValue(from.y, to.y, u)};
}
// The sound-parameter pair.
inline TPoint<int32_t> LerpValue(const TPoint<int32_t>& from, const TPoint<int32_t>& to, float u) {
  return {LerpValue(from.x, to.x, u), LerpValue(from.y, to.y, u)};
}
inline hgeColor LerpValue(const hgeColor& from, const hgeColor& to, float u) {
  return {LerpValue(from.r, to.r, u), LerpValue(from.g, to.g, u), LerpValue(from.b, to.b, u),
          LerpValue(from.a, to.a, u)};
}

template <class K>
class DoLine;

// The linear interpolator of one track segment. Both keys are copied so Calc reads no
// shared data.
template <class T, int N>
class DoLine<TParam<T, float, N>> : public DoBaseStrategy<TParam<T, float, N>, float> {
 public:
  using Key = TParam<T, float, N>;

  DoLine(const Key& from, const Key& to)
      : from_(from), to_(to), duration_(from.duration == 0.0f ? 1.0f : from.duration) {}

  // Writes only out.value. The fraction is cut at 1 (the to value holds past the segment)
  // but not at 0: a negative t extrapolates before the from value.
  void Calc(Key& out, const float& t) override {
    if constexpr (!std::is_same_v<T, CCommandSubst>) {
      float u = t / duration_;
      if (u > 1.0f) u = 1.0f;
      out.value = LerpValue(from_.value, to_.value, u);
    }
  }

 private:
  Key from_;
  Key to_;
  float duration_;
};

}  // namespace GF

#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/TPoint.h"

namespace GF {

template <class T>
class FunctionSpline;

// A function through keys (x, y) in ascending x, interpolated by cubic Hermite segments
// whose tangents come from the neighbouring keys (flat at both ends). Evaluation caches
// the coefficients of the current segment.
template <>
class FunctionSpline<TPoint<float>> {
 public:
  virtual ~FunctionSpline() = default;

  void SetKeys(std::vector<TPoint<float>> keys);
  const std::vector<TPoint<float>>& GetKeys() const { return keys_; }

  // The value at x, also kept as the last value. Without keys the last value is returned
  // unchanged; one key is a constant; an x past the last key extends the last segment.
  float Evaluate(float x);
  float GetValue() const { return value_; }

 private:
  void BuildSegment(int32_t k);

  std::vector<TPoint<float>> keys_;
  int32_t segment_ = -1;
  float c3_ = 0.0f;
  float c2_ = 0.0f;
  float c1_ = 0.0f;
  float c0_ = 0.0f;
  float segmentStart_ = 0.0f;
  float value_ = 0.0f;
};

}  // namespace GF

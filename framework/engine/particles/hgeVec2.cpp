#include "framework/engine/particles/hgeVec2.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

float InvSqrt(float v) {
  const std::int32_t i = 0x5f3759df - (std::bit_cast<std::int32_t>(v) >> 1);
  const float y = std::bit_cast<float>(i);
  return (1.5f - 0.4999f * v * y * y) * y;
}

hgeVec2& hgeVec2::Normalize() {
  const float inv = InvSqrt(Dot(*this));
  x *= inv;
  y *= inv;
  return *this;
}

float hgeVec2::Angle(const hgeVec2& other) const {
  hgeVec2 a = *this;
  hgeVec2 b = other;
  // The estimate can put the dot product a hair past 1, where acos has no value.
  return std::acos(std::clamp(a.Normalize().Dot(b.Normalize()), -1.0f, 1.0f));
}

float hgeVec2::Angle() const {
  return std::atan2(y, x);
}

hgeVec2& hgeVec2::Rotate(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  const float nx = x * c - y * s;
  y = x * s + y * c;
  x = nx;
  return *this;
}

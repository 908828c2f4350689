#pragma once

// A two-dimensional vector of floats.
struct hgeVec2 {
  float x = 0.0f;
  float y = 0.0f;

  constexpr hgeVec2() = default;
  constexpr hgeVec2(float px, float py) : x(px), y(py) {}

  constexpr hgeVec2 operator-(const hgeVec2& o) const { return {x - o.x, y - o.y}; }
  constexpr hgeVec2 operator+(const hgeVec2& o) const { return {x + o.x, y + o.y}; }
  constexpr hgeVec2 operator*(float f) const { return {x * f, y * f}; }
  constexpr hgeVec2& operator+=(const hgeVec2& o) {
    x += o.x;
    y += o.y;
    return *this;
  }
  constexpr hgeVec2& operator*=(float f) {
    x *= f;
    y *= f;
    return *this;
  }

  constexpr float Dot(const hgeVec2& o) const { return x * o.x + y * o.y; }
  // Scales to about unit length with the fast inverse square root (within 0.2 %).
  hgeVec2& Normalize();
  // The angle between this and other (radians, 0 to pi).
  float Angle(const hgeVec2& other) const;
  // The direction of this vector, atan2(y, x).
  float Angle() const;
  hgeVec2& Rotate(float angle);
};

// The classic bit-level estimate of 1 / sqrt(v) with one Newton step.
float InvSqrt(float v);

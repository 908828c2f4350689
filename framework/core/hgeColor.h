#pragma once

// A colour of four float channels, each 0.0 to 1.0. Parameter tracks blend it channel by
// channel; the engine takes 32-bit ARGB (see ColorConversion.h).
struct hgeColor {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  float a = 0.0f;

  constexpr hgeColor() = default;
  constexpr hgeColor(float red, float green, float blue, float alpha)
      : r(red), g(green), b(blue), a(alpha) {}

  constexpr hgeColor& operator+=(const hgeColor& o) {
    r += o.r;
    g += o.g;
    b += o.b;
    a += o.a;
    return *this;
  }
  constexpr hgeColor operator+(const hgeColor& o) const { return hgeColor(*this) += o; }
  constexpr hgeColor operator-(const hgeColor& o) const {
    return {r - o.r, g - o.g, b - o.b, a - o.a};
  }
  constexpr hgeColor operator*(float f) const { return {r * f, g * f, b * f, a * f}; }

  // Unordered comparisons (a NaN channel) count as different.
  constexpr bool operator==(const hgeColor& o) const {
    return r == o.r && g == o.g && b == o.b && a == o.a;
  }
  constexpr bool operator!=(const hgeColor& o) const { return !(*this == o); }

  // Clearing a colour sets all four channels to 0.
  constexpr void Clear() { *this = hgeColor(); }
};

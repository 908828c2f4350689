#pragma once

namespace GF {

// A point (or a 2D value such as a scale) of two coordinates, x then y.
template <class T>
struct TPoint {
  T x{};
  T y{};

  constexpr TPoint() = default;
  constexpr TPoint(T px, T py) : x(px), y(py) {}

  constexpr TPoint& operator+=(const TPoint& o) {
    x += o.x;
    y += o.y;
    return *this;
  }
  constexpr TPoint& operator-=(const TPoint& o) {
    x -= o.x;
    y -= o.y;
    return *this;
  }
  constexpr TPoint operator+(const TPoint& o) const { return TPoint(*this) += o; }
  constexpr TPoint operator-(const TPoint& o) const { return TPoint(*this) -= o; }
  constexpr TPoint operator*(T f) const { return {x * f, y * f}; }
  constexpr TPoint operator/(T f) const { return {x / f, y / f}; }

  constexpr bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
  constexpr bool operator!=(const TPoint& o) const { return !(*this == o); }
};

}  // namespace GF

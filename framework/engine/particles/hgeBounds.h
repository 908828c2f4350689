#pragma once

// An axis-aligned rectangle that grows around the points it is given.
struct hgeBounds {
  float x1 = 0.0f;    // left
  float y1 = 0.0f;    // top
  float x2 = 0.0f;    // right
  float y2 = 0.0f;    // bottom
  bool clean = true;  // no point taken yet

  void Clear() { clean = true; }

  void Encapsulate(float x, float y) {
    if (clean) {
      x1 = x2 = x;
      y1 = y2 = y;
      clean = false;
      return;
    }
    if (x < x1) x1 = x;
    if (x > x2) x2 = x;
    if (y < y1) y1 = y;
    if (y > y2) y2 = y;
  }

  // Half-open: the left and top edges are inside, the right and bottom ones outside.
  bool TestPoint(float x, float y) const { return x1 <= x && x < x2 && y1 <= y && y < y2; }

  // Strict: rectangles that only share an edge do not intersect.
  bool Intersect(const hgeBounds& o) const {
    return Abs((x1 + x2) - (o.x1 + o.x2)) < (x2 - x1) + (o.x2 - o.x1) &&
           Abs((y1 + y2) - (o.y1 + o.y2)) < (y2 - y1) + (o.y2 - o.y1);
  }

 private:
  static float Abs(float v) { return v < 0.0f ? -v : v; }
};

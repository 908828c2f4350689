#include "game/kitchen/FloorQuad.h"

#include <cmath>

GF::TPoint<float> FloorCellToPoint(const FloorQuad& quad, float a, float b) {
  const float s = b / 16.0f;
  const float t = a / 16.0f;
  const float left = (1.0f - s) * quad.TL.x + s * quad.BL.x;
  const float right = (1.0f - s) * quad.TR.x + s * quad.BR.x;
  return {(1.0f - t) * left + t * right, (1.0f - s) * quad.TL.y + s * quad.BL.y};
}

float FloorDepthScale(const FloorQuad& quad, const GF::TPoint<float>& point) {
  float d = (point.y - quad.TL.y) / (quad.BR.y - quad.TL.y);
  float r = (quad.TR.x - quad.TL.x) / (quad.BR.x - quad.BL.x);
  if (!std::isfinite(d) || !std::isfinite(r)) d = r = 1.0f;
  return 1.1f * (0.3f + 0.7f * (d + r * (1.0f - d)));
}

bool IsFloorDegenerate(const FloorQuad& quad) {
  return quad.BR.y == quad.TL.y || quad.BR.x == quad.BL.x;
}

GF::TPoint<float> FloorPointToCell(const FloorQuad& quad, const GF::TPoint<float>& point) {
  const float t = (point.y - quad.TL.y) / (quad.BR.y - quad.TL.y);
  const float left = quad.TL.x * (1.0f - t) + quad.BL.x * t;
  const float right = quad.BR.x * t + quad.TR.x * (1.0f - t);
  return {(point.x - left) / (right - left) * 16.0f, t * 16.0f};
}

bool IsWalkTarget(const GF::TPoint<float>& cell) {
  return cell.x > 0.0f && cell.x < 16.0f && cell.y > 0.0f && cell.y < 16.0f;
}

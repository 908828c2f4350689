#pragma once

#include "framework/core/TPoint.h"

// The kitchen floor of the current level, a trapezoid seen in perspective: its back edge
// from TL to TR, its front edge from BL to BR, both horizontal. The floor is walked as a
// 16 x 16 grid of cells, a across (0 left) and b in depth (0 at the back).
struct FloorQuad {
  GF::TPoint<float> TL;
  GF::TPoint<float> TR;
  GF::TPoint<float> BL;
  GF::TPoint<float> BR;
};

// The floor of the level being played; the kitchen field fills it when it loads a level.
inline FloorQuad KitchenFloor;

// A floor the formulas cannot use: its back and front edges at one height, or a front edge
// without width.
bool IsFloorDegenerate(const FloorQuad& quad);

// The screen point of a cell position (a, b); fractions land between cell corners.
GF::TPoint<float> FloorCellToPoint(const FloorQuad& quad, float a, float b);
// The scale of a figure standing at a screen point of the floor: 1.1 on the front edge,
// less toward the back as the floor narrows. A floor without depth or width (none set yet)
// counts as the front edge.
float FloorDepthScale(const FloorQuad& quad, const GF::TPoint<float>& point);
// The cell position (a, b) of a screen point, not rounded: a across from the floor's left
// edge at its depth, b in depth from the back edge.
GF::TPoint<float> FloorPointToCell(const FloorQuad& quad, const GF::TPoint<float>& point);
// Whether the cook may be sent to a cell position: strictly inside the grid on both axes.
bool IsWalkTarget(const GF::TPoint<float>& cell);

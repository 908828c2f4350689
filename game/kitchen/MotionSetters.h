#pragma once

#include <span>

#include "framework/core/ICurve.h"
#include "framework/core/TPoint.h"

// The motion setters: each builds a strategy for one path shape, gives it the curve's
// duration as it is when called (so set the duration first: a setter before it builds a
// motion of duration 0, which stands at its end) and installs it on one channel of the
// curve, replacing what that channel had. Times in ms, angles in radians. "Smoothed" eases
// the time share u into (1 - cos(pi u)) / 2.

// Position along the ellipse arc centre + (rx cos a, ry sin a), a from start to end angle;
// plain, and smoothed.
void SetCircleMotion(GF::ICurve& curve, const GF::TPoint<float>& centre, float rx, float ry,
                     float startAngle, float endAngle);
void SetCircleMotion2(GF::ICurve& curve, const GF::TPoint<float>& centre, float rx, float ry,
                      float startAngle, float endAngle);
// Position along the parabola through the three points, x running linearly from start to end.
void SetParabolaMotion(GF::ICurve& curve, const GF::TPoint<float>& start,
                       const GF::TPoint<float>& control, const GF::TPoint<float>& end);
// Position along the straight line; plain, and smoothed.
void SetLineMotion(GF::ICurve& curve, const GF::TPoint<float>& from, const GF::TPoint<float>& to);
void SetLineMotion2(GF::ICurve& curve, const GF::TPoint<float>& from, const GF::TPoint<float>& to);
// Position from start to end under a constant acceleration (TFreeFall).
void SetFreeFallMotion(GF::ICurve& curve, const GF::TPoint<float>& start,
                       const GF::TPoint<float>& end, const GF::TPoint<float>& acceleration);
// Position along a path of the path's own frame mapped onto from -> to
// (DoLineSplineMoveStrategy); fewer than two points fly the straight line. Callers look a
// named path up with find, so a missing name gives the empty path.
void SetSplineMotion(GF::ICurve& curve, const GF::TPoint<float>& from, const GF::TPoint<float>& to,
                     std::span<const GF::TPoint<float>> path);
// Opacity from one value to the other, linearly.
void SetFloatLineMotion(GF::ICurve& curve, float from, float to);
// Angle from one value to the other, linearly.
void SetFloatLineMotion2(GF::ICurve& curve, float from, float to);
// Scale (both axes alike) from one value to the other; plain, and smoothed.
void SetLineMotion3(GF::ICurve& curve, float from, float to);
void SetLineMotion4(GF::ICurve& curve, float from, float to);
// Scale bouncing from (1, 1) to the peak at the half time and back at twice it (CScaleCoin);
// the curve's duration is not used.
void SetScaleCoinMotion(GF::ICurve& curve, float halfTime, const GF::TPoint<float>& peak);

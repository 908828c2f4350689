#include "game/kitchen/MotionSetters.h"

#include "framework/core/DoCircleCalcStrategy.h"
#include "framework/core/DoLineCalcStrategy.h"
#include "framework/core/DoParabolaCalcStrategy.h"
#include "game/kitchen/CScaleCoin.h"
#include "game/kitchen/DoLineSplineMoveStrategy.h"
#include "game/kitchen/TFreeFall.h"

namespace {

using Point = GF::TPoint<float>;

void SetCircle(GF::ICurve& curve, const Point& centre, float rx, float ry, float startAngle,
               float endAngle, bool smooth) {
  const GF::THolder<GF::DoCircleCalcStrategy> circle = GF::MakeHolder<GF::DoCircleCalcStrategy>();
  circle->SetCenter(centre);
  circle->SetRadius(rx, ry);
  circle->SetAngles(startAngle, endAngle);
  circle->SetDuration(curve.GetDuration());
  circle->SetSmooth(smooth);
  curve.SetPositionStrategy(circle);
}

template <class T>
GF::THolder<GF::DoLineCalcStrategy<T>> MakeLine(const GF::ICurve& curve, const T& from, const T& to,
                                                bool smooth) {
  const auto line = GF::MakeHolder<GF::DoLineCalcStrategy<T>>();
  line->Setup(from, to, curve.GetDuration(), smooth);
  return line;
}

}  // namespace

void SetCircleMotion(GF::ICurve& curve, const Point& centre, float rx, float ry, float startAngle,
                     float endAngle) {
  SetCircle(curve, centre, rx, ry, startAngle, endAngle, false);
}

void SetCircleMotion2(GF::ICurve& curve, const Point& centre, float rx, float ry, float startAngle,
                      float endAngle) {
  SetCircle(curve, centre, rx, ry, startAngle, endAngle, true);
}

void SetParabolaMotion(GF::ICurve& curve, const Point& start, const Point& control,
                       const Point& end) {
  const auto parabola = GF::MakeHolder<GF::DoParabolaCalcStrategy>();
  parabola->SetPoints(start, end, control);  // the fit takes the control point third
  parabola->SetDuration(curve.GetDuration());
  curve.SetPositionStrategy(parabola);
}

void SetLineMotion(GF::ICurve& curve, const Point& from, const Point& to) {
  curve.SetPositionStrategy(MakeLine(curve, from, to, false));
}

void SetLineMotion2(GF::ICurve& curve, const Point& from, const Point& to) {
  curve.SetPositionStrategy(MakeLine(curve, from, to, true));
}

void SetFreeFallMotion(GF::ICurve& curve, const Point& start, const Point& end,
                       const Point& acceleration) {
  const auto fall = GF::MakeHolder<TFreeFall<Point>>();
  fall->Setup(start, end, acceleration, curve.GetDuration());
  curve.SetPositionStrategy(fall);
}

void SetSplineMotion(GF::ICurve& curve, const Point& from, const Point& to,
                     std::span<const Point> path) {
  const auto spline = GF::MakeHolder<DoLineSplineMoveStrategy>();
  spline->Setup(from, to, path, curve.GetDuration());
  curve.SetPositionStrategy(spline);
}

void SetFloatLineMotion(GF::ICurve& curve, float from, float to) {
  curve.SetOpacityStrategy(MakeLine(curve, from, to, false));
}

void SetFloatLineMotion2(GF::ICurve& curve, float from, float to) {
  curve.SetAngleStrategy(MakeLine(curve, from, to, false));
}

void SetLineMotion3(GF::ICurve& curve, float from, float to) {
  curve.SetScaleStrategy(MakeLine(curve, Point(from, from), Point(to, to), false));
}

void SetLineMotion4(GF::ICurve& curve, float from, float to) {
  curve.SetScaleStrategy(MakeLine(curve, Point(from, from), Point(to, to), true));
}

void SetScaleCoinMotion(GF::ICurve& curve, float halfTime, const Point& peak) {
  curve.SetScaleStrategy(GF::MakeHolder<CScaleCoin>(halfTime, peak));
}

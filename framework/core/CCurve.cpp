#include "framework/core/CCurve.h"

#include <cmath>

namespace GF {

namespace {

// Whole pixels: add 0.5 and truncate toward zero.
float RoundPixel(float v) {
  return std::trunc(v + 0.5f);
}

}  // namespace

void CCurve::AddTarget(const TSmartIPtr<IAnimation, kIdAnimation>& target) {
  if (target) targets_.push_back(target);
}

void CCurve::ClearTargets(bool detach) {
  // Move the list out first: a target leaving may end up releasing this curve's holders.
  std::vector<TSmartIPtr<IAnimation, kIdAnimation>> targets;
  targets.swap(targets_);
  if (detach) {
    for (const auto& target : targets) target->RemoveFromParent();
  }
}

void CCurve::ClearStrategies() {
  position_.Reset();
  opacity_.Reset();
  angle_.Reset();
  scale_.Reset();
}

bool CCurve::Update(const float& dt) {
  if (!active_) return true;
  if (elapsed_ >= duration_) {
    active_ = false;
    OnFinished();
    return true;
  }
  elapsed_ += dt;
  if (elapsed_ > duration_) elapsed_ = duration_;
  if (!targets_.empty() && Evaluate()) Apply();
  return true;
}

bool CCurve::Evaluate() {
  CObjectProperties& p = properties_;
  p.changed = 0;
  if (position_) {
    TPoint<float> at(p.x, p.y);
    position_->Calc(at, elapsed_);
    at = {RoundPixel(at.x), RoundPixel(at.y)};
    if (at.x != p.x || at.y != p.y) {
      p.x = at.x;
      p.y = at.y;
      p.changed |= CObjectProperties::kChangedPosition;
    }
  }
  if (opacity_) {
    float o = p.opacity;
    opacity_->Calc(o, elapsed_);
    if (o != p.opacity) {
      p.opacity = o;
      p.changed |= CObjectProperties::kChangedOpacity;
    }
  }
  if (angle_) {
    float a = p.angle;
    angle_->Calc(a, elapsed_);
    if (a != p.angle) {
      p.SetAngle(a);
      p.changed |= CObjectProperties::kChangedAngle;
    }
  }
  if (scale_) {
    TPoint<float> s(p.scaleX, p.scaleY);
    scale_->Calc(s, elapsed_);
    if (s.x != p.scaleX || s.y != p.scaleY) {
      p.scaleX = s.x;
      p.scaleY = s.y;
      p.changed |= CObjectProperties::kChangedScale;
    }
  }
  return p.changed != 0;
}

void CCurve::Apply() {
  const CObjectProperties& p = properties_;
  for (const auto& target : targets_) {
    if (p.changed & CObjectProperties::kChangedPosition) target->SetPosition(p.x, p.y);
    if (p.changed & CObjectProperties::kChangedOpacity) target->SetOpacity(p.opacity);
    if (p.changed & CObjectProperties::kChangedAngle) target->SetAngle(p.angle);
    if (p.changed & CObjectProperties::kChangedScale) {
      target->SetScaleX(p.scaleX);
      target->SetScaleY(p.scaleY);
    }
  }
}

void CCurve::OnFinished() {
  // A handler may drop the last outside holder of this curve.
  THolder<ICurve> self(this);
  finished_.Fire(self);
}

}  // namespace GF

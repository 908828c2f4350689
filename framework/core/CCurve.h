#pragma once

#include <vector>

#include "framework/core/CObjectProperties.h"
#include "framework/core/ICurve.h"

namespace GF {

// The curve of the framework. Positions are rounded to whole pixels and only values that
// changed are pushed, so a slow motion touches its targets only when it crosses a pixel.
class CCurve : public ICurve {
 public:
  void AddTarget(const TSmartIPtr<IAnimation, kIdAnimation>& target) override;
  void SetPositionStrategy(const PointStrategy& strategy) override { position_ = strategy; }
  void SetOpacityStrategy(const FloatStrategy& strategy) override { opacity_ = strategy; }
  void SetAngleStrategy(const FloatStrategy& strategy) override { angle_ = strategy; }
  void SetScaleStrategy(const PointStrategy& strategy) override { scale_ = strategy; }
  void ClearTargets(bool detach) override;
  void ClearStrategies() override;
  bool IsActive() const override { return active_; }
  const float& GetDuration() const override { return duration_; }
  const float& GetElapsed() const override { return elapsed_; }
  void ResetTime() override { elapsed_ = 0.0f; }
  void SetDuration(const float& duration) override { duration_ = duration; }
  void SetActive(bool active) override { active_ = active; }
  // The finish is seen on the update after the elapsed time reached the duration; that
  // earlier update already applied the final values.
  bool Update(const float& dt) override;
  void OnFinished() override;
  FinishedEvent& GetFinishedEvent() override { return finished_; }
  TPoint<float> GetScale() const override { return {properties_.scaleX, properties_.scaleY}; }

 protected:
  // Asks the strategies for their values at the elapsed time; true when any changed.
  bool Evaluate();
  // Pushes the changed values to every target.
  void Apply();

  std::vector<TSmartIPtr<IAnimation, kIdAnimation>> targets_;
  PointStrategy position_;
  PointStrategy scale_;
  FloatStrategy opacity_;
  FloatStrategy angle_;
  bool active_ = false;
  float duration_ = 0.0f;
  float elapsed_ = 0.0f;
  CObjectProperties properties_;
  FinishedEvent finished_;
};

}  // namespace GF

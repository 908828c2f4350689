#pragma once

#include "framework/core/CRefCount.h"
#include "framework/core/DoBaseStrategy.h"
#include "framework/core/IAnimation.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

// A timed motion of a set of animation nodes: up to four strategies give position,
// opacity, angle and scale over the duration, and the finished event fires once at its end.
class ICurve : public CRefCount {
 public:
  using PointStrategy = THolder<DoBaseStrategy<TPoint<float>, float>>;
  using FloatStrategy = THolder<DoBaseStrategy<float, float>>;
  using FinishedEvent = TEventList<THolder<ICurve>>;

  // Appends the node (ignored when empty); the curve holds it while it is a target.
  virtual void AddTarget(const TSmartIPtr<IAnimation, kIdAnimation>& target) = 0;
  virtual void SetPositionStrategy(const PointStrategy& strategy) = 0;
  virtual void SetOpacityStrategy(const FloatStrategy& strategy) = 0;
  virtual void SetAngleStrategy(const FloatStrategy& strategy) = 0;
  virtual void SetScaleStrategy(const PointStrategy& strategy) = 0;
  // With detach, every target first leaves its parent and scene.
  virtual void ClearTargets(bool detach) = 0;
  virtual void ClearStrategies() = 0;
  virtual bool IsActive() const = 0;
  virtual const float& GetDuration() const = 0;
  virtual const float& GetElapsed() const = 0;
  virtual void ResetTime() = 0;
  virtual void SetDuration(const float& duration) = 0;
  virtual void SetActive(bool active) = 0;
  virtual bool Update(const float& dt) = 0;
  virtual void OnFinished() = 0;
  virtual FinishedEvent& GetFinishedEvent() = 0;
  // The scale last pushed to the targets.
  virtual TPoint<float> GetScale() const = 0;
};

}  // namespace GF

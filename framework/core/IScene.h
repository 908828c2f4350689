#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

class IAnimation;
class IDrawable;

// What a screen draws and animates: drawables in layer order and running animation nodes.
// Drawables and nodes enter and leave it by themselves.
class IScene : public CRefCount {
 public:
  using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;
  using DrawablePtr = TSmartIPtr<IDrawable, kIdDrawable>;
  using UpdateEvent = TEventList<const float&>;

  virtual void AddAnimation(const AnimationPtr& animation) = 0;
  virtual void AddDrawable(const DrawablePtr& drawable) = 0;
  virtual AnimationPtr CreateAnimation(const std::string& name) = 0;
  virtual AnimationPtr PlayAnimation(const std::string& name, float x, float y,
                                     const std::string& part, int count, float delay) = 0;
  virtual AnimationPtr PlayAnimation(const std::string& name, const TPoint<float>& position,
                                     const std::string& part, int count, float delay) = 0;
  virtual void Render() = 0;
  virtual void SortDrawables() = 0;
  virtual void RemoveAnimation(const AnimationPtr& animation) = 0;
  virtual void RemoveDrawable(const DrawablePtr& drawable) = 0;
  virtual bool Update(const float& dt) = 0;
  virtual void Clear() = 0;
  virtual void PauseSounds() = 0;
  virtual void ResumeSounds() = 0;
  virtual void StopSounds() = 0;
  virtual void SetActive(bool active) = 0;
  // The drawing order must be re-sorted at the next update.
  virtual void RequestSort() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual UpdateEvent& GetUpdateEvent() = 0;
  virtual const THolder<CRefCount>& GetUserObject() const = 0;
  virtual THolder<CRefCount>& GetUserObject() = 0;
  virtual void SetUserObject(const THolder<CRefCount>& object) = 0;
};

}  // namespace GF

#pragma once

#include "framework/core/IBase.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"
#include "framework/core/TRect.h"

namespace GF {

// Anything a scene draws (interface id 3).
class IDrawable : public virtual IBase {
 public:
  // The same operation as IObjectAnimation::Detach for objects that have one.
  virtual void Detach() = 0;
  virtual void Render() = 0;
  // The composed layer, by which the scene sorts.
  virtual int GetLayer() const = 0;
  virtual const TRect<int>& GetBoundingRect() = 0;
  virtual THolder<IScene> GetScene() const = 0;
  virtual bool IsShown() const = 0;
  // A shown drawable is in its scene's drawable list.
  virtual void SetScene(const THolder<IScene>& scene) = 0;
  virtual void SetShown(bool shown) = 0;

 protected:
  ~IDrawable() = default;
};

}  // namespace GF

#pragma once

#include <string>

#include "framework/core/IBase.h"
#include "framework/core/IObjectData.h"
#include "framework/core/THolder.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

class IAnimation;

// A scene object made from object data and owned by an animation node (interface id 1).
class IObjectAnimation : public virtual IBase {
 public:
  virtual bool IsPlaying() const = 0;
  // The object data's name; empty without object data.
  virtual const std::string& GetName() const = 0;
  virtual THolder<IObjectData> GetObjectData() const = 0;
  virtual TSmartIPtr<IAnimation, kIdAnimation> GetAnimation() const = 0;
  virtual void SetObjectData(const THolder<IObjectData>& data) = 0;
  // Leaves the old node and joins the new one (empty: belongs to no node).
  virtual void SetAnimation(const TSmartIPtr<IAnimation, kIdAnimation>& animation) = 0;
  // Forgets the node, leaves the scene and drops everything it hosts.
  virtual void Detach() = 0;
  virtual void SetPlaying(bool playing) = 0;
  virtual bool Update(const float& dt) = 0;

 protected:
  ~IObjectAnimation() = default;
};

}  // namespace GF

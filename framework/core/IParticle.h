#pragma once

#include "framework/core/IBase.h"

namespace GF::HGENS {

// A particle system among an animation's drawables (interface id 13); the node switches its
// emission on and off.
class IParticle : public virtual IBase {
 public:
  virtual void SetEmitting(bool emitting) = 0;

 protected:
  ~IParticle() = default;
};

}  // namespace GF::HGENS

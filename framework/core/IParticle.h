#pragma once

#include "framework/core/IBase.h"

namespace GF::HGENS {

// A particle system among an animation's drawables (interface id 13); the node switches its
// emission on and off, and the particle registry drives the systems no node drives.
class IParticle : public virtual IBase {
 public:
  // No node drives this system: the particle registry must update it.
  virtual bool IsFreeStanding() const = 0;
  // The effect still shows something (or is about to).
  virtual bool IsActive() const = 0;
  virtual void SetEmitting(bool emitting) = 0;

 protected:
  ~IParticle() = default;
};

}  // namespace GF::HGENS

#pragma once

#include "framework/core/IBase.h"

namespace GF {

// A sound object of an animation (interface id 2); the node pauses, resumes and stops it.
class ISound : public virtual IBase {
 public:
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Stop() = 0;

 protected:
  ~ISound() = default;
};

}  // namespace GF

#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF::HGENS {

// The sound-effects player (CGameSound) as the game manager and the focus callbacks use it.
class IGameSound : public CRefCount {
 public:
  // count: plays in a row (below 0 endless); delay and spacing in milliseconds.
  virtual void Play(const std::string& name, int count, float delay, float spacing,
                    float extra) = 0;
  // dt in milliseconds, once per frame.
  virtual void Update(const float& dt) = 0;
  virtual void Stop(const std::string& name) = 0;
  virtual void StopAll() = 0;
  virtual void PauseAll() = 0;
  virtual void ResumeAll() = 0;
};

}  // namespace GF::HGENS

#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF {

// The music player: looping tracks by name, started and stopped at once or with a fade,
// kept at the "MusicVolume" game property. An empty name in Pause and Resume means every
// track.
class IMusic : public CRefCount {
 public:
  virtual void ApplyVolume() = 0;
  virtual void Play(const std::string& name, bool fade) = 0;
  virtual void Resume(const std::string& name) = 0;
  virtual void Stop(const std::string& name, bool fade) = 0;
  virtual void Pause(const std::string& name) = 0;
  // dt in milliseconds; advances the fades.
  virtual void Update(const float& dt) = 0;
};

}  // namespace GF

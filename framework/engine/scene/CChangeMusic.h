#pragma once

#include <cstdint>
#include <string>

#include "framework/core/DoLineCalcStrategy.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// One volume fade of a music channel: a linear factor from start to start + velocity *
// duration over the elapsed frame time, times the music volume of its creation. A fade-out
// carries its track's name.
class CChangeMusic : public GF::DoLineCalcStrategy<float> {
 public:
  static constexpr float kDuration = 1000.0f;  // ms

  // A fade-in (0 to 1, no name) or a fade-out (1 to 0, the track's name).
  CChangeMusic(EngineChannel channel, std::int32_t volume, std::string name, bool fadeIn);

  // Advances by dt ms; the channel volume for the new factor, which never passes its end.
  int Advance(float dt);
  bool IsDone() const { return m_elapsed >= GetDuration(); }
  bool IsFadeOut() const { return GetVelocity() < 0.0f; }

  EngineChannel GetChannel() const { return m_channel; }
  const std::string& GetName() const { return m_name; }

 private:
  float m_elapsed = 0.0f;
  EngineChannel m_channel;
  std::int32_t m_volume;
  std::string m_name;
};

}  // namespace GF::HGENS

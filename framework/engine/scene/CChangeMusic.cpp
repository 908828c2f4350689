#include "framework/engine/scene/CChangeMusic.h"

#include <algorithm>

namespace GF::HGENS {

CChangeMusic::CChangeMusic(EngineChannel channel, std::int32_t volume, std::string name,
                           bool fadeIn)
    : m_channel(channel), m_volume(volume), m_name(std::move(name)) {
  Setup(fadeIn ? 0.0f : 1.0f, fadeIn ? 1.0f : 0.0f, kDuration, false);
}

int CChangeMusic::Advance(float dt) {
  m_elapsed += dt;
  // The factor stops at its end value: a long last frame must not overshoot the volume
  // (or turn it negative on a fade-out).
  float factor = 0.0f;
  Calc(factor, std::min(m_elapsed, GetDuration()));
  return static_cast<int>(static_cast<float>(m_volume) * factor);
}

}  // namespace GF::HGENS

#pragma once

// Ogg Vorbis test sounds made on the spot: a sine tone of a known frequency and amplitude,
// so a test can measure what the mixer made of it. A test binary that includes it links
// pm_codecs.

#include <cmath>
#include <cstdlib>
#include <vector>

#include "tools/codecs/OggEncoder.h"

namespace pm::test {

inline std::vector<unsigned char> EncodeOggSine(float frequency, float seconds, float amplitude,
                                                int rate = 44100, int channels = 1) {
  std::vector<float> samples(static_cast<std::size_t>(seconds * static_cast<float>(rate)));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    samples[i] = static_cast<float>(amplitude * std::sin(2.0 * M_PI * frequency * t));
  }
  std::vector<unsigned char> out = pm::codecs::EncodeOgg(samples, rate, channels, 0.6f);
  if (out.empty()) std::abort();
  return out;
}

}  // namespace pm::test

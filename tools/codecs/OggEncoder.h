#pragma once

#include <cstdint>
#include <vector>

namespace pm::codecs {

// Ogg Vorbis (variable bit rate at `quality`, -0.1 to 1.0) of a mono signal at `rate`
// samples a second, the same signal in each of `channels` channels; no bytes when the
// encoder refuses the settings.
std::vector<std::uint8_t> EncodeOgg(const std::vector<float>& samples, int rate, int channels,
                                    float quality);

}  // namespace pm::codecs

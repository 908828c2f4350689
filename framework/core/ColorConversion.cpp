#include "framework/core/ColorConversion.h"

namespace GF {

namespace {

uint32_t ChannelByte(float channel) {
  const float v = channel * 255.0f;
  if (!(v > 0.0f)) return 0;  // also a NaN
  if (v >= 255.0f) return 255;
  return static_cast<uint32_t>(v);
}

float ByteChannel(uint32_t argb, int shift) {
  return static_cast<float>((argb >> shift) & 0xFFu) / 255.0f;
}

}  // namespace

uint32_t ColorToArgb(const hgeColor& color) {
  return (ChannelByte(color.a) << 24) | (ChannelByte(color.r) << 16) | (ChannelByte(color.g) << 8) |
         ChannelByte(color.b);
}

void ArgbToColor(uint32_t argb, hgeColor& out) {
  out.a = ByteChannel(argb, 24);
  out.r = ByteChannel(argb, 16);
  out.g = ByteChannel(argb, 8);
  out.b = ByteChannel(argb, 0);
}

hgeColor ScaleColor(const hgeColor& color, float factor) {
  return color * factor;
}

}  // namespace GF

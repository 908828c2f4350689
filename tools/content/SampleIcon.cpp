#include <cmath>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr int IconSize = 32;

// A frying pan seen from above, handle to the upper right, with an egg in it.
std::uint32_t IconPixel(int x, int y) {
  const float px = static_cast<float>(x) + 0.5f;
  const float py = static_cast<float>(y) + 0.5f;
  const float pan = std::hypot(px - 13.0f, py - 19.0f);
  const float yolk = std::hypot(px - 14.0f, py - 18.0f);
  const float white = std::hypot((px - 12.5f) / 1.2f, py - 19.5f);
  // The handle: a bar from the rim towards the corner, 4 pixels wide.
  const float along = (px - 13.0f) * 0.7071f - (py - 19.0f) * 0.7071f;
  const float across = (px - 13.0f) * 0.7071f + (py - 19.0f) * 0.7071f;
  if (yolk < 2.6f) return 0xFFF0B020;
  if (white < 5.5f) return 0xFFF8F4E8;
  if (pan < 9.0f) return 0xFF303438;
  if (pan < 11.5f) return 0xFF585E66;
  if (along > 10.0f && along < 20.0f && std::abs(across) < 2.0f) return 0xFF7A4A24;
  return 0x00000000;
}

}  // namespace

bool WriteSampleIcon(const std::filesystem::path& outDir) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(IconSize * IconSize);
  for (int y = 0; y < IconSize; ++y)
    for (int x = 0; x < IconSize; ++x) pixels.push_back(IconPixel(x, y));
  return WriteContentFile(outDir, "icon.png", EncodePng(IconSize, IconSize, pixels));
}

#pragma once

// Screenshots of replays read back through the engine, and their comparison with golden
// pictures kept in the source tree. Rendering is bit-exact, so a golden picture must match
// to the pixel; with PANMASTER_UPDATE_GOLDEN=1 in the environment the shot becomes the new
// golden picture instead.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Engine.h"

namespace pm::test {

class ShotImage {
 public:
  ShotImage(Engine& engine, const std::filesystem::path& file) {
    const EngineTexture texture = engine.TextureLoad(file.c_str());
    if (!texture) return;
    m_width = engine.TextureGetWidth(texture);
    m_height = engine.TextureGetHeight(texture);
    const std::uint32_t* pixels = engine.TextureLock(texture);
    m_pixels.assign(pixels, pixels + static_cast<std::size_t>(m_width) * m_height);
    engine.TextureUnlock(texture);
    engine.TextureFree(texture);
  }

  bool IsLoaded() const { return !m_pixels.empty(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // RGB of a pixel.
  std::uint32_t At(int x, int y) const {
    return m_pixels[static_cast<std::size_t>(y) * m_width + x] & 0x00FFFFFF;
  }
  // Pixels of the rectangle whose brightest channel is above (or, when dark, below) the level.
  int Count(int left, int top, int right, int bottom, int level, bool dark) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const std::uint32_t p = At(x, y);
        const int peak = static_cast<int>(std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}));
        count += dark ? peak < level : peak > level;
      }
    }
    return count;
  }
  // Pixels that differ from the other picture's (every pixel when the sizes differ).
  int CountDifferences(const ShotImage& other) const {
    if (m_width != other.m_width || m_height != other.m_height)
      return std::max<int>(static_cast<int>(m_pixels.size()), 1);
    int count = 0;
    for (std::size_t i = 0; i < m_pixels.size(); ++i)
      count += (m_pixels[i] & 0x00FFFFFF) != (other.m_pixels[i] & 0x00FFFFFF);
    return count;
  }

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
};

// The shot against the golden picture of that path; PANMASTER_UPDATE_GOLDEN=1 copies the
// shot over the golden one first.
inline ::testing::AssertionResult MatchesGolden(Engine& engine, const std::filesystem::path& shot,
                                                const std::filesystem::path& golden) {
  const char* update = std::getenv("PANMASTER_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::error_code error;
    std::filesystem::create_directories(golden.parent_path(), error);
    std::filesystem::copy_file(shot, golden, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error)
      return ::testing::AssertionFailure() << "can't write " << golden << ": " << error.message();
  }
  const ShotImage actual(engine, shot);
  const ShotImage expected(engine, golden);
  if (!actual.IsLoaded()) return ::testing::AssertionFailure() << "no shot " << shot;
  if (!expected.IsLoaded())
    return ::testing::AssertionFailure()
           << "no golden picture " << golden << " (PANMASTER_UPDATE_GOLDEN=1 makes it)";
  const int differences = actual.CountDifferences(expected);
  if (differences == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differences << " pixels of " << shot << " differ from " << golden;
}

}  // namespace pm::test

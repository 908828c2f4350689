#pragma once

// Screenshots of replay runs ("shot" lines), read back through an initiated engine, a
// colour comparison with a tolerance for the pixel checks on them, and the comparison with
// golden pictures kept in the source tree. Rendering is bit-exact, so a golden picture must
// match to the pixel; with PANMASTER_UPDATE_GOLDEN=1 the shot becomes the golden picture.

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

// A screenshot read back through the engine.
class Shot {
 public:
  Shot(Engine& engine, const std::filesystem::path& file)
      : m_engine(engine), m_texture(engine.TextureLoad(file.c_str())) {
    if (!m_texture) return;
    m_width = engine.TextureGetWidth(m_texture);
    m_height = engine.TextureGetHeight(m_texture);
    const std::uint32_t* pixels = engine.TextureLock(m_texture);
    m_pixels.assign(pixels, pixels + static_cast<std::size_t>(m_width) * m_height);
    engine.TextureUnlock(m_texture);
  }
  ~Shot() {
    if (m_texture) m_engine.TextureFree(m_texture);
  }
  Shot(const Shot&) = delete;
  Shot& operator=(const Shot&) = delete;

  bool IsLoaded() const { return !m_pixels.empty(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }
  std::uint32_t At(int x, int y) const {
    return m_pixels[static_cast<std::size_t>(y) * m_width + x] & 0x00FFFFFF;
  }
  // Pixels of the rectangle whose brightest channel is above (or, when dark, below) the
  // level.
  int Count(int left, int top, int right, int bottom, int level, bool dark) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const std::uint32_t p = At(x, y);
        const int peak = std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF});
        count += dark ? peak < level : peak > level;
      }
    }
    return count;
  }
  // Pixels whose colour differs from the other shot's (all of them when the sizes differ).
  int CountDifferences(const Shot& other) const {
    if (m_width != other.m_width || m_height != other.m_height)
      return std::max(static_cast<int>(m_pixels.size()), 1);
    int count = 0;
    for (std::size_t i = 0; i < m_pixels.size(); ++i)
      count += (m_pixels[i] & 0x00FFFFFF) != (other.m_pixels[i] & 0x00FFFFFF);
    return count;
  }
  // The same within the rectangle, which lies on both shots.
  int CountDifferences(const Shot& other, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) count += At(x, y) != other.At(x, y);
    return count;
  }

 private:
  Engine& m_engine;
  EngineTexture m_texture;
  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
};

// Each channel within tolerance of the expected colour.
inline ::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected,
                                       int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance)
      return ::testing::AssertionFailure()
             << std::hex << "0x" << actual << " is not near 0x" << expected;
  }
  return ::testing::AssertionSuccess();
}

// The shot against the golden picture; PANMASTER_UPDATE_GOLDEN=1 copies the shot over the
// golden picture first.
inline ::testing::AssertionResult MatchesGolden(Engine& engine, const std::filesystem::path& shot,
                                                const std::filesystem::path& golden) {
  const char* update = std::getenv("PANMASTER_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::error_code error;
    std::filesystem::create_directories(golden.parent_path(), error);
    std::filesystem::copy_file(shot, golden, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) return ::testing::AssertionFailure() << "can't write " << golden;
  }
  const Shot actual(engine, shot);
  const Shot expected(engine, golden);
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

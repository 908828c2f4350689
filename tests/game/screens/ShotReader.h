#pragma once

// The shots of a screen replay read back for pixel checks: through an engine of their own,
// made once the run's engine is gone, from the run's shot folder.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"

namespace pm::test {

class ShotReader {
 public:
  explicit ShotReader(std::filesystem::path folder) : m_folder(std::move(folder)) {}

  const std::filesystem::path& Folder() const { return m_folder; }

  std::unique_ptr<Shot> Load(const std::string& file) {
    auto shot = std::make_unique<Shot>(Session().engine(), m_folder / file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }

  bool CanRender() { return Session().IsInitiated(); }

 private:
  RenderSession& Session() {
    if (!m_session) m_session = std::make_unique<RenderSession>();
    return *m_session;
  }

  std::unique_ptr<RenderSession> m_session;
  std::filesystem::path m_folder;
};

// Each channel of 0xRRGGBB within the tolerance of the expected colour's.
inline bool NearColour(std::uint32_t rgb, std::uint32_t expected, int tolerance = 24) {
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((rgb >> shift) & 0xFF);
    const int b = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) return false;
  }
  return true;
}

}  // namespace pm::test

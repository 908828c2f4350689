#pragma once

// A game screen's whole-program run with shots: the shots are taken after the listed frames
// and read back through an engine of their own once the run's engine is gone; the run's log
// must name no missing resource.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"

namespace pm::test {

class ScreenShotTest : public GameScreenTest {
 protected:
  // Runs the screen for `frames` with the script lines `input`, with a shot after each
  // listed frame.
  void RunWithShots(const std::string& screen, const std::string& layout, const char* tag,
                    int frames, const std::vector<std::pair<int, std::string>>& shots,
                    const std::string& input = "") {
    m_folder = ShotFolder(tag);
    std::string script = "frames " + std::to_string(frames) + "\n" + input;
    for (const auto& [frame, file] : shots)
      script += "@" + std::to_string(frame) + " shot " + (m_folder / file).string() + "\n";
    Run(screen, layout, script);
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  }

  std::unique_ptr<Shot> Load(const std::string& file) {
    if (!m_session) m_session = std::make_unique<RenderSession>();
    auto shot = std::make_unique<Shot>(m_session->engine(), m_folder / file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }

  bool CanRender() {
    if (!m_session) m_session = std::make_unique<RenderSession>();
    return m_session->IsInitiated();
  }

 private:
  std::unique_ptr<RenderSession> m_session;
  std::filesystem::path m_folder;
};

// Each channel of the two 0xRRGGBB colours within the tolerance.
inline bool NearRgb(std::uint32_t rgb, std::uint32_t expected, int tolerance = 24) {
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((rgb >> shift) & 0xFF);
    const int b = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) return false;
  }
  return true;
}

}  // namespace pm::test

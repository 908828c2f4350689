#pragma once

// A game screen's whole-program run with shots: the shots are taken after the listed frames
// and read back through an engine of their own once the run's engine is gone; the run's log
// must name no missing resource.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/ShotReader.h"

namespace pm::test {

class ScreenShotTest : public GameScreenTest {
 protected:
  // Runs the screen for `frames` with the script lines `input`, with a shot after each
  // listed frame.
  void RunWithShots(const std::string& screen, const std::string& layout, const char* tag,
                    int frames, const std::vector<std::pair<int, std::string>>& shots,
                    const std::string& input = "") {
    m_shots = std::make_unique<ShotReader>(ShotFolder(tag));
    std::string script = "frames " + std::to_string(frames) + "\n" + input;
    for (const auto& [frame, file] : shots)
      script += "@" + std::to_string(frame) + " shot " + (m_shots->Folder() / file).string() + "\n";
    Run(screen, layout, script);
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  }

  std::unique_ptr<Shot> Load(const std::string& file) { return m_shots->Load(file); }
  bool CanRender() { return m_shots->CanRender(); }

 private:
  std::unique_ptr<ShotReader> m_shots;
};

}  // namespace pm::test

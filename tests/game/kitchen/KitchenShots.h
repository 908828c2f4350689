#pragma once

// The shots of a kitchen replay: the script's "shot" lines, one picture a frame named
// "<frame>.png" in the folder, and the pictures read back once the run's engine is gone,
// through an engine of their own. gtest's ASSERT only works in void functions, so the
// loading reports and the test asserts:
//
//   const pm::test::KitchenShots shot(folder, frames);
//   ASSERT_TRUE(shot.IsLoaded());
//   shot[kOpened].CountDifferences(shot[kClosed], ...);

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace pm::test {

// The square of half-width `half` round a point, kept on the 800 x 600 screen.
inline GF::TRect<int> Around(const GF::TPoint<float>& at, int half) {
  const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
  return {std::max(x - half, 0), std::max(y - half, 0), std::min(x + half, 800),
          std::min(y + half, 600)};
}

inline int Differences(const Shot& a, const Shot& b, const GF::TRect<int>& r) {
  return a.CountDifferences(b, r.left, r.top, r.right, r.bottom);
}

class KitchenShots {
 public:
  KitchenShots(const std::filesystem::path& folder, const std::vector<int>& frames) {
    if (!m_session.IsInitiated()) return;
    for (int frame : frames)
      m_shots[frame] = std::make_unique<Shot>(m_session.engine(), File(folder, frame));
  }

  // The replay's folder of shots. A kept one holds the last program run's save folder
  // "data", whose player had seen the tips already: it goes.
  static std::filesystem::path Folder(const std::string& name) {
    const std::filesystem::path folder = ShotFolder(name.c_str());
    std::filesystem::remove_all(folder / "data");
    return folder;
  }

  // The script lines that take the shots of those frames into the folder.
  static std::string ScriptLines(const std::filesystem::path& folder,
                                 const std::vector<int>& frames) {
    std::string lines;
    for (int frame : frames)
      lines += "@" + std::to_string(frame) + " shot " + File(folder, frame).string() + "\n";
    return lines;
  }

  // The engine started and every shot was read.
  bool IsLoaded() const {
    if (!m_session.IsInitiated() || m_shots.empty()) return false;
    for (const auto& [frame, shot] : m_shots)
      if (!shot->IsLoaded()) return false;
    return true;
  }
  const Shot& operator[](int frame) const { return *m_shots.at(frame); }

 private:
  static std::filesystem::path File(const std::filesystem::path& folder, int frame) {
    return folder / (std::to_string(frame) + ".png");
  }

  // Declared first: the shots free their textures through it.
  RenderSession m_session;
  std::map<int, std::unique_ptr<Shot>> m_shots;
};

}  // namespace pm::test

// The main of every test binary: isolates the user's folders and selects the headless
// SDL drivers before any test runs, then removes the process's temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "tests/support/TestSupport.h"

int main(int argc, char** argv) {
  const auto& tmp = pm::test::ProcessTempDir();
  std::filesystem::create_directories(tmp / "home");
  std::filesystem::create_directories(tmp / "data");
  std::filesystem::create_directories(tmp / "runtime");
  setenv("HOME", (tmp / "home").c_str(), 1);
  setenv("XDG_DATA_HOME", (tmp / "data").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (tmp / "runtime").c_str(), 1);
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  std::error_code ec;
  std::filesystem::remove_all(tmp, ec);
  return rc;
}

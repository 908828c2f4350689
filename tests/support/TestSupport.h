#pragma once

#include <filesystem>
#include <string>

namespace pm::test {

// A folder made for this test process; HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR point
// into it, so no test touches the user's files.
const std::filesystem::path& ProcessTempDir();

// A fresh, empty folder below ProcessTempDir().
std::filesystem::path MakeTempDir(const char* tag);

// Where a replay's shots go: PANMASTER_SHOTS/<tag>, kept for a look, when that variable is
// set; else a fresh temporary folder.
std::filesystem::path ShotFolder(const char* tag);

// Sets an environment variable for one scope, then restores (or removes) it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv();

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

}  // namespace pm::test

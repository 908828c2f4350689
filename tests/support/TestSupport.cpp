#include "tests/support/TestSupport.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace pm::test {

const std::filesystem::path& ProcessTempDir() {
  static const std::filesystem::path dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "panmaster-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return std::filesystem::path(pattern);
  }();
  return dir;
}

std::filesystem::path MakeTempDir(const char* tag) {
  static std::atomic<int> counter{0};
  auto dir = ProcessTempDir() / (std::string(tag) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::filesystem::path ShotFolder(const char* tag) {
  const char* keep = std::getenv("PANMASTER_SHOTS");
  if (!keep || !*keep) return MakeTempDir(tag);
  const std::filesystem::path folder = std::filesystem::path(keep) / tag;
  std::filesystem::create_directories(folder);
  return folder;
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    old_ = old;
    had_ = true;
  }
  setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (had_)
    setenv(name_, old_.c_str(), 1);
  else
    unsetenv(name_);
}

}  // namespace pm::test

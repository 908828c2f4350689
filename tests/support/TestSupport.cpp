#include "tests/support/TestSupport.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace pm::test {

const std::filesystem::path& ProcessTempDir() {
  static const std::filesystem::path dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "panmaster-test-XXXXXX").string();
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

}  // namespace pm::test

#include "fuzz/FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/Engine.h"

namespace pm::fuzz {

Engine& TheEngine() {
  static Engine* engine = hgeCreate(ENGINE_VERSION);
  return *engine;
}

namespace {

// A fresh folder in the temp folder, removed when the process ends normally.
class TempFolder {
 public:
  TempFolder() {
    const auto name = "panmaster-fuzz-" + std::to_string(std::random_device()());
    m_path = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

}  // namespace

const std::string& WorkDir() {
  static const TempFolder folder;
  return folder.Path();
}

std::string EngineName(const std::string& path) {
  std::string name = path;
  for (char& c : name) {
    if (c == '/') c = '\\';
  }
  return name;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ContentDir() {
  const char* dir = std::getenv("PANMASTER_FUZZ_CONTENT");
  return dir ? dir : "";
}

void WriteSeed(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const char* dir = std::getenv("PANMASTER_FUZZ_SEEDS");
  if (dir && *dir) WriteFile(std::string(dir) + "/" + name, bytes.data(), bytes.size());
}

}  // namespace pm::fuzz

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/OsServices.h"

namespace Os {

namespace {

// Creates every missing folder of an absolute path with the given mode.
bool MakeFolders(const std::string& path, mode_t mode) {
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (!part.empty() && mkdir(part.c_str(), mode) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

std::string DataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  // The XDG base directory rules ignore a relative value.
  if (data && data[0] == '/') return data;
  const std::string home = HomeFolder();
  return home.empty() ? "" : home + "/.local/share";
}

}  // namespace

std::string GetProgramDirectory() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return "";
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

std::string CleanTitle(std::string_view title) {
  std::string out;
  for (char c : title) {
    if (std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos) out += c;
  }
  return out;
}

std::string GetSaveFolder(std::string_view title) {
  const std::string base = DataHome();
  const std::string name = CleanTitle(title);
  if (base.empty() || name.empty() || name == "." || name == "..") return "";
  const std::string folder = base + "/" + name;
  return MakeFolders(folder, 0700) ? folder : "";
}

}  // namespace Os

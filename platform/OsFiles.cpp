#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/OsServices.h"

namespace Os {

namespace {

bool SyncPath(const std::string& path, int flags) {
  const int fd = open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  return close(fd) == 0 && synced;
}

}  // namespace

bool ReplaceFile(const std::string& from, const std::string& to) {
  // The new bytes must be on the disk before the name points at them, or a power cut could
  // leave an empty file where the old one was.
  if (!SyncPath(from, O_RDONLY) || std::rename(from.c_str(), to.c_str()) != 0) return false;
  // Best effort: the rename itself survives a power cut once its folder is synced.
  const std::size_t slash = to.rfind('/');
  SyncPath(slash == std::string::npos ? "." : (slash == 0 ? "/" : to.substr(0, slash)),
           O_RDONLY | O_DIRECTORY);
  return true;
}

bool DeleteFile(const std::string& path) {
  return unlink(path.c_str()) == 0;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
  // Named after the process, so programs saving the same file at once never share a
  // temporary file; the last rename wins with a whole file.
  const std::string temp = path + "." + std::to_string(getpid()) + ".tmp";
  std::FILE* file = std::fopen(temp.c_str(), "wbe");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  if (std::fclose(file) == 0 && written && ReplaceFile(temp, path)) return true;
  DeleteFile(temp);
  return false;
}

}  // namespace Os

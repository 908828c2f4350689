#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/OsServices.h"

namespace Os {

namespace {

std::string RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return runtime;
  const char* tmp = std::getenv("TMPDIR");
  return tmp && tmp[0] == '/' ? tmp : "/tmp";
}

}  // namespace

InstanceLock::~InstanceLock() {
  Release();
}

bool InstanceLock::Acquire(const std::string& title) {
  if (fd_ >= 0) return true;
  // The uid keeps users of a shared temp folder apart.
  const std::string path =
      RuntimeFolder() + "/" + CleanTitle(title) + "." + std::to_string(getuid()) + ".lock";
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  // flock locks belong to the open file, so a second open in this process is refused too.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void InstanceLock::Release() {
  if (fd_ < 0) return;
  // The file stays: removing it would let a third process lock a new file while a second
  // still holds the old one.
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}

}  // namespace Os

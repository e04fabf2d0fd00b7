#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/host/native_path.h"

bool PathExists(const std::string& path) {
  struct stat status;
  return stat(NativePath(path).c_str(), &status) == 0;
}

bool CreateFolder(const std::string& path) { return mkdir(NativePath(path).c_str(), 0777) == 0; }

// The only attribute Linux has of the four that FILE_ATTRIBUTE_NORMAL clears
// is read-only, that is the missing write permission of the owner.
void SetNormalAttributes(const std::string& path) {
  NativePath native(path);
  struct stat status;
  if (stat(native.c_str(), &status) != 0) return;
  if ((status.st_mode & S_IWUSR) != 0) return;
  chmod(native.c_str(), (status.st_mode & 07777) | S_IWUSR);
}

bool WriteFileBytes(const std::string& path, const void* bytes, size_t size) {
  if (path.empty()) return false;
  const int fd = open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const char* next = static_cast<const char*>(bytes);
  size_t left = size;
  bool ok = true;
  while (left > 0) {
    const ssize_t written = write(fd, next, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      ok = false;
      break;
    }
    next += written;
    left -= static_cast<size_t>(written);
  }
  if (close(fd) != 0) ok = false;
  return ok;
}

bool DeleteFilePath(const std::string& path) { return unlink(NativePath(path).c_str()) == 0; }

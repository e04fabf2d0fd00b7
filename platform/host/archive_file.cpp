#include "platform/archive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/host/native_path.h"

ArchiveFile::ArchiveFile(ArchiveFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), size_(other.size_) {}

ArchiveFile& ArchiveFile::operator=(ArchiveFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kNoHandle);
    size_ = other.size_;
  }
  return *this;
}

// Linux has no sharing modes: the file stays writable and deletable by
// others while it is open. A folder cannot be opened, as on Windows.
bool ArchiveFile::Open(const std::string& path) {
  Close();
  const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status;
  if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
    close(fd);
    return false;
  }
  handle_ = fd;
  size_ = static_cast<uint64_t>(status.st_size);
  return true;
}

bool ArchiveFile::ReadAt(uint64_t offset, void* buffer, size_t size, size_t& bytesRead) {
  bytesRead = 0;
  if (!IsOpen()) return false;
  char* next = static_cast<char*>(buffer);
  while (bytesRead < size) {
    const ssize_t got = pread(static_cast<int>(handle_), next + bytesRead, size - bytesRead,
                              static_cast<off_t>(offset + bytesRead));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    bytesRead += static_cast<size_t>(got);
  }
  return true;
}

void ArchiveFile::Close() {
  if (IsOpen()) close(static_cast<int>(handle_));
  handle_ = kNoHandle;
  size_ = 0;
}

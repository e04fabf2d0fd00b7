#include "platform/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/host/native_path.h"

namespace {

constexpr uint32_t kReadOnlyAttribute = 0x1;
constexpr uint64_t kFileTimeOf1970 = 116444736000000000ULL;

timespec ToTimespec(uint64_t fileTime) {
  timespec result{};
  if (fileTime == 0) {
    result.tv_nsec = UTIME_OMIT;
    return result;
  }
  const int64_t since1970 = static_cast<int64_t>(fileTime - kFileTimeOf1970);
  int64_t seconds = since1970 / 10000000;
  int64_t rest = since1970 % 10000000;
  if (rest < 0) {
    rest += 10000000;
    seconds -= 1;
  }
  result.tv_sec = static_cast<time_t>(seconds);
  result.tv_nsec = static_cast<long>(rest * 100);
  return result;
}

}  // namespace

OutputFile::OutputFile(OutputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), knownDisk_(other.knownDisk_) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kNoHandle);
    knownDisk_ = other.knownDisk_;
  }
  return *this;
}

// Hidden, system and archive have no Linux equivalent, and Linux has no
// sharing modes: only read-only is kept, as a missing write permission.
// Extraction mostly creates new files: one created here is an ordinary file
// for certain, which spares IsDisk a system call; only when something is
// already at the path is it opened again to be replaced.
bool OutputFile::Create(const std::string& path, uint32_t fileAttributes) {
  Close();
  const mode_t mode = (fileAttributes & kReadOnlyAttribute) != 0 ? 0444 : 0666;
  const NativePath native(path);
  int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  knownDisk_ = fd >= 0;
  if (fd < 0 && errno == EEXIST) {
    fd = open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  }
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

bool OutputFile::Write(const void* bytes, size_t size) {
  const char* next = static_cast<const char*>(bytes);
  while (size > 0) {
    const ssize_t written = write(static_cast<int>(handle_), next, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    next += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool OutputFile::IsDisk() const {
  if (knownDisk_) return true;
  struct stat status;
  return fstat(static_cast<int>(handle_), &status) == 0 && S_ISREG(status.st_mode);
}

// Linux keeps no creation time that a program could set.
void OutputFile::SetTimes(uint64_t /*creationTime*/, uint64_t accessTime, uint64_t writeTime) {
  const timespec times[2] = {ToTimespec(accessTime), ToTimespec(writeTime)};
  futimens(static_cast<int>(handle_), times);
}

void OutputFile::Close() {
  if (handle_ != kNoHandle) close(static_cast<int>(handle_));
  handle_ = kNoHandle;
  knownDisk_ = false;
}

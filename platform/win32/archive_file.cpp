#include "platform/archive_file.h"

#include <windows.h>

#include <utility>

namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

ArchiveFile::ArchiveFile(ArchiveFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)),
      size_(other.size_),
      position_(other.position_) {}

ArchiveFile& ArchiveFile::operator=(ArchiveFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kNoHandle);
    size_ = other.size_;
    position_ = other.position_;
  }
  return *this;
}

bool ArchiveFile::Open(const std::string& path) {
  Close();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<intptr_t>(file);
  size_ = static_cast<uint64_t>(size.QuadPart);
  position_ = 0;
  return true;
}

// Reads run mostly forward, so the file pointer is moved only when the
// wanted position is not where the last read ended.
bool ArchiveFile::ReadAt(uint64_t offset, void* buffer, size_t size, size_t& bytesRead) {
  bytesRead = 0;
  if (!IsOpen()) return false;
  if (offset != position_) {
    LONG high = static_cast<LONG>(offset >> 32);
    const DWORD low = SetFilePointer(AsHandle(handle_), static_cast<LONG>(offset & 0xFFFFFFFFu),
                                     &high, FILE_BEGIN);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
    position_ = offset;
  }
  char* next = static_cast<char*>(buffer);
  while (bytesRead < size) {
    const size_t left = size - bytesRead;
    const DWORD want = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), next + bytesRead, want, &got, nullptr)) {
      position_ = ~0ULL;  // unknown after a failed read
      return false;
    }
    position_ += got;
    bytesRead += got;
    if (got == 0) break;
  }
  return true;
}

void ArchiveFile::Close() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
  size_ = 0;
  position_ = 0;
}

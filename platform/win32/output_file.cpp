#include "platform/output_file.h"

#include <windows.h>

#include <utility>

namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

FILETIME ToFileTime(uint64_t value) {
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(value & 0xFFFFFFFFu);
  time.dwHighDateTime = static_cast<DWORD>(value >> 32);
  return time;
}

}  // namespace

OutputFile::OutputFile(OutputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kNoHandle);
  }
  return *this;
}

bool OutputFile::Create(const std::string& path, uint32_t fileAttributes) {
  Close();
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, fileAttributes, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(file);
  return true;
}

bool OutputFile::Write(const void* bytes, size_t size) {
  const char* next = static_cast<const char*>(bytes);
  while (size > 0) {
    const DWORD want = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), next, want, &written, nullptr) || written == 0) return false;
    next += written;
    size -= written;
  }
  return true;
}

bool OutputFile::IsDisk() const { return GetFileType(AsHandle(handle_)) == FILE_TYPE_DISK; }

// A null pointer leaves a time unchanged; SetFileTime's result is not needed.
void OutputFile::SetTimes(uint64_t creationTime, uint64_t accessTime, uint64_t writeTime) {
  const FILETIME creation = ToFileTime(creationTime);
  const FILETIME access = ToFileTime(accessTime);
  const FILETIME write = ToFileTime(writeTime);
  SetFileTime(AsHandle(handle_), creationTime != 0 ? &creation : nullptr,
              accessTime != 0 ? &access : nullptr, writeTime != 0 ? &write : nullptr);
}

void OutputFile::Close() {
  if (handle_ != kNoHandle) CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
}

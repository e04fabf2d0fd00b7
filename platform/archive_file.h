// The archive file as the ZIP reader reads it: opened once for reading,
// shared for reading only, and read at explicit positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ArchiveFile {
 public:
  ArchiveFile() = default;
  ~ArchiveFile() { Close(); }
  ArchiveFile(ArchiveFile&& other) noexcept;
  ArchiveFile& operator=(ArchiveFile&& other) noexcept;
  ArchiveFile(const ArchiveFile&) = delete;
  ArchiveFile& operator=(const ArchiveFile&) = delete;

  // CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, no security attributes,
  // OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, no template): while it is open
  // nobody can write to the file or delete it. Also learns the file's size.
  bool Open(const std::string& path);
  bool IsOpen() const { return handle_ != kNoHandle; }
  uint64_t Size() const { return size_; }

  // Reads up to size bytes at offset; returns how many were read, which is
  // fewer only at the end of the file or after a read error (then false).
  bool ReadAt(uint64_t offset, void* buffer, size_t size, size_t& bytesRead);

  void Close();

 private:
  static constexpr intptr_t kNoHandle = -1;
  intptr_t handle_ = kNoHandle;  // a HANDLE on Windows, a descriptor elsewhere
  uint64_t size_ = 0;
  uint64_t position_ = 0;  // where the next read starts without a seek
};

// An extracted file being written: created with the entry's attributes and
// no sharing, filled, given the entry's times, closed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile() { Close(); }
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&& other) noexcept;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // CreateFileA(path, GENERIC_WRITE, no sharing, no security attributes,
  // CREATE_ALWAYS, fileAttributes, no template): an existing file is
  // replaced. Elsewhere a read-only attribute means no write permission.
  bool Create(const std::string& path, uint32_t fileAttributes);

  // Writes all bytes; false when the system wrote fewer.
  bool Write(const void* bytes, size_t size);

  // GetFileType(...) == FILE_TYPE_DISK: an ordinary file on a volume.
  bool IsDisk() const;

  // SetFileTime with the three file times; a time of 0 (unknown) is left as
  // the system set it, and elsewhere the creation time cannot be set.
  void SetTimes(uint64_t creationTime, uint64_t accessTime, uint64_t writeTime);

  void Close();

 private:
  static constexpr intptr_t kNoHandle = -1;
  intptr_t handle_ = kNoHandle;
  // Set when creating the file already showed it to be an ordinary file on a
  // volume, so that IsDisk need not ask the system.
  bool knownDisk_ = false;
};

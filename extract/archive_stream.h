// The file layer under minizip: the archive file read through two small
// block caches, so that the dependency's many small reads (a byte at a time
// for header fields) and its seeks cost no system call while they stay
// within a block, and its 16 KB data reads go straight to the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ioapi.h"
#include "platform/archive_file.h"

class ArchiveStream {
 public:
  static constexpr size_t kBlockSize = 16384;

  ArchiveStream() = default;
  ArchiveStream(const ArchiveStream&) = delete;
  ArchiveStream& operator=(const ArchiveStream&) = delete;

  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }

  // The dependency's view: a position, reads from it, seeks and errors.
  size_t Read(void* buffer, size_t size);
  bool Seek(uint64_t offset, int origin);
  uint64_t Tell() const { return position_; }
  bool HasError() const { return error_; }

  // How many reads the dependency asked for since the file was opened.
  uint64_t ReadCount() const { return readCount_; }

  // Hooks for unzOpen2_64; the "file name" handed to it is this stream,
  // which is already open.
  static void FillFileFunctions(zlib_filefunc64_def& functions);

 private:
  struct Block {
    uint64_t start = 0;
    size_t length = 0;
    uint64_t lastUse = 0;
    bool valid = false;
    unsigned char bytes[kBlockSize];
  };

  size_t CopyFromBlocks(unsigned char* out, size_t size);
  bool LoadBlockAt(uint64_t offset);

  ArchiveFile file_;
  uint64_t position_ = 0;
  uint64_t useCounter_ = 0;
  uint64_t readCount_ = 0;
  bool error_ = false;
  // One block follows the central directory, the other the entries' data.
  Block blocks_[2];
};

// The file layer under minizip: the archive file read through a few block
// caches, so that the dependency's many small reads (a byte at a time for
// header fields) and its seeks cost no system call while they stay within a
// block, and its large data reads go straight to the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "ioapi.h"
#include "platform/archive_file.h"

class ArchiveStream {
 public:
  static constexpr size_t kBlockSize = 65536;
  // Reads of this size or more that the hot block cannot serve bypass the
  // caches: the entries' data, read in the dependency's input blocks.
  static constexpr size_t kDirectReadSize = 16384;

  ArchiveStream();
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
  // How many reads of the file those took.
  uint64_t FileReadCount() const { return fileReadCount_; }

  // Hooks for unzOpen2_64; the "file name" handed to it is this stream,
  // which is already open.
  static void FillFileFunctions(zlib_filefunc64_def& functions);

 private:
  // Three blocks: one follows the central directory, two the local headers
  // and data, so that data running into the next block does not push the
  // directory out.
  static constexpr size_t kBlockCount = 3;

  struct Block {
    uint64_t start = 0;
    size_t length = 0;  // 0: holds nothing
    uint64_t lastUse = 0;
    unsigned char* bytes = nullptr;
  };

  size_t ReadThroughBlocks(unsigned char* out, size_t size);
  bool ReadFile(uint64_t offset, void* buffer, size_t size, size_t& got);
  Block* BlockHolding(uint64_t offset);
  bool LoadBlockAt(uint64_t offset);

  ArchiveFile file_;
  uint64_t position_ = 0;
  uint64_t useCounter_ = 0;
  uint64_t readCount_ = 0;
  uint64_t fileReadCount_ = 0;
  bool error_ = false;
  Block blocks_[kBlockCount];
  size_t hot_ = 0;  // the block the last read came from
  std::unique_ptr<unsigned char[]> storage_;
};

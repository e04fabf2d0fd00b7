// ZipReader: one ZIP archive file as a numbered list of entries (0-based, in
// central-directory order), each with its name, Windows attributes and file
// times, and each file entry written to a target file on request.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extract/archive_stream.h"
#include "extract/zip_entry_info.h"
#include "unzip.h"

class OutputFile;

class ZipReader {
 public:
  static constexpr size_t kNameBufferSize = 260;
  static constexpr size_t kWriteBufferSize = 16384;

  ZipReader();
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // Opens the file for reading, shared for reading only, and reads the
  // archive's directory. False when either fails; nothing stays open then.
  bool OpenArchive(const std::string& archivePath);

  // The number of entries the archive's directory lists.
  int32_t EntryCount() const { return entryCount_; }

  // The information of entry index, or null when the index is out of range
  // or the entry cannot be extracted correctly: its local header disagrees
  // with the directory, its method is neither stored nor deflate, it is
  // encrypted, its name has 260 bytes or more or would leave the
  // destination. The result stays valid until the next call.
  const ZipEntryInfo* GetEntry(int32_t index);

  // Writes file entry index to targetPath (at most 259 bytes, folder
  // existing). False when the file cannot be created, on a read, inflate or
  // write error, and when the data does not match the entry's size or
  // CRC-32; the partial file then stays, without the entry's times.
  bool ExtractToFile(int32_t index, const std::string& targetPath);

  void CloseArchive();

  // Reads the archive file has served since it was opened, and the reads of
  // the file they took (diagnostics).
  uint64_t ArchiveReadCount() const { return stream_.ReadCount(); }
  uint64_t ArchiveFileReadCount() const { return stream_.FileReadCount(); }

 private:
  bool PositionAt(int32_t index);
  bool ReadCurrentEntry(ZipEntryInfo& info, uint64_t& uncompressedSize);
  bool ReadLocalExtraField(size_t& length);
  void ApplyTimes(ZipEntryInfo& info, uint32_t dosDateTime, size_t extraLength) const;
  bool CopyEntryData(OutputFile& file, uint64_t& written);
  void CloseOpenEntry();

  ArchiveStream stream_;
  unzFile archive_ = nullptr;
  int32_t entryCount_ = 0;
  int32_t currentEntry_ = -1;  // the dependency's current entry, -1 unknown
  int32_t openEntry_ = -1;
  int32_t cachedIndex_ = -1;
  ZipEntryInfo cachedInfo_;
  uint64_t cachedUncompressedSize_ = 0;
  ZipEntryInfo scratchInfo_;  // filled first, so a failure keeps the cache
  std::vector<unsigned char> extraField_;
  std::unique_ptr<unsigned char[]> writeBuffer_;
};

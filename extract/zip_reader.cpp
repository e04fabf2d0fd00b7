#include "extract/zip_reader.h"

#include <climits>
#include <utility>

#include "extract/zip_entry_rules.h"
#include "platform/file_times.h"
#include "platform/output_file.h"

ZipReader::ZipReader() : writeBuffer_(new unsigned char[kWriteBufferSize]) {}

ZipReader::~ZipReader() { CloseArchive(); }

bool ZipReader::OpenArchive(const std::string& archivePath) {
  CloseArchive();
  if (!stream_.Open(archivePath)) return false;
  zlib_filefunc64_def functions;
  ArchiveStream::FillFileFunctions(functions);
  // The stream is already open; the dependency takes it as the file's name.
  archive_ = unzOpen2_64(&stream_, &functions);
  unz_global_info64 global;
  if (archive_ == nullptr || unzGetGlobalInfo64(archive_, &global) != UNZ_OK) {
    CloseArchive();
    return false;
  }
  entryCount_ =
      global.number_entry > INT32_MAX ? INT32_MAX : static_cast<int32_t>(global.number_entry);
  currentEntry_ = 0;  // opening leaves the dependency at the first entry
  return true;
}

void ZipReader::CloseArchive() {
  CloseOpenEntry();
  if (archive_ != nullptr) unzClose(archive_);
  archive_ = nullptr;
  stream_.Close();
  entryCount_ = 0;
  currentEntry_ = -1;
  cachedIndex_ = -1;
}

void ZipReader::CloseOpenEntry() {
  if (openEntry_ == -1) return;
  unzCloseCurrentFile(archive_);
  openEntry_ = -1;
}

// The walk only moves forward; a lower index starts again from entry 0.
bool ZipReader::PositionAt(int32_t index) {
  if (currentEntry_ < 0 || index < currentEntry_) {
    currentEntry_ = -1;
    if (unzGoToFirstFile(archive_) != UNZ_OK) return false;
    currentEntry_ = 0;
  }
  while (currentEntry_ < index) {
    if (unzGoToNextFile(archive_) != UNZ_OK) {
      currentEntry_ = -1;
      return false;
    }
    ++currentEntry_;
  }
  return true;
}

const ZipEntryInfo* ZipReader::GetEntry(int32_t index) {
  if (archive_ == nullptr || index < 0 || index >= entryCount_) return nullptr;
  CloseOpenEntry();
  if (index == cachedIndex_) return &cachedInfo_;
  uint64_t uncompressedSize = 0;
  if (!PositionAt(index) || !ReadCurrentEntry(scratchInfo_, uncompressedSize)) return nullptr;
  std::swap(cachedInfo_, scratchInfo_);
  cachedIndex_ = index;
  cachedUncompressedSize_ = uncompressedSize;
  return &cachedInfo_;
}

bool ZipReader::ReadCurrentEntry(ZipEntryInfo& info, uint64_t& uncompressedSize) {
  unz_file_info64 raw;
  char name[kNameBufferSize];
  if (unzGetCurrentFileInfo64(archive_, &raw, name, sizeof(name), nullptr, 0, nullptr, 0) !=
      UNZ_OK) {
    return false;
  }
  // A name that fills the buffer arrived without its end: refused whole.
  if (raw.size_filename >= kNameBufferSize) return false;
  const size_t nameLength = static_cast<size_t>(raw.size_filename);
  if (!IsSafeEntryName(name, nameLength)) return false;
  // Encrypted data cannot be extracted correctly without a password.
  if ((raw.flag & 1) != 0) return false;
  if (raw.compression_method != 0 && raw.compression_method != Z_DEFLATED) return false;

  // Opening the entry checks its local header against the directory record;
  // raw mode spares starting the inflater only to close it again.
  if (unzOpenCurrentFile2(archive_, nullptr, nullptr, 1) != UNZ_OK) return false;
  openEntry_ = currentEntry_;
  size_t extraLength = 0;
  const bool extraRead = ReadLocalExtraField(extraLength);
  CloseOpenEntry();
  if (!extraRead) return false;

  info.entryName.assign(name, nameLength);
  info.fileAttributes = MapFileAttributes(static_cast<uint32_t>(raw.external_fa));
  ApplyTimes(info, static_cast<uint32_t>(raw.dosDate), extraLength);
  uncompressedSize = raw.uncompressed_size;
  return true;
}

bool ZipReader::ReadLocalExtraField(size_t& length) {
  length = 0;
  const int size = unzGetLocalExtrafield(archive_, nullptr, 0);
  if (size < 0) return false;
  if (size == 0) return true;
  if (extraField_.size() < static_cast<size_t>(size)) extraField_.resize(static_cast<size_t>(size));
  if (unzGetLocalExtrafield(archive_, extraField_.data(), static_cast<unsigned>(size)) != size) {
    return false;
  }
  length = static_cast<size_t>(size);
  return true;
}

// The MS-DOS date and time (taken as UTC) give all three times; an
// extended timestamp replaces each time it supplies.
void ZipReader::ApplyTimes(ZipEntryInfo& info, uint32_t dosDateTime, size_t extraLength) const {
  uint64_t dosTime = 0;
  DosTimeToFileTime(static_cast<uint16_t>(dosDateTime >> 16),
                    static_cast<uint16_t>(dosDateTime & 0xFFFF), dosTime);
  info.accessTime = info.creationTime = info.writeTime = dosTime;
  const ExtendedTimestamp extended = ScanExtendedTimestamp(extraField_.data(), extraLength);
  uint64_t time = 0;
  if (extended.hasWriteTime && UnixTimeToFileTime(extended.writeTime, time)) info.writeTime = time;
  if (extended.hasAccessTime && UnixTimeToFileTime(extended.accessTime, time)) {
    info.accessTime = time;
  }
  if (extended.hasCreationTime && UnixTimeToFileTime(extended.creationTime, time)) {
    info.creationTime = time;
  }
}

bool ZipReader::ExtractToFile(int32_t index, const std::string& targetPath) {
  CloseOpenEntry();
  if (archive_ == nullptr || index < 0 || index >= entryCount_) return false;
  if (!PositionAt(index)) return false;
  const ZipEntryInfo* info = GetEntry(index);
  if (info == nullptr || targetPath.size() >= kNameBufferSize) return false;

  OutputFile file;
  if (!file.Create(targetPath, info->fileAttributes)) return false;
  bool ok = unzOpenCurrentFile(archive_) == UNZ_OK;
  if (ok) {
    openEntry_ = index;
    uint64_t written = 0;
    ok = CopyEntryData(file, written) && written == cachedUncompressedSize_;
    // Closing the entry compares the CRC-32 of all the data delivered.
    ok = unzCloseCurrentFile(archive_) == UNZ_OK && ok;
    openEntry_ = -1;
  }
  if (ok && file.IsDisk()) file.SetTimes(info->creationTime, info->accessTime, info->writeTime);
  file.Close();
  return ok;
}

bool ZipReader::CopyEntryData(OutputFile& file, uint64_t& written) {
  for (;;) {
    const int got = unzReadCurrentFile(archive_, writeBuffer_.get(), kWriteBufferSize);
    if (got < 0) return false;
    if (got == 0) return true;
    if (!file.Write(writeBuffer_.get(), static_cast<size_t>(got))) return false;
    written += static_cast<uint64_t>(got);
  }
}

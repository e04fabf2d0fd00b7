#include "extract/extract_archive.h"

#include <memory>

#include "extract/zip_reader.h"
#include "platform/archive_file.h"
#include "platform/files.h"
#include "platform/lead_byte.h"

namespace {

constexpr double kPercentFactor = 100.0;
constexpr size_t kQuickCheckSize = 32;

bool EndsWithBackslash(const std::string& path) {
  bool last = false;
  for (size_t i = 0; i < path.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (IsLeadByte936(byte) && i + 1 < path.size()) {
      last = false;
      ++i;
    } else {
      last = byte == '\\';
    }
  }
  return last;
}

void AppendEntryName(std::string& target, const std::string& entryName) {
  for (const char byte : entryName) target += byte == '/' ? '\\' : byte;
}

void Report(ExtractionJob& job, int32_t done) {
  job.doneIndex = done;
  if (job.progressSink != nullptr) {
    job.progressSink(static_cast<uint32_t>(done), static_cast<uint32_t>(job.totalEntries), job);
  }
}

// Ends the call: the reader is closed first, so that the sink may delete or
// replace the archive file during the closing report.
int32_t Finish(ExtractionJob& job, ZipReader* reader, int32_t result, int32_t completed) {
  if (reader != nullptr) reader->CloseArchive();
  Report(job, result == 1 ? job.totalEntries : completed);
  return result;
}

// Extracts one entry to target; false when it fails.
bool ExtractEntry(ZipReader& reader, int32_t index, const ZipEntryInfo& entry,
                  const std::string& target) {
  if ((entry.fileAttributes & kAttributeDirectory) != 0) {
    return PathExists(target) || CreateFolderPath(target);
  }
  // A read-only file in the way could not be replaced.
  SetNormalAttributes(target);
  if (!reader.ExtractToFile(index, target)) return false;
  SetNormalAttributes(target);
  return true;
}

int32_t RunExtraction(ExtractionJob& job, const std::string& archivePath,
                      const std::string& destinationFolder) {
  if (!PathExists(archivePath)) return Finish(job, nullptr, -1, 0);
  if (!PathExists(destinationFolder) && !CreateFolderPath(destinationFolder)) {
    return Finish(job, nullptr, 0, 0);
  }
  if (!IsZipFile(archivePath)) return Finish(job, nullptr, 0, 0);
  auto reader = std::make_unique<ZipReader>();
  if (!reader->OpenArchive(archivePath)) return Finish(job, reader.get(), 0, 0);

  int32_t counted = 0;
  while (reader->GetEntry(counted) != nullptr) ++counted;
  job.totalEntries = counted;
  // An entry the directory lists but that cannot be read makes the archive
  // damaged: nothing of it is extracted.
  if (counted < reader->EntryCount()) return Finish(job, reader.get(), 0, 0);

  std::string target = destinationFolder;
  if (!EndsWithBackslash(target)) target += '\\';
  const size_t prefixLength = target.size();
  for (int32_t i = 0; i < job.totalEntries; ++i) {
    const ZipEntryInfo* entry = reader->GetEntry(i);
    if (entry == nullptr) return Finish(job, reader.get(), 0, i);
    target.resize(prefixLength);
    AppendEntryName(target, entry->entryName);
    if (!ExtractEntry(*reader, i, *entry, target)) return Finish(job, reader.get(), 0, i);
    Report(job, i);
    if (job.stopRequested) {
      reader->CloseArchive();
      return 1;
    }
  }
  return Finish(job, reader.get(), 1, job.totalEntries);
}

}  // namespace

int32_t ExtractArchiveWithSink(const char* archivePath, const char* destinationFolder,
                               ProgressSink sink, const ZipControl* control, void* sinkContext) {
  if (archivePath == nullptr || destinationFolder == nullptr) return -1;
  ExtractionJob job;
  job.zipControl = control;
  job.progressSink = sink;
  job.sinkContext = sinkContext;
  return RunExtraction(job, archivePath, destinationFolder);
}

int32_t ProgressPercent(uint32_t done, uint32_t total) {
  if (total == 0) return 0;
  const double quotient = static_cast<double>(done) / static_cast<double>(total);
  return static_cast<int32_t>(quotient * kPercentFactor);
}

bool IsZipFile(const std::string& path) {
  ArchiveFile file;
  if (!file.Open(path)) return false;
  unsigned char head[kQuickCheckSize];
  size_t got = 0;
  if (!file.ReadAt(0, head, sizeof(head), got) || got != sizeof(head)) return false;
  if (head[0] != 0x50 || head[1] != 0x4B || head[2] != 0x03 || head[3] != 0x04) return false;
  const uint32_t raw = static_cast<uint32_t>(head[24]) | (static_cast<uint32_t>(head[25]) << 8) |
                       (static_cast<uint32_t>(head[26]) << 16) |
                       (static_cast<uint32_t>(head[27]) << 24);
  return static_cast<int32_t>(raw) >= 1;
}

bool CreateFolderPath(const std::string& path) {
  std::string full = path;
  if (!EndsWithBackslash(full)) full += '\\';
  std::string prefix;
  for (size_t i = 0; i < full.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(full[i]);
    if (IsLeadByte936(byte) && i + 1 < full.size()) {
      ++i;
      continue;
    }
    if (byte != '\\') continue;
    prefix.assign(full, 0, i + 1);
    if (!PathExists(prefix) && !CreateFolder(prefix)) return false;
  }
  return true;
}

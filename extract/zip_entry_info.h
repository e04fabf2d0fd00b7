// One entry of a ZIP archive as the extraction sees it.
#pragma once

#include <cstdint>
#include <string>

// Windows file attribute flags, the values the attribute mapping produces.
constexpr uint32_t kAttributeReadOnly = 0x01;
constexpr uint32_t kAttributeHidden = 0x02;
constexpr uint32_t kAttributeSystem = 0x04;
constexpr uint32_t kAttributeDirectory = 0x10;
constexpr uint32_t kAttributeArchive = 0x20;
constexpr uint32_t kAttributeNormal = 0x80;

struct ZipEntryInfo {
  std::string entryName;  // as stored, "/" separators kept, at most 259 bytes
  uint32_t fileAttributes = 0;
  // File times (100 ns units since 1601 UTC); 0 when the archive gives none.
  uint64_t accessTime = 0;
  uint64_t creationTime = 0;
  uint64_t writeTime = 0;
};

// Rules that turn an entry's raw fields into what the reader reports; pure.
#pragma once

#include <cstddef>
#include <cstdint>

// Windows attributes of an entry from its 32-bit external attributes, read
// at once as a Unix mode (upper half) and MS-DOS attributes (low bits).
uint32_t MapFileAttributes(uint32_t externalAttributes);

// The times an extended-timestamp ("UT") sub-field supplies, as signed
// seconds since 1970-01-01 UTC.
struct ExtendedTimestamp {
  bool hasWriteTime = false;
  bool hasAccessTime = false;
  bool hasCreationTime = false;
  int32_t writeTime = 0;
  int32_t accessTime = 0;
  int32_t creationTime = 0;
};

// Scans a local extra field for the first "UT" sub-field; values that would
// lie beyond the field are not read.
ExtendedTimestamp ScanExtendedTimestamp(const unsigned char* field, size_t length);

// Whether an entry name stays inside the destination once joined to it: no
// ".."-like level (only dots and spaces, two or more of them, which Windows
// may treat as the parent), no ":" (drive letters, streams), no leading "\"
// or "/", no zero byte. Backslashes and slashes both separate levels; a
// backslash inside a two-byte character does not.
bool IsSafeEntryName(const char* name, size_t length);

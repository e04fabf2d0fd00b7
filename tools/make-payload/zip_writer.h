// Writes ZIP archives shaped like those Windows makes: MS-DOS host, one fixed
// MS-DOS date and time for every entry, no extra fields, no comments, and the
// names stored as the given bytes (the UTF-8 name flag is never set).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DosDateTime {
  uint16_t time = 0;  // hours << 11 | minutes << 5 | seconds / 2
  uint16_t date = 0;  // (year - 1980) << 9 | month << 5 | day
};

DosDateTime MakeDosDateTime(int year, int month, int day, int hour, int minute, int second);

// A name ending in "/" makes a folder entry: stored, empty, attributes 0x10.
// Every other entry is a file, deflated, with attributes 0x20 (archive).
struct ZipEntry {
  std::string name;
  std::string content;
};

bool IsFolderName(const std::string& name);

// The whole archive in memory, entries in the given order. False, with a
// reason in *error, for an empty or overlong name, content too large for an
// archive without 64-bit extensions, or a deflate failure.
bool BuildZipArchive(const std::vector<ZipEntry>& entries, DosDateTime stamp, std::string* archive,
                     std::string* error);

// Folders and disks: the temporary and desktop folders and the free space of
// a volume.
#pragma once

#include <cstdint>
#include <string>

// GetTempPathA with a 260-byte buffer; ends with exactly one backslash, or is
// empty when the call fails.
std::string GetTempFolder();

// SHGetSpecialFolderPathA(no owner, CSIDL_DESKTOPDIRECTORY, fCreate FALSE);
// ends with exactly one backslash, or is empty when the call fails.
std::string GetDesktopFolder();

// GetDiskFreeSpaceExA's total number of free bytes of the volume holding
// directory; 0 when the call fails (its outputs are preset to 0).
uint64_t QueryTotalFreeBytes(const std::string& directory);

// The ZIP control instance as the extraction sees it: its window and the
// identifiers by which the installer addresses it.
#pragma once

#include <cstdint>
#include <string>

struct ZipControl {
  void* window = nullptr;  // the control's HWND
  uint32_t formId = 0;
  uint32_t controlId = 0;
};

// The control's decompress operation: extracts archivePath into
// destinationFolder, each report raised as the control's ExtractProgress
// event (event 1) on the calling thread. Windows only.
int32_t ExtractArchive(const ZipControl& control, const std::string& archivePath,
                       const std::string& destinationFolder);

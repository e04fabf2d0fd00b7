// The extraction engine: every entry of a ZIP archive file into a folder,
// with a progress report after each entry and one closing report.
#pragma once

#include <cstdint>
#include <string>

#include "extract/zip_control.h"

struct ExtractionJob;

// Receives each report synchronously; may set stopRequested of the job
// during a per-entry report to stop after that entry.
using ProgressSink = void (*)(uint32_t done, uint32_t total, ExtractionJob& job);

// The state of one extraction call.
struct ExtractionJob {
  const ZipControl* zipControl = nullptr;  // the control reports go through
  ProgressSink progressSink = nullptr;
  void* sinkContext = nullptr;  // whatever a sink other than the control's needs
  bool stopRequested = false;
  int32_t totalEntries = 0;  // entries counted before extraction
  int32_t doneIndex = 0;     // the done value of the latest report
};

// Extracts archivePath into destinationFolder (paths in the Windows form:
// levels separated by backslashes), reporting to sink. A null path counts
// as absent. Results: 1 when every entry was extracted or the sink asked to
// stop; 0 when extraction failed after the archive was found (nothing is
// extracted from a damaged archive, one whose directory lists entries that
// cannot be read); -1 when a path is absent (no report at all) or nothing
// exists at archivePath. The closing report reads 100 percent only with
// result 1; after a failure it gives the share of entries completed.
int32_t ExtractArchiveWithSink(const char* archivePath, const char* destinationFolder,
                               ProgressSink sink, const ZipControl* control = nullptr,
                               void* sinkContext = nullptr);

// done / total as a whole percentage, truncated: the quotient is formed in
// double precision before it is multiplied by 100. 0 when total is 0.
int32_t ProgressPercent(uint32_t done, uint32_t total);

// The quick check: the first 32 bytes start with a local-header signature
// and read, at offset 24, a signed 32-bit value of at least 1.
bool IsZipFile(const std::string& path);

// Creates every missing level of path, outermost first; a level ends at a
// backslash that is not the second byte of a two-byte character.
bool CreateFolderPath(const std::string& path);

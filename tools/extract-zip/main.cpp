// extract-zip ARCHIVE DEST [--stop-at N]
//
// Extracts ARCHIVE into DEST with the installer's engine. Each report is
// printed as "progress P" (P the percent the control's event would carry);
// with --stop-at N the sink answers "stop" at report N (1-based), as a
// handler returning false would. The last line is "result R". Exit codes:
// 0 for result 1, 1 for result 0, 2 for result -1, 64 for bad arguments.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "extract/extract_archive.h"

namespace {

constexpr int kUsageExit = 64;

struct PrintingSink {
  long stopAt = 0;  // 0: never stop
  long reports = 0;
};

void PrintReport(uint32_t done, uint32_t total, ExtractionJob& job) {
  PrintingSink& sink = *static_cast<PrintingSink*>(job.sinkContext);
  std::printf("progress %d\n", static_cast<int>(ProgressPercent(done, total)));
  ++sink.reports;
  if (sink.reports == sink.stopAt) job.stopRequested = true;
}

int Usage() {
  std::fputs("usage: extract-zip ARCHIVE DEST [--stop-at N]\n", stderr);
  return kUsageExit;
}

bool ParseCount(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && value >= 1;
}

// The engine takes Windows paths; "/" in DEST is taken as a level separator
// too, so that host paths can be given as they are written.
std::string AsWindowsPath(const char* path) {
  std::string result(path);
  for (char& byte : result) {
    if (byte == '/') byte = '\\';
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const char* paths[2] = {nullptr, nullptr};
  int pathCount = 0;
  PrintingSink sink;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--stop-at") == 0) {
      if (i + 1 >= argc || sink.stopAt != 0 || !ParseCount(argv[i + 1], sink.stopAt))
        return Usage();
      ++i;
    } else if (argv[i][0] == '-' && argv[i][1] == '-') {
      return Usage();
    } else if (pathCount < 2) {
      paths[pathCount++] = argv[i];
    } else {
      return Usage();
    }
  }
  if (pathCount != 2) return Usage();

  const std::string archive = AsWindowsPath(paths[0]);
  const std::string destination = AsWindowsPath(paths[1]);
  const int32_t result =
      ExtractArchiveWithSink(archive.c_str(), destination.c_str(), &PrintReport, nullptr, &sink);
  std::printf("result %d\n", static_cast<int>(result));
  std::fflush(stdout);
  return result == 1 ? 0 : result == 0 ? 1 : 2;
}

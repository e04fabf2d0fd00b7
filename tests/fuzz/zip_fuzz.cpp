// Fuzz target: archive bytes through the extraction engine and the reader.
// Besides the sanitizers' findings, it aborts when the engine breaks its
// promises: a result other than 0 or 1 for an existing archive, a closing
// report that reads 100 without result 1, percentages that go back, or
// anything written outside the destination folder.
#include <ftw.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "extract/extract_archive.h"
#include "extract/zip_reader.h"

namespace {

struct Sandbox {
  std::string root;         // everything the target writes is below here
  std::string archive;      // root/tool.zip
  std::string destination;  // root/a/b/dest, created by the engine
};

int RemoveOne(const char* path, const struct stat*, int, struct FTW*) {
  chmod(path, 0700);
  remove(path);
  return 0;
}

// A plain copy of the root: at exit the sandbox's strings may be gone.
char sandboxRoot[4096];

void RemoveSandbox() { nftw(sandboxRoot, RemoveOne, 16, FTW_DEPTH | FTW_PHYS); }

const Sandbox& GetSandbox() {
  static Sandbox sandbox = [] {
    Sandbox s;
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/zip-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) abort();
    s.root = pattern;
    s.archive = s.root + "/tool.zip";
    s.destination = s.root + "/a/b/dest";
    // Files are kept small, so that a deflate bomb costs no time: a write
    // beyond the limit fails instead of raising a signal.
    signal(SIGXFSZ, SIG_IGN);
    snprintf(sandboxRoot, sizeof(sandboxRoot), "%s", s.root.c_str());
    atexit(RemoveSandbox);
    rlimit limit = {1 << 20, 1 << 20};
    setrlimit(RLIMIT_FSIZE, &limit);
    return s;
  }();
  return sandbox;
}

std::string WindowsPath(std::string path) {
  for (char& byte : path) {
    if (byte == '/') byte = '\\';
  }
  return path;
}

const Sandbox* checkedSandbox = nullptr;
bool strayFound = false;

// Every path in the sandbox must be the archive, the destination, one of
// its parents, or below it.
int CheckOne(const char* path, const struct stat*, int, struct FTW*) {
  const Sandbox& s = *checkedSandbox;
  const std::string p(path);
  const bool allowed = p == s.root || p == s.archive || p == s.root + "/a" ||
                       p == s.root + "/a/b" || p == s.destination ||
                       p.compare(0, s.destination.size() + 1, s.destination + "/") == 0;
  if (!allowed) {
    std::fprintf(stderr, "written outside the destination: %s\n", path);
    strayFound = true;
  }
  return 0;
}

struct Report {
  uint32_t done, total;
};

struct Reports {
  std::vector<Report> reports;
  size_t stopAt = 0;
};

void Record(uint32_t done, uint32_t total, ExtractionJob& job) {
  Reports& r = *static_cast<Reports*>(job.sinkContext);
  r.reports.push_back({done, total});
  if (r.reports.size() == r.stopAt) job.stopRequested = true;
}

// Per-entry reports count 0, 1, ... below the total; the closing report
// carries done = total only with result 1, and none follows a stop.
void CheckReports(const Reports& r, int32_t result) {
  if (result != 0 && result != 1) abort();
  if (r.reports.empty()) abort();
  for (size_t i = 0; i < r.reports.size(); ++i) {
    if (r.reports[i].done > r.reports[i].total) abort();
    if (i + 1 < r.reports.size() && r.reports[i].done != i) abort();
  }
  const Report& last = r.reports.back();
  const bool perEntryLast = last.done < last.total && last.done + 1 == r.reports.size();
  const bool stopped = result == 1 && r.reports.size() == r.stopAt && perEntryLast;
  if (stopped) return;
  if (result == 1 && last.done != last.total) abort();
  if (result == 0 && last.total != 0 && last.done >= last.total) abort();
  if (result == 0 && ProgressPercent(last.done, last.total) == 100) abort();
  if (result == 0 && last.done + 1 != r.reports.size()) abort();
  if (result == 1 && last.total + 1 != r.reports.size()) abort();
}

// Walks the entries forward, then back to the first, as no engine call does.
void ExerciseReader(const std::string& archive) {
  ZipReader reader;
  if (!reader.OpenArchive(archive)) return;
  int32_t count = 0;
  while (count < 64 && reader.GetEntry(count) != nullptr) ++count;
  if (count > 1) reader.GetEntry(count / 2);
  reader.GetEntry(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Sandbox& s = GetSandbox();
  FILE* file = std::fopen(s.archive.c_str(), "wb");
  if (file == nullptr) abort();
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);

  Reports reports;
  reports.stopAt = size % 5;  // sometimes a stop, at one of the first reports
  const int32_t result =
      ExtractArchiveWithSink(WindowsPath(s.archive).c_str(), WindowsPath(s.destination).c_str(),
                             &Record, nullptr, &reports);
  CheckReports(reports, result);
  ExerciseReader(s.archive);

  checkedSandbox = &s;
  nftw(s.root.c_str(), CheckOne, 16, FTW_PHYS);
  if (strayFound) abort();
  nftw((s.root + "/a").c_str(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
  return 0;
}

// Faults injected into the extraction engine: a file system that refuses
// writes part-way or folders, damaged and lying archives, names that would
// leave the destination. Each case runs the engine in a child process (so
// that a file-size limit or a crash stays there) and ends with a defined
// result, a defined report sequence, a defined tree in the destination and
// nothing changed outside it.
#include <dirent.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "extract/extract_archive.h"
#include "tests/host/zip_fixtures/temp_folder.h"
#include "tests/host/zip_fixtures/zip_builder.h"

namespace {

using namespace zip_fixtures;
using Percents = std::vector<int32_t>;
// Relative path → size in bytes, -1 for a folder.
using Tree = std::map<std::string, long>;

constexpr long kFolder = -1;

// Three entries: a small text, a large incompressible file, a small text.
std::vector<EntrySpec> ThreeEntries(uint16_t flags = 0) {
  std::string noise(100000, '\0');
  uint32_t state = 12345;
  for (char& byte : noise) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 24);
  }
  std::vector<EntrySpec> entries = {FileEntry("a.txt", std::string(1000, 'a')),
                                    FileEntry("big.bin", noise),
                                    FileEntry("c.txt", std::string(500, 'c'))};
  for (EntrySpec& entry : entries) entry.flags = flags;
  return entries;
}

const Tree kAllThree = {{"a.txt", 1000}, {"big.bin", 100000}, {"c.txt", 500}};

void Record(uint32_t done, uint32_t total, ExtractionJob& job) {
  static_cast<Percents*>(job.sinkContext)->push_back(ProgressPercent(done, total));
}

// Root keeps write access to read-only folders; the child gives up the
// capabilities that allow it, so that permissions hold as for anyone else.
void DropPermissionOverrides() {
  __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2] = {};
  if (syscall(SYS_capget, &header, data) != 0) return;
  data[0].effective &=
      ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
  syscall(SYS_capset, &header, data);
}

struct Outcome {
  bool exitedNormally = false;
  int32_t result = 99;
  Percents reports;
};

// Runs the engine in a child process with an optional file-size limit (and
// SIGXFSZ ignored, so that a write past it fails instead of killing).
Outcome ExtractInChild(const std::string& archive, const std::string& destination,
                       rlim_t fileSizeLimit) {
  int channel[2];
  if (pipe(channel) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    alarm(60);  // a hang ends as a failure, not as a stuck test
    DropPermissionOverrides();
    if (fileSizeLimit != 0) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit = {fileSizeLimit, fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    Percents reports;
    const int32_t result = ExtractArchiveWithSink(
        WindowsPath(archive).c_str(), WindowsPath(destination).c_str(), &Record, nullptr, &reports);
    std::vector<int32_t> message = {result};
    message.insert(message.end(), reports.begin(), reports.end());
    const bool sent = write(channel[1], message.data(), message.size() * sizeof(int32_t)) ==
                      static_cast<ssize_t>(message.size() * sizeof(int32_t));
    _exit(sent ? 0 : 3);
  }
  close(channel[1]);
  std::vector<int32_t> message;
  int32_t value;
  while (read(channel[0], &value, sizeof(value)) == sizeof(value)) message.push_back(value);
  close(channel[0]);
  int status = 0;
  Outcome outcome;
  if (child < 0 || waitpid(child, &status, 0) != child) return outcome;
  outcome.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!message.empty()) {
    outcome.result = message[0];
    outcome.reports.assign(message.begin() + 1, message.end());
  }
  return outcome;
}

// Everything below folder, with sizes; prefix names the folder's level.
void AddTree(const std::string& folder, const std::string& prefix, Tree& tree) {
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return;
  while (const dirent* item = readdir(listing)) {
    const std::string name = item->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "/" + name;
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) continue;
    if (S_ISDIR(status.st_mode)) {
      tree[prefix + name] = kFolder;
      AddTree(path, prefix + name + "/", tree);
    } else {
      tree[prefix + name] = static_cast<long>(status.st_size);
    }
  }
  closedir(listing);
}

Tree ListTree(const std::string& folder) {
  Tree tree;
  AddTree(folder, "", tree);
  return tree;
}

// What is outside the destination folder of the work folder.
Tree OutsideDestination(const TempFolder& folder) {
  Tree tree = ListTree(folder.path());
  for (auto it = tree.begin(); it != tree.end();) {
    const bool inside =
        it->first.compare(0, 4, "dest") == 0 && (it->first.size() == 4 || it->first[4] == '/');
    it = inside ? tree.erase(it) : std::next(it);
  }
  return tree;
}

struct Workspace {
  TempFolder folder;
  std::string archive = folder / "tool.zip";
  std::string destination = folder / "dest";
};

struct FaultCase {
  std::string what;
  std::string archive;  // the archive's bytes
  std::function<void(Workspace&)> prepare;
  rlim_t fileSizeLimit;
  int32_t result;
  Percents reports;
  Tree destinationTree;  // what the destination holds afterwards
};

void RunCase(const FaultCase& c, const std::vector<EntrySpec>& entries) {
  SCOPED_TRACE(c.what);
  Workspace space;
  WriteBytes(space.archive, c.archive);
  WriteBytes(space.folder / "sibling.txt", "outside");
  if (c.prepare) c.prepare(space);
  const Tree outsideBefore = OutsideDestination(space.folder);

  const Outcome outcome = ExtractInChild(space.archive, space.destination, c.fileSizeLimit);
  ASSERT_TRUE(outcome.exitedNormally);
  EXPECT_EQ(outcome.result, c.result);
  EXPECT_EQ(outcome.reports, c.reports);
  EXPECT_EQ(ListTree(space.destination), c.destinationTree);
  EXPECT_EQ(OutsideDestination(space.folder), outsideBefore);
  // A file of its entry's full size has its entry's content.
  for (const EntrySpec& entry : entries) {
    const auto found = c.destinationTree.find(entry.name);
    if (found != c.destinationTree.end() && found->second == static_cast<long>(entry.data.size())) {
      EXPECT_EQ(ReadBytes(space.destination + "/" + entry.name), entry.data) << entry.name;
    }
  }
}

TEST(ExtractFaults, FileSystemRefusals) {
  const std::vector<EntrySpec> entries = ThreeEntries();
  const std::string archive = BuildZip(entries).bytes;
  // A target of exactly 260 bytes for big.bin while a.txt's has 258.
  const auto longDestination = [](Workspace& space) {
    const size_t used = space.folder.path().size() + std::string("/dest/").size() + 1 + 7;
    space.destination = space.folder / ("dest/" + std::string(260 - used, 'd'));
  };
  const FaultCase cases[] = {
      {"file-size limit inside the second entry",
       archive,
       nullptr,
       40000,
       0,
       {0, 33},
       {{"a.txt", 1000}, {"big.bin", 40000}}},
      {"file-size limit inside the first entry", archive, nullptr, 600, 0, {0}, {{"a.txt", 600}}},
      {"file-size limit equal to the first entry's size",
       archive,
       nullptr,
       1000,
       0,
       {0, 33},
       {{"a.txt", 1000}, {"big.bin", 1000}}},
      {"destination below a read-only folder",
       archive,
       [](Workspace& space) {
         mkdir((space.folder / "locked").c_str(), 0555);
         space.destination = space.folder / "locked/sub/dest";
       },
       0,
       0,
       {0},
       {}},
      {"destination through a regular file",
       archive,
       [](Workspace& space) {
         WriteBytes(space.folder / "plain", "file");
         space.destination = space.folder / "plain/dest";
       },
       0,
       0,
       {0},
       {}},
      {"read-only destination folder",
       archive,
       [](Workspace& space) { mkdir(space.destination.c_str(), 0555); },
       0,
       0,
       {0},
       {}},
      {"target that is a folder",
       archive,
       [](Workspace& space) {
         mkdir(space.destination.c_str(), 0755);
         mkdir((space.destination + "/big.bin").c_str(), 0755);
         WriteBytes(space.destination + "/big.bin/kept", "kept");
       },
       0,
       0,
       {0, 33},
       {{"a.txt", 1000}, {"big.bin", kFolder}, {"big.bin/kept", 4}}},
      {"target of 260 bytes", archive, longDestination, 0, 0, {0, 33}, {{"a.txt", 1000}}},
  };
  for (const FaultCase& c : cases) RunCase(c, entries);

  // The folder entry at index 4 where a file already is.
  const std::vector<EntrySpec> ten = TenEntriesWithFolder();
  Tree tree = {{"data", 4}};
  for (int i = 0; i < 4; ++i) tree[ten[i].name] = static_cast<long>(ten[i].data.size());
  RunCase({"folder entry where a file is",
           BuildZip(ten).bytes,
           [](Workspace& space) {
             mkdir(space.destination.c_str(), 0755);
             WriteBytes(space.destination + "/data", "file");
           },
           0,
           0,
           {0, 10, 20, 30, 40},
           tree},
          ten);
}

// The destination of a damaged archive is created but stays empty.
TEST(ExtractFaults, TruncatedArchivesExtractNothing) {
  const std::vector<EntrySpec> entries = ThreeEntries();
  const std::string archive = BuildZip(entries).bytes;
  for (size_t sixteenth = 0; sixteenth < 16; ++sixteenth) {
    const FaultCase c = {"truncated to " + std::to_string(sixteenth) + "/16",
                         archive.substr(0, archive.size() * sixteenth / 16),
                         nullptr,
                         0,
                         0,
                         {0},
                         {}};
    RunCase(c, entries);
  }
}

struct Lie {
  const char* what;
  size_t (*field)(const ZipBytes&);  // where the lie goes
  long change;                       // added to the 32-bit value there
};

std::string WithLie(ZipBytes zip, const Lie& lie) {
  const size_t at = lie.field(zip);
  const uint32_t value = static_cast<uint32_t>(static_cast<unsigned char>(zip.bytes[at])) |
                         static_cast<uint32_t>(static_cast<unsigned char>(zip.bytes[at + 1])) << 8 |
                         static_cast<uint32_t>(static_cast<unsigned char>(zip.bytes[at + 2]))
                             << 16 |
                         static_cast<uint32_t>(static_cast<unsigned char>(zip.bytes[at + 3])) << 24;
  SetU32(zip.bytes, at, value + static_cast<uint32_t>(lie.change));
  return zip.bytes;
}

size_t CompressedSizeOf1(const ZipBytes& zip) { return zip.centralOffsets[1] + 20; }
size_t UncompressedSizeOf1(const ZipBytes& zip) { return zip.centralOffsets[1] + 24; }
size_t LocalOffsetOf1(const ZipBytes& zip) { return zip.centralOffsets[1] + 42; }
// Both entry counts of the end record, as one 32-bit field.
size_t EntryCounts(const ZipBytes& zip) { return zip.endOffset + 8; }
size_t DirectoryOffset(const ZipBytes& zip) { return zip.endOffset + 16; }

TEST(ExtractFaults, DirectoryThatLies) {
  // Sizes and CRC-32 in the local header: every lie about them disagrees
  // with it, and so does every wrong offset; the archive is damaged.
  const std::vector<EntrySpec> plain = ThreeEntries();
  const Lie damaging[] = {
      {"compressed size +1", CompressedSizeOf1, 1},
      {"uncompressed size -1", UncompressedSizeOf1, -1},
      {"local header offset +1", LocalOffsetOf1, 1},
      {"local header offset past the end", LocalOffsetOf1, 1 << 20},
      {"one entry more in the end record", EntryCounts, 0x00010001},
      {"directory offset +1", DirectoryOffset, 1},
      {"directory offset -1", DirectoryOffset, -1},
  };
  for (const Lie& lie : damaging) {
    RunCase({lie.what, WithLie(BuildZip(plain), lie), nullptr, 0, 0, {0}, {}}, plain);
  }
  RunCase({"one entry fewer in the end record",
           WithLie(BuildZip(plain), {"", EntryCounts, -0x00010001}),
           nullptr,
           0,
           1,
           {0, 50, 100},
           {{"a.txt", 1000}, {"big.bin", 100000}}},
          plain);

  // With data descriptors the local header has no sizes to compare: the
  // directory's sizes are used, and the data itself shows the lie.
  const std::vector<EntrySpec> streamed = ThreeEntries(8);
  const struct {
    Lie lie;
    int32_t result;
    Percents reports;
    Tree tree;
  } reading[] = {
      // The data runs out in the seventh read: the six before it were written.
      {{"streamed: compressed size short by 1000", CompressedSizeOf1, -1000},
       0,
       {0, 33},
       {{"a.txt", 1000}, {"big.bin", 6 * 16384}}},
      {{"streamed: uncompressed size 1 more", UncompressedSizeOf1, 1},
       0,
       {0, 33},
       {{"a.txt", 1000}, {"big.bin", 100000}}},
      {{"streamed: uncompressed size 1 less", UncompressedSizeOf1, -1},
       0,
       {0, 33},
       {{"a.txt", 1000}, {"big.bin", 99999}}},
      // The deflate stream ends where it ends: extra bytes are not read.
      {{"streamed: compressed size 10 more", CompressedSizeOf1, 10},
       1,
       {0, 33, 66, 100},
       kAllThree},
  };
  for (const auto& r : reading) {
    RunCase(
        {r.lie.what, WithLie(BuildZip(streamed), r.lie), nullptr, 0, r.result, r.reports, r.tree},
        streamed);
  }
}

TEST(ExtractFaults, NamesThatWouldLeaveTheDestination) {
  const char* const names[] = {"../sibling.txt", "a/../../sibling.txt", "..\\sibling.txt",
                               "C:sibling.txt",  "C:\\sibling.txt",     "\\sibling.txt"};
  std::vector<std::string> all(std::begin(names), std::end(names));
  all.push_back(std::string(300, 'n'));
  all.push_back(std::string(300, '.'));
  for (const std::string& name : all) {
    std::vector<EntrySpec> entries = ThreeEntries();
    entries[1].name = name;
    RunCase({name.substr(0, 30), BuildZip(entries).bytes, nullptr, 0, 0, {0}, {}}, entries);
  }
}

}  // namespace

// The extraction engine: results, the reports a sink receives, and what
// ends up on disk, for archives the tests build byte by byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/extract_archive.h"
#include "tests/host/zip_fixtures/temp_folder.h"
#include "tests/host/zip_fixtures/zip_builder.h"

namespace {

using namespace zip_fixtures;

struct Recorder {
  std::vector<int32_t> percents;
  size_t stopAtReport = 0;  // 1-based; 0 never
};

void RecordReport(uint32_t done, uint32_t total, ExtractionJob& job) {
  Recorder& recorder = *static_cast<Recorder*>(job.sinkContext);
  recorder.percents.push_back(ProgressPercent(done, total));
  if (recorder.percents.size() == recorder.stopAtReport) job.stopRequested = true;
}

class ExtractEngineTest : public ::testing::Test {
 protected:
  int32_t Extract(const std::string& archiveBytes, size_t stopAtReport = 0) {
    WriteBytes(archive_, archiveBytes);
    return ExtractTo(destination_, stopAtReport);
  }
  int32_t Extract(const std::vector<EntrySpec>& entries, size_t stopAtReport = 0) {
    return Extract(BuildZip(entries).bytes, stopAtReport);
  }
  int32_t ExtractTo(const std::string& destination, size_t stopAtReport = 0) {
    recorder_.stopAtReport = stopAtReport;
    return ExtractArchiveWithSink(WindowsPath(archive_).c_str(), WindowsPath(destination).c_str(),
                                  &RecordReport, nullptr, &recorder_);
  }
  std::string Out(const std::string& name) const { return destination_ + "/" + name; }

  TempFolder folder_;
  std::string archive_ = folder_ / "tool.zip";
  std::string destination_ = folder_ / "dest";
  Recorder recorder_;
};

using Percents = std::vector<int32_t>;

TEST_F(ExtractEngineTest, TenEntriesWithAFolderReportEachEntryThenHundred) {
  const std::vector<EntrySpec> entries = TenEntriesWithFolder();
  EXPECT_EQ(Extract(entries), 1);
  EXPECT_EQ(recorder_.percents, (Percents{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  EXPECT_TRUE(IsFolder(Out("data")));
  for (const EntrySpec& entry : entries) {
    if (entry.name.back() == '/') continue;
    EXPECT_EQ(ReadBytes(Out(entry.name)), entry.data) << entry.name;
    // Every extracted file ends with normal attributes: writable here.
    EXPECT_NE(ModeOf(Out(entry.name)) & 0200, 0u) << entry.name;
  }
}

TEST_F(ExtractEngineTest, ThreeFilesReportThirds) {
  EXPECT_EQ(Extract({FileEntry("a", "1"), FileEntry("b", "2"), FileEntry("c", "3")}), 1);
  EXPECT_EQ(recorder_.percents, (Percents{0, 33, 66, 100}));
}

TEST_F(ExtractEngineTest, FailuresBeforeCountingMakeOneReportOfZero) {
  const ZipBytes one = BuildZip({FileEntry("a.txt", "a")});
  std::string nameless = one.bytes;  // first name length 0, size below 65536
  SetU16(nameless, 26, 0);
  std::string otherSignature = one.bytes;
  otherSignature[3] = 0x05;
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"only the end record", BuildZip({}).bytes},
      {"shorter than 32 bytes", one.bytes.substr(0, 31)},
      {"name length 0", nameless},
      {"other signature", otherSignature},
      {"no directory", one.bytes.substr(0, one.endOffset)},
  };
  for (const auto& c : cases) {
    recorder_.percents.clear();
    EXPECT_EQ(Extract(c.bytes), 0) << c.what;
    EXPECT_EQ(recorder_.percents, Percents{0}) << c.what;
    EXPECT_FALSE(Exists(Out("a.txt"))) << c.what;
  }
}

TEST_F(ExtractEngineTest, MissingArchiveOrAbsentPath) {
  EXPECT_EQ(ExtractTo(destination_), -1);
  EXPECT_EQ(recorder_.percents, Percents{0});
  EXPECT_FALSE(Exists(destination_));

  recorder_.percents.clear();
  WriteBytes(archive_, BuildZip({FileEntry("a", "a")}).bytes);
  EXPECT_EQ(ExtractArchiveWithSink(archive_.c_str(), nullptr, &RecordReport, nullptr, &recorder_),
            -1);
  EXPECT_EQ(
      ExtractArchiveWithSink(nullptr, destination_.c_str(), &RecordReport, nullptr, &recorder_),
      -1);
  EXPECT_TRUE(recorder_.percents.empty());
}

TEST_F(ExtractEngineTest, CreatesTheDestinationLevelByLevel) {
  WriteBytes(archive_, BuildZip({FileEntry("x.txt", "x")}).bytes);
  const std::string deep = folder_ / "A/B";
  EXPECT_EQ(ExtractTo(deep), 1);
  EXPECT_EQ(ReadBytes(deep + "/x.txt"), "x");
  // A trailing backslash gives no doubled separator (the host would not
  // mind one, so look at the created path instead).
  EXPECT_EQ(ExtractTo(folder_ / "C/"), 1);
  EXPECT_EQ(ReadBytes(folder_ / "C/x.txt"), "x");
}

TEST_F(ExtractEngineTest, DestinationThatCannotBeCreatedFails) {
  WriteBytes(archive_, BuildZip({FileEntry("x.txt", "x")}).bytes);
  WriteBytes(folder_ / "file", "not a folder");
  EXPECT_EQ(ExtractTo(folder_ / "file/sub"), 0);
  EXPECT_EQ(recorder_.percents, Percents{0});
}

TEST_F(ExtractEngineTest, CreateFolderPathTreatsTwoByteCharactersAsOne) {
  // 0x81 0x5C is one character whose second byte is a backslash: no level
  // ends there, and a backslash is appended after it.
  const std::string base = WindowsPath(folder_.path());
  ASSERT_TRUE(CreateFolderPath(base + "\\x\x81\x5Cy\\z\x81\x5C"));
  EXPECT_TRUE(IsFolder(folder_ / "x\x81\x5Cy"));
  EXPECT_TRUE(IsFolder(folder_ / "x\x81\x5Cy/z\x81\x5C"));
}

TEST_F(ExtractEngineTest, NestedNamesNeedTheirDirectoryEntries) {
  EXPECT_EQ(Extract({FolderEntry("a/"), FolderEntry("a/b/"), FileEntry("a/b/c.txt", "c")}), 1);
  EXPECT_EQ(ReadBytes(Out("a/b/c.txt")), "c");

  recorder_.percents.clear();
  std::vector<EntrySpec> entries = TenEntriesWithFolder();
  entries[3].name = "nofolder/file3.bin";
  EXPECT_EQ(Extract(entries), 0);
  EXPECT_EQ(recorder_.percents, (Percents{0, 10, 20, 30}));
}

TEST_F(ExtractEngineTest, NameEndingInSlashWithoutFolderAttributeIsAFileAndFails) {
  std::vector<EntrySpec> entries = {FileEntry("a.txt", "a"), FolderEntry("dir/")};
  entries[1].externalAttributes = 0;
  EXPECT_EQ(Extract(entries), 0);
  EXPECT_EQ(recorder_.percents, (Percents{0, 50}));
}

TEST_F(ExtractEngineTest, DamagedArchiveExtractsNothing) {
  // An entry that cannot be read at index 3 of 10: an unsupported method,
  // encryption, a name that leaves the destination or is too long.
  const struct {
    const char* what;
    void (*damage)(EntrySpec&);
  } cases[] = {
      {"method 12", [](EntrySpec& e) { e.method = 12; }},
      {"encrypted", [](EntrySpec& e) { e.flags = 1; }},
      {"parent level", [](EntrySpec& e) { e.name = "../escaped.bin"; }},
      {"drive letter", [](EntrySpec& e) { e.name = "C:escaped.bin"; }},
      {"absolute", [](EntrySpec& e) { e.name = "/tmp/escaped.bin"; }},
      {"260 bytes", [](EntrySpec& e) { e.name = std::string(260, 'n'); }},
  };
  for (const auto& c : cases) {
    std::vector<EntrySpec> entries = TenEntriesWithFolder();
    c.damage(entries[3]);
    recorder_.percents.clear();
    EXPECT_EQ(Extract(entries), 0) << c.what;
    EXPECT_EQ(recorder_.percents, Percents{0}) << c.what;
    EXPECT_FALSE(Exists(Out("file0.bin"))) << c.what;
    EXPECT_FALSE(Exists(folder_ / "escaped.bin")) << c.what;
  }
}

TEST_F(ExtractEngineTest, IncoherentLocalHeaderMakesTheArchiveDamaged) {
  ZipBytes zip = BuildZip(TenEntriesWithFolder());
  SetU16(zip.bytes, zip.localOffsets[6] + 26, 3);  // name length differs
  EXPECT_EQ(Extract(zip.bytes), 0);
  EXPECT_EQ(recorder_.percents, Percents{0});
  EXPECT_FALSE(Exists(Out("file0.bin")));
}

TEST_F(ExtractEngineTest, FailedEntryEndsWithTheShareCompleted) {
  std::vector<EntrySpec> entries = TenEntriesWithFolder();
  entries[3].corruptCrc = true;
  EXPECT_EQ(Extract(entries), 0);
  EXPECT_EQ(recorder_.percents, (Percents{0, 10, 20, 30}));
  EXPECT_TRUE(Exists(Out("file2.bin")));
  EXPECT_FALSE(Exists(Out("file4.bin")));
}

TEST_F(ExtractEngineTest, StopRequestedAtAReportEndsAfterThatEntry) {
  EXPECT_EQ(Extract(TenEntriesWithFolder(), 1), 1);
  EXPECT_EQ(recorder_.percents, Percents{0});
  EXPECT_TRUE(Exists(Out("file0.bin")));
  EXPECT_FALSE(Exists(Out("file1.bin")));

  // A stop asked during the closing report changes nothing.
  recorder_.percents.clear();
  EXPECT_EQ(Extract({FileEntry("a", "a"), FileEntry("b", "b")}, 3), 1);
  EXPECT_EQ(recorder_.percents, (Percents{0, 50, 100}));
}

TEST_F(ExtractEngineTest, ReplacesReadOnlyFilesAndKeepsExistingFolders) {
  ASSERT_EQ(Extract(TenEntriesWithFolder()), 1);
  chmod(Out("file0.bin").c_str(), 0444);
  WriteBytes(Out("data/extra.txt"), "kept");
  std::vector<EntrySpec> entries = TenEntriesWithFolder();
  entries[0].data = "replaced";
  recorder_.percents.clear();
  EXPECT_EQ(Extract(entries), 1);
  EXPECT_EQ(ReadBytes(Out("file0.bin")), "replaced");
  EXPECT_NE(ModeOf(Out("file0.bin")) & 0200, 0u);
  EXPECT_EQ(ReadBytes(Out("data/extra.txt")), "kept");
}

TEST_F(ExtractEngineTest, ReaderIsClosedBeforeTheClosingReport) {
  struct Deleter {
    std::string archive;
    bool deleted = false;
  } deleter{archive_};
  WriteBytes(archive_, BuildZip({FileEntry("a", "a")}).bytes);
  const int32_t result = ExtractArchiveWithSink(
      WindowsPath(archive_).c_str(), WindowsPath(destination_).c_str(),
      [](uint32_t done, uint32_t total, ExtractionJob& job) {
        Deleter& d = *static_cast<Deleter*>(job.sinkContext);
        if (ProgressPercent(done, total) == 100) d.deleted = unlink(d.archive.c_str()) == 0;
      },
      nullptr, &deleter);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(deleter.deleted);
}

TEST(ProgressPercent, QuotientBeforeTheMultiplication) {
  const struct {
    uint32_t done, total;
    int32_t percent;
  } cases[] = {{0, 10, 0},    {9, 10, 90}, {10, 10, 100},
               {1, 3, 33},    {2, 3, 66},  {29, 50, 57},
               {29, 100, 28}, {0, 0, 0},   {4294967295u, 4294967295u, 100},
               {7, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
  }
}

}  // namespace

// Windows semantics of the reader and the engine: attributes, sharing, file
// times, replacing read-only files, a target held open elsewhere.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/extract_archive.h"
#include "extract/zip_reader.h"
#include "platform/file_times.h"
#include "tests/host/zip_fixtures/zip_builder.h"
#include "tests/windows/extract_support/win_temp_folder.h"

namespace {

using namespace zip_fixtures;
using Percents = std::vector<int32_t>;

constexpr uint64_t kFileTime20130716 = 130184916380000000ULL;  // 2013-07-16 23:40:38 UTC

uint64_t FileTimeOfUnix(int64_t seconds) {
  return (static_cast<uint64_t>(seconds) + 11644473600ULL) * 10000000ULL;
}

// FILE_ATTRIBUTE_NORMAL alone; Wine reports the archive flag for every file,
// whatever was set, so that flag is let pass.
bool IsNormal(DWORD attributes) {
  return attributes == FILE_ATTRIBUTE_NORMAL || attributes == FILE_ATTRIBUTE_ARCHIVE;
}

void RecordReport(uint32_t done, uint32_t total, ExtractionJob& job) {
  static_cast<Percents*>(job.sinkContext)->push_back(ProgressPercent(done, total));
}

class ExtractWindowsTest : public ::testing::Test {
 protected:
  int32_t Extract(const std::vector<EntrySpec>& entries) {
    EXPECT_TRUE(WriteBytes(archive_, BuildZip(entries).bytes));
    return ExtractTo(destination_);
  }
  int32_t ExtractTo(const std::string& destination) {
    percents_.clear();
    return ExtractArchiveWithSink(archive_.c_str(), destination.c_str(), &RecordReport, nullptr,
                                  &percents_);
  }
  std::string Out(const std::string& name) const { return destination_ + "\\" + name; }

  TempFolder folder_;
  std::string archive_ = folder_ / "tool.zip";
  std::string destination_ = folder_ / "Brivona软件\\BrivonaJuniper";
  Percents percents_;
};

TEST_F(ExtractWindowsTest, FilesEndWithNormalAttributesAndTheEntryTimes) {
  std::vector<EntrySpec> entries = TenEntriesWithFolder();
  entries[0].localExtra = UtField(0x01, {1500000000});
  ASSERT_EQ(Extract(entries), 1);
  EXPECT_EQ(percents_, (Percents{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  // Times first: reading a file moves its access time. Wine keeps no
  // creation time on Linux (it reports the write time), so only the write
  // and access times are compared.
  const FileTimes dos = TimesOf(Out("file1.bin"));
  EXPECT_EQ(dos.write, kFileTime20130716);
  EXPECT_EQ(dos.access, kFileTime20130716);
  const FileTimes extended = TimesOf(Out("file0.bin"));
  EXPECT_EQ(extended.write, FileTimeOfUnix(1500000000));
  EXPECT_EQ(extended.access, kFileTime20130716);
  for (const EntrySpec& entry : entries) {
    std::string name = entry.name;
    for (char& byte : name) {
      if (byte == '/') byte = '\\';
    }
    const DWORD attributes = GetFileAttributesA(Out(name).c_str());
    if (name.back() == '\\') {
      EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << name;
    } else {
      // Created read-only (made on Windows), then reset by the engine.
      EXPECT_TRUE(IsNormal(attributes)) << name << " " << attributes;
      EXPECT_EQ(ReadBytes(Out(name)), entry.data) << name;
    }
  }
}

TEST_F(ExtractWindowsTest, ReplacesReadOnlyHiddenAndSystemFiles) {
  ASSERT_TRUE(CreateFolderPath(destination_));
  ASSERT_TRUE(WriteBytes(Out("a.txt"), "old contents"));
  ASSERT_TRUE(SetFileAttributesA(Out("a.txt").c_str(), FILE_ATTRIBUTE_READONLY |
                                                           FILE_ATTRIBUTE_HIDDEN |
                                                           FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(Extract({FileEntry("a.txt", "new")}), 1);
  EXPECT_EQ(ReadBytes(Out("a.txt")), "new");
  EXPECT_TRUE(IsNormal(GetFileAttributesA(Out("a.txt").c_str())));
}

TEST_F(ExtractWindowsTest, TargetHeldOpenElsewhereFailsThatEntry) {
  ASSERT_TRUE(CreateFolderPath(destination_));
  ASSERT_TRUE(WriteBytes(Out("file3.bin"), "running"));
  HANDLE held = CreateFileA(Out("file3.bin").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Extract(TenEntriesWithFolder()), 0);
  CloseHandle(held);
  EXPECT_EQ(percents_, (Percents{0, 10, 20, 30}));
  EXPECT_EQ(ReadBytes(Out("file3.bin")), "running");
  EXPECT_EQ(GetFileAttributesA(Out("file4.bin").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ExtractWindowsTest, ArchiveIsLockedWhileTheReaderIsOpen) {
  ASSERT_TRUE(WriteBytes(archive_, BuildZip(TenEntriesWithFolder()).bytes));
  {
    ZipReader reader;
    ASSERT_TRUE(reader.OpenArchive(archive_));
    EXPECT_FALSE(DeleteFileA(archive_.c_str()));
    HANDLE writer = CreateFileA(archive_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    // Readers that share for reading may still open it.
    ZipReader second;
    EXPECT_TRUE(second.OpenArchive(archive_));
    second.CloseArchive();
    ASSERT_NE(reader.GetEntry(9), nullptr);
    reader.CloseArchive();
    EXPECT_TRUE(DeleteFileA(archive_.c_str()));
  }
}

TEST_F(ExtractWindowsTest, AnArchiveOpenForWritingCannotBeRead) {
  ASSERT_TRUE(WriteBytes(archive_, BuildZip({FileEntry("a", "a")}).bytes));
  HANDLE writer = CreateFileA(archive_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ExtractTo(destination_), 0);
  CloseHandle(writer);
  EXPECT_EQ(percents_, Percents{0});
}

TEST_F(ExtractWindowsTest, NetworkPathCannotBeCreated) {
  ASSERT_TRUE(WriteBytes(archive_, BuildZip({FileEntry("a", "a")}).bytes));
  EXPECT_EQ(ExtractTo("\\\\nosuchserver\\share\\folder"), 0);
  EXPECT_EQ(percents_, Percents{0});
}

TEST_F(ExtractWindowsTest, DestinationEndingInATwoByteCharacterGetsABackslash) {
  // 0x81 0x5C is one character: its second byte is no separator.
  destination_ = folder_ / "x\x81\x5C";
  EXPECT_EQ(Extract({FileEntry("a.txt", "a")}), 1);
  EXPECT_EQ(ReadBytes(folder_ / "x\x81\x5C\\a.txt"), "a");
}

TEST(WindowsFileTimes, ConversionsAgreeWithTheHostRules) {
  uint64_t time = 0;
  ASSERT_TRUE(DosTimeToFileTime(0x42F0, 0xBD13, time));
  EXPECT_EQ(time, kFileTime20130716);
  ASSERT_TRUE(DosTimeToFileTime(0x385D, 0x0000, time));  // 2008-02-29
  EXPECT_EQ(time, FileTimeOfUnix(1204243200));
  const struct {
    uint16_t date, time;
  } invalid[] = {
      {0x0000, 0x0000}, {0x01A1, 0}, {0x0021, 0xC000}, {0x0021, 0x0780}, {0x0021, 0x001E}};
  for (const auto& c : invalid) {
    EXPECT_FALSE(DosTimeToFileTime(c.date, c.time, time)) << std::hex << c.date << " " << c.time;
  }
  ASSERT_TRUE(UnixTimeToFileTime(1374018038, time));
  EXPECT_EQ(time, kFileTime20130716);
  ASSERT_TRUE(UnixTimeToFileTime(0x7FFFFFFF, time));
  EXPECT_EQ(time, FileTimeOfUnix(0x7FFFFFFF));
  EXPECT_FALSE(UnixTimeToFileTime(-1, time));
}

}  // namespace

// ZipReader over archives the tests build byte by byte.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "extract/archive_stream.h"
#include "extract/zip_reader.h"
#include "tests/host/zip_fixtures/temp_folder.h"
#include "tests/host/zip_fixtures/zip_builder.h"

namespace {

using namespace zip_fixtures;

constexpr uint64_t kFileTime20130716 = 130184916380000000ULL;  // 2013-07-16 23:40:38 UTC

uint64_t FileTimeOfUnix(int64_t seconds) {
  return (static_cast<uint64_t>(seconds) + 11644473600ULL) * 10000000ULL;
}

class ZipReaderTest : public ::testing::Test {
 protected:
  // Writes the archive and opens it; the reader stays open for the test.
  void Open(const ZipBytes& zip) {
    WriteBytes(archivePath_, zip.bytes);
    ASSERT_TRUE(reader_.OpenArchive(archivePath_));
  }
  void Open(const std::vector<EntrySpec>& entries) { Open(BuildZip(entries)); }

  std::string Target(const std::string& name) { return WindowsPath(folder_ / name); }

  TempFolder folder_;
  std::string archivePath_ = folder_ / "archive.zip";
  ZipReader reader_;
};

TEST_F(ZipReaderTest, MapsAttributesOfEachEntry) {
  std::vector<EntrySpec> entries = {FileEntry("win.txt", "x"), FolderEntry("dir/"),
                                    FileEntry("slash/", ""), FileEntry("unix.txt", "y"),
                                    FolderEntry("unixdir/")};
  entries[2].externalAttributes = 0;
  entries[3].externalAttributes = kUnixRegular644;
  entries[3].versionMadeBy = 0x0314;
  entries[4].externalAttributes = kUnixDirectory755;
  Open(entries);
  ASSERT_EQ(reader_.EntryCount(), 5);
  const uint32_t expected[] = {0xA1, 0x91, 0x81, 0x80, 0x90};
  for (int32_t i = 0; i < 5; ++i) {
    const ZipEntryInfo* info = reader_.GetEntry(i);
    ASSERT_NE(info, nullptr) << i;
    EXPECT_EQ(info->entryName, entries[i].name);
    EXPECT_EQ(info->fileAttributes, expected[i]) << i;
  }
}

TEST_F(ZipReaderTest, TimesFromDosFieldAndExtendedTimestamp) {
  std::vector<EntrySpec> entries(4, FileEntry("", "data"));
  entries[0].name = "dos-only";
  entries[1].name = "write-only";
  entries[1].localExtra = UtField(0x01, {1000000000});
  entries[2].name = "after-long-field";
  entries[2].localExtra = OtherField(0x7875, 200) + UtField(0x07, {1, 2, 3});
  entries[3].name = "ntfs-field-only";
  entries[3].localExtra = OtherField(0x000A, 32);
  // The central copy of the extra field is not the one that counts.
  entries[0].centralExtra = UtField(0x01, {5});
  Open(entries);

  const ZipEntryInfo* dos = reader_.GetEntry(0);
  ASSERT_NE(dos, nullptr);
  EXPECT_EQ(dos->writeTime, kFileTime20130716);
  EXPECT_EQ(dos->accessTime, kFileTime20130716);
  EXPECT_EQ(dos->creationTime, kFileTime20130716);

  const ZipEntryInfo* write = reader_.GetEntry(1);
  ASSERT_NE(write, nullptr);
  EXPECT_EQ(write->writeTime, FileTimeOfUnix(1000000000));
  EXPECT_EQ(write->accessTime, kFileTime20130716);
  EXPECT_EQ(write->creationTime, kFileTime20130716);

  const ZipEntryInfo* all = reader_.GetEntry(2);
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->writeTime, FileTimeOfUnix(1));
  EXPECT_EQ(all->accessTime, FileTimeOfUnix(2));
  EXPECT_EQ(all->creationTime, FileTimeOfUnix(3));

  const ZipEntryInfo* ntfs = reader_.GetEntry(3);
  ASSERT_NE(ntfs, nullptr);
  EXPECT_EQ(ntfs->writeTime, kFileTime20130716);
}

TEST_F(ZipReaderTest, SameIndexTwiceReadsTheArchiveOnce) {
  Open(TenEntriesWithFolder());
  ASSERT_NE(reader_.GetEntry(3), nullptr);
  const uint64_t reads = reader_.ArchiveReadCount();
  ASSERT_NE(reader_.GetEntry(3), nullptr);
  EXPECT_EQ(reader_.ArchiveReadCount(), reads);
  // Another index does read (so the count above can see reads at all).
  ASSERT_NE(reader_.GetEntry(4), nullptr);
  EXPECT_GT(reader_.ArchiveReadCount(), reads);
}

// The engine's two walks over many small entries: the count walk checks
// every local header, the second extracts. Each walk should read each block
// of the file about once, with the directory's block kept while the data
// moves on.
TEST_F(ZipReaderTest, TwoWalksReadEachBlockOfTheArchiveAboutTwice) {
  std::vector<EntrySpec> entries;
  std::mt19937 random(3);
  for (int i = 0; i < 300; ++i) {
    std::string data(3000, '\0');
    for (char& byte : data) byte = static_cast<char>(random());
    entries.push_back(FileEntry("f" + std::to_string(i), data));
    entries.back().method = 0;
  }
  const ZipBytes zip = BuildZip(entries);
  Open(zip);
  for (int32_t i = 0; i < reader_.EntryCount(); ++i) ASSERT_NE(reader_.GetEntry(i), nullptr);
  for (int32_t i = 0; i < reader_.EntryCount(); ++i) {
    ASSERT_NE(reader_.GetEntry(i), nullptr);
    ASSERT_TRUE(reader_.ExtractToFile(i, Target(entries[i].name)));
  }
  EXPECT_EQ(ReadBytes(folder_ / "f299"), entries[299].data);
  const uint64_t blocks = zip.bytes.size() / ArchiveStream::kBlockSize + 1;
  EXPECT_LE(reader_.ArchiveFileReadCount(), 2 * blocks + 4);
}

TEST_F(ZipReaderTest, LowerIndexWalksAgainFromTheFirstEntry) {
  const std::vector<EntrySpec> entries = TenEntriesWithFolder();
  Open(entries);
  const ZipEntryInfo* five = reader_.GetEntry(5);
  ASSERT_NE(five, nullptr);
  EXPECT_EQ(five->entryName, "data/settings.ini");
  const ZipEntryInfo* two = reader_.GetEntry(2);
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->entryName, "file2.bin");
  const ZipEntryInfo* nine = reader_.GetEntry(9);
  ASSERT_NE(nine, nullptr);
  EXPECT_EQ(nine->entryName, "file9.bin");
  EXPECT_EQ(reader_.GetEntry(10), nullptr);
  EXPECT_EQ(reader_.GetEntry(-1), nullptr);
}

TEST_F(ZipReaderTest, RefusesEntriesThatCannotBeExtractedCorrectly) {
  std::vector<EntrySpec> entries = {FileEntry("good.txt", "ok"),
                                    FileEntry("bzip2.bin", "zz"),
                                    FileEntry("secret.txt", "pw"),
                                    FileEntry("../evil.txt", "x"),
                                    FileEntry("C:evil.txt", "x"),
                                    FileEntry(std::string(260, 'n'), "x"),
                                    FileEntry(std::string(259, 'n'), "fits")};
  entries[1].method = 12;
  entries[2].flags = 1;
  Open(entries);
  EXPECT_NE(reader_.GetEntry(0), nullptr);
  for (int32_t refused = 1; refused <= 5; ++refused) {
    EXPECT_EQ(reader_.GetEntry(refused), nullptr) << entries[refused].name.substr(0, 20);
  }
  const ZipEntryInfo* longest = reader_.GetEntry(6);
  ASSERT_NE(longest, nullptr);
  EXPECT_EQ(longest->entryName.size(), 259u);
  // A refusal keeps the reader usable and the cache as it was.
  EXPECT_EQ(reader_.GetEntry(0)->entryName, "good.txt");
}

TEST_F(ZipReaderTest, LocalHeaderMustAgreeWithTheDirectory) {
  const std::vector<EntrySpec> entries = {FileEntry("a.txt", "aaaa"), FileEntry("b.txt", "bbbb")};
  const struct {
    const char* fault;
    size_t offset;  // within the local header of entry 1
    uint32_t value;
    bool wide;
  } faults[] = {
      {"signature", 0, 0x04034B51, true}, {"method", 8, 0, false},
      {"crc", 14, 0x12345678, true},      {"compressed size", 18, 1, true},
      {"uncompressed size", 22, 1, true}, {"name length", 26, 4, false},
  };
  for (const auto& f : faults) {
    ZipBytes zip = BuildZip(entries);
    const size_t at = zip.localOffsets[1] + f.offset;
    f.wide ? SetU32(zip.bytes, at, f.value) : SetU16(zip.bytes, at, f.value);
    Open(zip);
    EXPECT_NE(reader_.GetEntry(0), nullptr) << f.fault;
    EXPECT_EQ(reader_.GetEntry(1), nullptr) << f.fault;
    reader_.CloseArchive();
  }
}

TEST_F(ZipReaderTest, DataDescriptorEntryPassesWithZerosInItsLocalHeader) {
  std::vector<EntrySpec> entries = {FileEntry("streamed.txt", std::string(50000, 'q')),
                                    FileEntry("after.txt", "after")};
  entries[0].flags = 8;
  Open(entries);
  ASSERT_NE(reader_.GetEntry(0), nullptr);
  ASSERT_TRUE(reader_.ExtractToFile(0, Target("streamed.txt")));
  EXPECT_EQ(ReadBytes(folder_ / "streamed.txt"), entries[0].data);
  ASSERT_TRUE(reader_.ExtractToFile(1, Target("after.txt")));
  EXPECT_EQ(ReadBytes(folder_ / "after.txt"), "after");
}

TEST_F(ZipReaderTest, ExtractsStoredDeflatedAndEmptyFilesWithTheirTimes) {
  std::vector<EntrySpec> entries = {FileEntry("deflated.txt", std::string(100000, 'd')),
                                    FileEntry("stored.bin", std::string(40000, '\x01')),
                                    FileEntry("empty.txt", "")};
  entries[1].method = 0;
  entries[2].localExtra = UtField(0x01, {1500000000});
  Open(entries);
  for (int32_t i = 0; i < 3; ++i) {
    ASSERT_TRUE(reader_.ExtractToFile(i, Target(entries[i].name))) << i;
    EXPECT_EQ(ReadBytes(folder_ / entries[i].name), entries[i].data) << i;
  }
  EXPECT_EQ(WriteTimeOf(folder_ / "deflated.txt"), 1374018038);
  EXPECT_EQ(WriteTimeOf(folder_ / "empty.txt"), 1500000000);
  // Made on Windows, hence read-only: no write permission on the host.
  EXPECT_EQ(ModeOf(folder_ / "stored.bin") & 0222, 0u);
}

TEST_F(ZipReaderTest, CrcMismatchFailsAndLeavesThePartialFileWithoutTimes) {
  std::vector<EntrySpec> entries = {FileEntry("damaged.txt", std::string(30000, 'c'))};
  entries[0].corruptCrc = true;
  Open(entries);
  ASSERT_NE(reader_.GetEntry(0), nullptr);
  EXPECT_FALSE(reader_.ExtractToFile(0, Target("damaged.txt")));
  EXPECT_TRUE(Exists(folder_ / "damaged.txt"));
  EXPECT_NE(WriteTimeOf(folder_ / "damaged.txt"), 1374018038);
}

TEST_F(ZipReaderTest, DataShorterThanTheDirectorySaysFails) {
  // A stored entry whose directory record promises more bytes than follow.
  std::vector<EntrySpec> entries = {FileEntry("short.bin", "0123456789")};
  entries[0].method = 0;
  ZipBytes zip = BuildZip(entries);
  SetU32(zip.bytes, zip.localOffsets[0] + 22, 20);
  SetU32(zip.bytes, zip.centralOffsets[0] + 24, 20);
  Open(zip);
  EXPECT_FALSE(reader_.ExtractToFile(0, Target("short.bin")));
}

TEST_F(ZipReaderTest, RefusesLongTargetsAndMissingFolders) {
  Open({FileEntry("a.txt", "a")});
  EXPECT_FALSE(
      reader_.ExtractToFile(0, WindowsPath(folder_.path()) + "\\" + std::string(260, 'x')));
  EXPECT_FALSE(reader_.ExtractToFile(0, Target("missing/a.txt")));
  EXPECT_FALSE(Exists(folder_ / "missing"));
  EXPECT_FALSE(reader_.ExtractToFile(1, Target("b.txt")));
  EXPECT_TRUE(reader_.ExtractToFile(0, Target("a.txt")));
}

TEST_F(ZipReaderTest, OpenFailsWithoutAReadableDirectory) {
  const ZipBytes good = BuildZip({FileEntry("a.txt", "a")});
  const std::string noEndRecord = good.bytes.substr(0, good.endOffset);
  std::string twoDisks = good.bytes;
  SetU16(twoDisks, good.endOffset + 4, 1);
  for (const std::string& bytes : {std::string(), std::string(100, 'x'), noEndRecord, twoDisks}) {
    WriteBytes(archivePath_, bytes);
    EXPECT_FALSE(reader_.OpenArchive(archivePath_));
  }
  EXPECT_FALSE(reader_.OpenArchive(folder_ / "absent.zip"));
  EXPECT_FALSE(reader_.OpenArchive(folder_.path()));
}

// The file layer under the dependency must give the same bytes as the file
// for any pattern of seeks and reads, small ones through its block caches
// and large ones past them.
TEST(ArchiveStream, ReadsMatchTheFileForRandomSeeksAndSizes) {
  TempFolder folder;
  std::string content(3 * ArchiveStream::kBlockSize + 1234, '\0');
  std::mt19937 random(7);
  for (char& byte : content) byte = static_cast<char>(random());
  WriteBytes(folder / "data", content);
  ArchiveStream stream;
  ASSERT_TRUE(stream.Open(folder / "data"));
  std::string buffer(2 * ArchiveStream::kBlockSize, '\0');
  for (int round = 0; round < 2000; ++round) {
    const uint64_t offset = random() % (content.size() + 10);
    const size_t size = round % 10 == 0 ? random() % buffer.size() : random() % 300;
    ASSERT_TRUE(stream.Seek(offset, ZLIB_FILEFUNC_SEEK_SET));
    const size_t got = stream.Read(&buffer[0], size);
    const size_t expected =
        offset >= content.size() ? 0 : std::min<size_t>(size, content.size() - offset);
    ASSERT_EQ(got, expected) << offset << " " << size;
    ASSERT_EQ(buffer.compare(0, got, content, offset, got), 0) << offset << " " << size;
    ASSERT_EQ(stream.Tell(), offset + got);
  }
  ASSERT_TRUE(stream.Seek(0, ZLIB_FILEFUNC_SEEK_END));
  EXPECT_EQ(stream.Tell(), content.size());
  ASSERT_TRUE(stream.Seek(static_cast<uint64_t>(-10), ZLIB_FILEFUNC_SEEK_CUR));
  EXPECT_EQ(stream.Tell(), content.size() - 10);
  EXPECT_FALSE(stream.HasError());
}

}  // namespace

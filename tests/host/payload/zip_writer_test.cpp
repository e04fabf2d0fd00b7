#include "tools/make-payload/zip_writer.h"

#include <gtest/gtest.h>
#include <unzip.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/make-payload/cp936.h"

namespace {

const DosDateTime kStamp = MakeDosDateTime(2013, 7, 16, 23, 40, 38);

struct ReadEntry {
  std::string name;
  unz_file_info info;
  std::string content;
  int closeResult;  // UNZ_CRCERROR when the stored CRC does not match the data
};

// Writes the archive to a file and reads every entry back with minizip.
class WrittenArchive {
 public:
  explicit WrittenArchive(const std::string& bytes) {
    char name[] = "/tmp/zip_writer_test_XXXXXX";
    int fd = mkstemp(name);
    path_ = name;
    FILE* file = fdopen(fd, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  ~WrittenArchive() { std::remove(path_.c_str()); }

  bool Read(unz_global_info* global, std::vector<ReadEntry>* entries) const {
    unzFile zip = unzOpen(path_.c_str());
    if (!zip) return false;
    unzGetGlobalInfo(zip, global);
    for (int r = unzGoToFirstFile(zip); r == UNZ_OK; r = unzGoToNextFile(zip)) {
      ReadEntry entry;
      char name[260] = {};
      unzGetCurrentFileInfo(zip, &entry.info, name, sizeof(name), nullptr, 0, nullptr, 0);
      entry.name = name;
      unzOpenCurrentFile(zip);
      char buffer[4096];
      for (int n; (n = unzReadCurrentFile(zip, buffer, sizeof(buffer))) > 0;) {
        entry.content.append(buffer, n);
      }
      entry.closeResult = unzCloseCurrentFile(zip);
      entries->push_back(entry);
    }
    return unzClose(zip) == UNZ_OK;
  }

 private:
  std::string path_;
};

std::string Build(const std::vector<ZipEntry>& entries) {
  std::string archive, error;
  EXPECT_TRUE(BuildZipArchive(entries, kStamp, &archive, &error)) << error;
  return archive;
}

TEST(ZipWriter, DosDateTimeFields) {
  EXPECT_EQ(kStamp.date, (33 << 9) | (7 << 5) | 16);
  EXPECT_EQ(kStamp.time, (23 << 11) | (40 << 5) | 19);
}

TEST(ZipWriter, EntriesReadBackAsWindowsMakesThem) {
  std::string big;
  for (int i = 0; i < 100000; ++i) big += static_cast<char>("abcdefgh"[i % 7] + i % 3);
  // The recipe's names are UTF-8 (u8 literals); plain literals here are
  // compiled to code page 936, the bytes the archive must hold.
  std::string cp936Folder;
  ASSERT_TRUE(Utf8ToCp936(u8"配置/", &cp936Folder));
  ASSERT_EQ(cp936Folder, "配置/");
  const std::vector<ZipEntry> input = {{"BrivonaJuniper.exe", big},
                                       {"empty.ini", ""},
                                       {cp936Folder, ""},
                                       {cp936Folder + "a.ini", "x=1"}};

  WrittenArchive written(Build(input));
  unz_global_info global;
  std::vector<ReadEntry> entries;
  ASSERT_TRUE(written.Read(&global, &entries));

  EXPECT_EQ(global.number_entry, 4u);
  EXPECT_EQ(global.size_comment, 0u);
  ASSERT_EQ(entries.size(), input.size());
  for (size_t i = 0; i < input.size(); ++i) {
    SCOPED_TRACE(i);
    const bool folder = i == 2;
    EXPECT_EQ(entries[i].name, input[i].name);
    EXPECT_EQ(entries[i].content, input[i].content);
    EXPECT_EQ(entries[i].closeResult, UNZ_OK);
    EXPECT_EQ(entries[i].info.compression_method, folder ? 0u : 8u);
    EXPECT_EQ(entries[i].info.external_fa, folder ? 0x10u : 0x20u);
    EXPECT_EQ(entries[i].info.version, 0x14u);
    EXPECT_EQ(entries[i].info.flag, 0u);  // no UTF-8 name flag (bit 11), no descriptor
    EXPECT_EQ(entries[i].info.size_file_extra, 0u);
    EXPECT_EQ(entries[i].info.dosDate, static_cast<uLong>(kStamp.date) << 16 | kStamp.time);
  }
  EXPECT_LT(entries[0].info.compressed_size, big.size() / 4);
}

TEST(ZipWriter, SameInputsGiveSameBytes) {
  const std::vector<ZipEntry> input = {{"a.txt", "hello"}, {"d/", ""}, {"d/b.txt", "world"}};
  EXPECT_EQ(Build(input), Build(input));
}

TEST(ZipWriter, RefusesMalformedEntries) {
  const std::vector<std::vector<ZipEntry>> cases = {
      {{"", "data"}},
      {{"folder/", "a folder holds no data"}},
      {{std::string(0x10000, 'n'), ""}},
  };
  for (const auto& entries : cases) {
    std::string archive, error;
    EXPECT_FALSE(BuildZipArchive(entries, kStamp, &archive, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(WindowsText, CodePage936WithCrLf) {
  std::string out;
  ASSERT_TRUE(ToWindowsText(u8"安装\nA\r\n\n", &out));
  EXPECT_EQ(out, "安装\r\nA\r\n\r\n");
}

TEST(WindowsText, RefusesWhatCodePage936Lacks) {
  const std::string outsideGbk = u8"😀";
  std::string out;
  EXPECT_FALSE(ToWindowsText(outsideGbk, &out));
  EXPECT_FALSE(ToWindowsText("\xC3", &out));  // a UTF-8 sequence cut short
}

}  // namespace

// The payload archive the build made, as the executable carries it: the
// shape that the installation and the extraction rely on.
#include <windows.h>

#include <gtest/gtest.h>
#include <unzip.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/resources.h"

namespace {

struct PayloadEntry {
  std::string name;
  unz_file_info64 info;
  std::string content;
  int closeResult;  // UNZ_CRCERROR when the data does not match the stored CRC
};

struct Payload {
  unz_global_info64 global{};
  std::vector<PayloadEntry> entries;
};

// Writes the carried archive to a temporary file, as the installer stages it,
// and reads every entry back with minizip.
bool ReadCarriedPayload(Payload* payload) {
  const ResourceBytes carried = LoadResourceBytes(RES_PAYLOAD);
  char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
  if (!carried.data || !GetTempPathA(MAX_PATH, folder) ||
      !GetTempFileNameA(folder, "pay", 0, path)) {
    return false;
  }
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(carried.data, 1, carried.size, file) == carried.size;
  std::fclose(file);
  unzFile zip = written ? unzOpen64(path) : nullptr;
  if (zip) {
    unzGetGlobalInfo64(zip, &payload->global);
    for (int r = unzGoToFirstFile(zip); r == UNZ_OK; r = unzGoToNextFile(zip)) {
      PayloadEntry entry;
      char name[260] = {};
      unzGetCurrentFileInfo64(zip, &entry.info, name, sizeof(name), nullptr, 0, nullptr, 0);
      entry.name = name;
      unzOpenCurrentFile(zip);
      char buffer[16384];
      for (int n; (n = unzReadCurrentFile(zip, buffer, sizeof(buffer))) > 0;) {
        entry.content.append(buffer, n);
      }
      entry.closeResult = unzCloseCurrentFile(zip);
      payload->entries.push_back(entry);
    }
    unzClose(zip);
  }
  DeleteFileA(path);
  return zip != nullptr;
}

class CarriedPayload : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(ReadCarriedPayload(&payload_)); }
  static Payload payload_;
};
Payload CarriedPayload::payload_;

TEST_F(CarriedPayload, TenEntriesNoComment) {
  EXPECT_EQ(payload_.global.number_entry, 10u);
  EXPECT_EQ(payload_.global.size_comment, 0u);
  EXPECT_EQ(payload_.entries.size(), 10u);
}

TEST_F(CarriedPayload, NineDeflatedFilesAndOneStoredFolderAtFourHoldingEntryFive) {
  ASSERT_EQ(payload_.entries.size(), 10u);
  const std::string folder = payload_.entries[4].name;
  ASSERT_EQ(folder, "配置/");
  for (size_t i = 0; i < payload_.entries.size(); ++i) {
    const PayloadEntry& entry = payload_.entries[i];
    SCOPED_TRACE(entry.name);
    const bool isFolder = i == 4;
    EXPECT_EQ(entry.info.compression_method, isFolder ? 0u : static_cast<uLong>(Z_DEFLATED));
    EXPECT_EQ(entry.info.external_fa, isFolder ? 0x10u : 0x20u);
    EXPECT_EQ(entry.info.version, 0x14u);    // made on MS-DOS / Windows
    EXPECT_EQ(entry.info.flag & 0x801, 0u);  // no UTF-8 names, not encrypted
    EXPECT_EQ(entry.closeResult, UNZ_OK);    // CRC matches
    EXPECT_EQ(isFolder, entry.content.empty());
    // Only entry 5 lies in the folder, and every other name is at the root.
    const bool inFolder = !isFolder && entry.name.compare(0, folder.size(), folder) == 0;
    EXPECT_EQ(inFolder, i == 5);
    EXPECT_EQ(entry.name.find('/', inFolder ? folder.size() : 0),
              isFolder ? folder.size() - 1 : std::string::npos);
  }
}

TEST_F(CarriedPayload, NamesAreCodePage936) {
  int chineseNames = 0;
  for (const PayloadEntry& entry : payload_.entries) {
    wchar_t wide[260];
    const int length =
        MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, entry.name.c_str(), -1, wide, 260);
    EXPECT_GT(length, 0) << entry.name;
    bool chinese = false;
    for (unsigned char c : entry.name) chinese = chinese || c >= 0x80;
    chineseNames += chinese;
  }
  EXPECT_GE(chineseNames, 2);
}

TEST_F(CarriedPayload, ProductExecutableAtTheRootForThisMachine) {
  const PayloadEntry* product = nullptr;
  for (const PayloadEntry& entry : payload_.entries) {
    if (entry.name == "BrivonaJuniper.exe") product = &entry;
  }
  ASSERT_NE(product, nullptr);
  const std::string& exe = product->content;
  ASSERT_GT(exe.size(), 0x40u);
  ASSERT_EQ(exe.compare(0, 2, "MZ"), 0);
  const auto peOffset = *reinterpret_cast<const LONG*>(&exe[0x3C]);
  ASSERT_LT(static_cast<size_t>(peOffset) + sizeof(IMAGE_NT_HEADERS), exe.size());
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(&exe[peOffset]);
  EXPECT_EQ(headers->Signature, IMAGE_NT_SIGNATURE);
  // The same machine and kind of program as this test, built by the same toolchain.
  const auto* own = reinterpret_cast<const IMAGE_DOS_HEADER*>(GetModuleHandleA(nullptr));
  const auto* ownHeaders =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(own) + own->e_lfanew);
  EXPECT_EQ(headers->FileHeader.Machine, ownHeaders->FileHeader.Machine);
  EXPECT_EQ(headers->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace

// The reader's pure rules: attribute mapping, the extended-timestamp scan,
// the entry-name check, and the host's time conversions.
#include <gtest/gtest.h>

#include <string>

#include "extract/zip_entry_rules.h"
#include "platform/file_times.h"
#include "tests/host/zip_fixtures/zip_builder.h"

namespace {

using zip_fixtures::OtherField;
using zip_fixtures::UtField;

ExtendedTimestamp Scan(const std::string& field) {
  return ScanExtendedTimestamp(reinterpret_cast<const unsigned char*>(field.data()), field.size());
}

TEST(MapFileAttributes, ReadsUnixModeAndDosBitsAtOnce) {
  const struct {
    uint32_t external;
    uint32_t expected;
  } cases[] = {
      {0x20, 0xA1},         // made on Windows: always read-only
      {0x10, 0x91},         // MS-DOS directory
      {0x00, 0x81},         // nothing set
      {0x81A40000u, 0x80},  // Unix regular file 644
      {0x41ED0000u, 0x90},  // Unix directory 755
      {0x81240000u, 0x81},  // Unix 444: no owner write
      {0x81A40001u, 0x81},  // MS-DOS read-only bit wins over the mode
      {0x27, 0xA7},         // read-only, hidden, system, archive
      {0x40000000u | 0x00800000u, 0x90},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MapFileAttributes(c.external), c.expected) << std::hex << c.external;
  }
}

TEST(ScanExtendedTimestamp, WriteTimeOnlyWhenOnlyFlagZeroIsSet) {
  const ExtendedTimestamp t = Scan(UtField(0x01, {1374018038}));
  EXPECT_TRUE(t.hasWriteTime);
  EXPECT_EQ(t.writeTime, 1374018038);
  EXPECT_FALSE(t.hasAccessTime);
  EXPECT_FALSE(t.hasCreationTime);
}

TEST(ScanExtendedTimestamp, ValuesFollowInFlagOrder) {
  const ExtendedTimestamp t = Scan(UtField(0x07, {100, 200, 300}));
  EXPECT_EQ(t.writeTime, 100);
  EXPECT_EQ(t.accessTime, 200);
  EXPECT_EQ(t.creationTime, 300);
  // Without the write flag the first value is the access time.
  const ExtendedTimestamp u = Scan(UtField(0x06, {200, 300}));
  EXPECT_FALSE(u.hasWriteTime);
  EXPECT_EQ(u.accessTime, 200);
  EXPECT_EQ(u.creationTime, 300);
}

TEST(ScanExtendedTimestamp, FindsTheFieldAfterALongSubField) {
  const ExtendedTimestamp t = Scan(OtherField(0x7875, 200) + UtField(0x01, {42}));
  EXPECT_TRUE(t.hasWriteTime);
  EXPECT_EQ(t.writeTime, 42);
}

TEST(ScanExtendedTimestamp, OtherSubFieldsGiveNothing) {
  const ExtendedTimestamp t = Scan(OtherField(0x000A, 32));
  EXPECT_FALSE(t.hasWriteTime || t.hasAccessTime || t.hasCreationTime);
}

TEST(ScanExtendedTimestamp, ValuesBeyondTheFieldAreNotRead) {
  // Flags promise three values, the field holds one and a half.
  std::string field = UtField(0x07, {7});
  field += "\x01\x02";
  const ExtendedTimestamp t = Scan(field);
  EXPECT_TRUE(t.hasWriteTime);
  EXPECT_EQ(t.writeTime, 7);
  EXPECT_FALSE(t.hasAccessTime);
  EXPECT_FALSE(t.hasCreationTime);
  // A sub-field header that ends the field exactly is not taken.
  EXPECT_FALSE(Scan("UT\x05").hasWriteTime);
}

TEST(IsSafeEntryName, RefusesNamesThatLeaveTheDestination) {
  const struct {
    std::string name;
    bool safe;
  } cases[] = {
      {"BrivonaJuniper.exe", true},
      {"data/settings.ini", true},
      {"data/", true},
      {"a/./b", true},
      {"..data/x..", true},
      {"软件/说明.txt", true},
      {"../evil", false},
      {"a/../../evil", false},
      {"a\\..\\evil", false},
      {"a/..", false},
      {"a/.../b", false},
      {"a/. ./b", false},
      {"/etc/passwd", false},
      {"\\windows\\evil", false},
      {"C:evil", false},
      {"c:/evil", false},
      {"a/b:stream", false},
      {std::string("a\0b", 3), false},
      // 0x5C as second byte of a two-byte character is no separator, so
      // this name has one level, not the level ".." after a backslash.
      {"\x81\x5C..", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSafeEntryName(c.name.data(), c.name.size()), c.safe) << c.name;
  }
}

TEST(HostFileTimes, DosDateTimeIsTakenAsUtc) {
  uint64_t time = 1;
  ASSERT_TRUE(DosTimeToFileTime(0x42F0, 0xBD13, time));  // 2013-07-16 23:40:38
  EXPECT_EQ(time, 130184916380000000ULL);
  ASSERT_TRUE(DosTimeToFileTime(0x0021, 0x0000, time));  // 1980-01-01 00:00:00
  EXPECT_EQ(time, (315532800ULL + 11644473600ULL) * 10000000ULL);
  ASSERT_TRUE(DosTimeToFileTime(0x385D, 0x0000, time));  // 2008-02-29, a leap day
  EXPECT_EQ(time, (1204243200ULL + 11644473600ULL) * 10000000ULL);
}

TEST(HostFileTimes, InvalidDosFieldsGiveNoTime) {
  const struct {
    uint16_t date, time;
  } invalid[] = {{0x0000, 0x0000}, {0x01A1, 0},      {0x3A5D, 0},
                 {0x0021, 0xC000}, {0x0021, 0x0780}, {0x0021, 0x001E}};
  for (const auto& c : invalid) {
    uint64_t time = 1;
    EXPECT_FALSE(DosTimeToFileTime(c.date, c.time, time)) << std::hex << c.date << " " << c.time;
    EXPECT_EQ(time, 0u);
  }
}

TEST(HostFileTimes, UnixSecondsFrom1970On) {
  uint64_t time = 0;
  ASSERT_TRUE(UnixTimeToFileTime(1374018038, time));
  EXPECT_EQ(time, 130184916380000000ULL);
  ASSERT_TRUE(UnixTimeToFileTime(0, time));
  EXPECT_EQ(time, 116444736000000000ULL);
  EXPECT_FALSE(UnixTimeToFileTime(-1, time));
  EXPECT_EQ(time, 0u);
}

}  // namespace

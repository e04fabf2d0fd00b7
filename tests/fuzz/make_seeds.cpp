// Writes small archives into the folder given that together use every
// record, field and flag the reader and the engine look at: the fuzz
// target's seed corpus, and the samples extract-zip is compared on.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/host/zip_fixtures/zip_builder.h"

namespace {

using namespace zip_fixtures;

// Turns a built archive into one with ZIP64 records: the directory record of
// entry 0 defers its sizes and offset to a ZIP64 extra field, and a ZIP64
// end record and locator precede the end record.
std::string WithZip64(std::vector<EntrySpec> entries) {
  const ZipBytes plain = BuildZip(entries);
  std::string extra;
  PutU16(extra, 0x0001);
  PutU16(extra, 24);
  const uint32_t uncompressed = static_cast<uint32_t>(entries[0].data.size());
  const size_t compressedAt = plain.centralOffsets[0] + 20;
  const uint32_t compressed =
      static_cast<uint32_t>(static_cast<unsigned char>(plain.bytes[compressedAt]) |
                            (static_cast<unsigned char>(plain.bytes[compressedAt + 1]) << 8) |
                            (static_cast<unsigned char>(plain.bytes[compressedAt + 2]) << 16));
  PutU32(extra, uncompressed);
  PutU32(extra, 0);
  PutU32(extra, compressed);
  PutU32(extra, 0);
  PutU32(extra, 0);  // local header offset
  PutU32(extra, 0);
  entries[0].centralExtra = extra;
  ZipBytes zip = BuildZip(entries);
  SetU32(zip.bytes, zip.centralOffsets[0] + 20, 0xFFFFFFFFu);
  SetU32(zip.bytes, zip.centralOffsets[0] + 24, 0xFFFFFFFFu);
  SetU32(zip.bytes, zip.centralOffsets[0] + 42, 0xFFFFFFFFu);
  const size_t centralStart = zip.centralOffsets[0];
  const size_t centralSize = zip.endOffset - centralStart;
  std::string tail;
  const size_t zip64EndAt = zip.endOffset;
  PutU32(tail, 0x06064B50);
  PutU32(tail, 44);
  PutU32(tail, 0);
  PutU16(tail, 45);
  PutU16(tail, 45);
  PutU32(tail, 0);
  PutU32(tail, 0);
  for (int i = 0; i < 2; ++i) {
    PutU32(tail, static_cast<uint32_t>(entries.size()));
    PutU32(tail, 0);
  }
  PutU32(tail, static_cast<uint32_t>(centralSize));
  PutU32(tail, 0);
  PutU32(tail, static_cast<uint32_t>(centralStart));
  PutU32(tail, 0);
  PutU32(tail, 0x07064B50);
  PutU32(tail, 0);
  PutU32(tail, static_cast<uint32_t>(zip64EndAt));
  PutU32(tail, 0);
  PutU32(tail, 1);
  return zip.bytes.substr(0, zip.endOffset) + tail + zip.bytes.substr(zip.endOffset);
}

std::vector<std::pair<std::string, std::string>> Seeds() {
  std::vector<std::pair<std::string, std::string>> seeds;
  auto add = [&](const std::string& name, const std::vector<EntrySpec>& entries,
                 const std::string& comment = "") {
    seeds.emplace_back(name, BuildZip(entries, comment).bytes);
  };
  add("payload-shape", TenEntriesWithFolder());
  add("empty", {});
  add("three-files", {FileEntry("a", "1"), FileEntry("b", "22"), FileEntry("c", "333")});

  std::vector<EntrySpec> methods = {FileEntry("stored.bin", std::string(300, 's')),
                                    FileEntry("deflated.txt", std::string(2000, 'd')),
                                    FileEntry("empty", "")};
  methods[0].method = 0;
  add("stored-deflated-empty", methods);

  std::vector<EntrySpec> streamed = {FileEntry("streamed.txt", "streamed data streamed data"),
                                     FileEntry("plain.txt", "plain")};
  streamed[0].flags = 8;
  add("data-descriptor", streamed);

  std::vector<EntrySpec> times(4, FileEntry("", "t"));
  times[0].name = "write-only";
  times[0].localExtra = UtField(0x01, {1374018038});
  times[1].name = "all-three";
  times[1].localExtra = UtField(0x07, {1, 2, 3});
  times[2].name = "after-long";
  times[2].localExtra = OtherField(0x7875, 200) + UtField(0x03, {4, 5});
  times[3].name = "ntfs";
  times[3].localExtra = OtherField(0x000A, 32);
  times[3].dosDateTime = 0;  // no valid MS-DOS date
  add("timestamps", times);

  std::vector<EntrySpec> unixEntries = {FolderEntry("dir/"), FileEntry("dir/file", "u")};
  unixEntries[0].externalAttributes = kUnixDirectory755;
  unixEntries[1].externalAttributes = kUnixRegular644;
  unixEntries[0].versionMadeBy = unixEntries[1].versionMadeBy = 0x0314;
  add("unix-attributes", unixEntries);

  std::vector<EntrySpec> damaged = TenEntriesWithFolder();
  damaged[3].method = 12;
  add("method-12", damaged);
  std::vector<EntrySpec> encrypted = {FileEntry("a", "a"), FileEntry("secret", "s")};
  encrypted[1].flags = 1;
  add("encrypted", encrypted);
  std::vector<EntrySpec> crc = {FileEntry("a", "aaaa"), FileEntry("bad", "bbbb")};
  crc[1].corruptCrc = true;
  add("crc-mismatch", crc);

  add("nested", {FolderEntry("a/"), FolderEntry("a/b/"), FileEntry("a/b/c.txt", "c")});
  add("no-folder-entry", {FileEntry("x", "x"), FileEntry("missing/y", "y")});
  add("comment", {FileEntry("a", "a")}, "an archive comment");
  add("code-page-936", {FolderEntry("软件/"), FileEntry("软件/说明.txt", "说明")});
  // The same names from a Unix archiver, whose names unzip takes as bytes.
  std::vector<EntrySpec> unixNames = {FolderEntry("软件/"), FileEntry("软件/说明.txt", "说明")};
  unixNames[0].externalAttributes = kUnixDirectory755;
  unixNames[1].externalAttributes = kUnixRegular644;
  unixNames[0].versionMadeBy = unixNames[1].versionMadeBy = 0x0314;
  add("code-page-936-unix", unixNames);
  add("unsafe-names", {FileEntry("ok", "ok"), FileEntry("../up", "u"), FileEntry("C:x", "c")});
  add("long-name", {FileEntry(std::string(259, 'n'), "259")});
  seeds.emplace_back("zip64", WithZip64({FileEntry("big.txt", std::string(500, 'z')),
                                         FileEntry("small.txt", "s")}));
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_zip_seeds FOLDER\n", stderr);
    return 64;
  }
  for (const auto& seed : Seeds()) {
    const std::string path = std::string(argv[1]) + "/" + seed.first + ".zip";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 1;
    std::fwrite(seed.second.data(), 1, seed.second.size(), file);
    std::fclose(file);
  }
  return 0;
}

// Builds ZIP archives byte by byte for tests: every field can be set, and
// the offsets of every record are returned so that a test can damage one.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zip_fixtures {

constexpr uint32_t kDosAttributesArchive = 0x20;  // made on Windows
constexpr uint32_t kDosAttributesDirectory = 0x10;
constexpr uint32_t kUnixRegular644 = 0x81A40000u;    // S_IFREG | 0644
constexpr uint32_t kUnixDirectory755 = 0x41ED0000u;  // S_IFDIR | 0755
constexpr uint32_t kDosTime20130716 = 0x42F0BD13u;   // 2013-07-16 23:40:38

struct EntrySpec {
  std::string name;
  std::string data;     // uncompressed content
  uint16_t method = 8;  // 8 is deflated here; any other is stored as is
  uint16_t flags = 0;   // bit 3: sizes and CRC-32 in a data descriptor
  uint32_t externalAttributes = kDosAttributesArchive;
  uint16_t versionMadeBy = 20;  // upper byte: 0 MS-DOS, 3 Unix
  uint32_t dosDateTime = kDosTime20130716;
  std::string localExtra;
  std::string centralExtra;
  bool corruptCrc = false;  // record a CRC-32 the data does not have
};

struct ZipBytes {
  std::string bytes;
  std::vector<size_t> localOffsets;    // local file header of each entry
  std::vector<size_t> centralOffsets;  // central-directory record of each entry
  size_t endOffset = 0;                // end-of-central-directory record
};

inline void PutU16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

inline void PutU32(std::string& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline void SetU16(std::string& bytes, size_t at, uint32_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void SetU32(std::string& bytes, size_t at, uint32_t value) {
  SetU16(bytes, at, value & 0xFFFF);
  SetU16(bytes, at + 2, value >> 16);
}

inline std::string RawDeflate(const std::string& data) {
  z_stream stream{};
  deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, data.size()) + 16, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

inline uint32_t Crc32Of(const std::string& data) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

// An extended-timestamp sub-field with the given flags and values in order.
inline std::string UtField(uint8_t flags, const std::vector<int32_t>& seconds) {
  std::string out = "UT";
  PutU16(out, static_cast<uint32_t>(1 + 4 * seconds.size()));
  out += static_cast<char>(flags);
  for (int32_t value : seconds) PutU32(out, static_cast<uint32_t>(value));
  return out;
}

// Any other sub-field: id and that many data bytes.
inline std::string OtherField(uint16_t id, size_t dataSize) {
  std::string out;
  PutU16(out, id);
  PutU16(out, static_cast<uint32_t>(dataSize));
  out.append(dataSize, '\x5A');
  return out;
}

inline ZipBytes BuildZip(const std::vector<EntrySpec>& entries, const std::string& comment = "") {
  ZipBytes zip;
  std::string& out = zip.bytes;
  struct Sizes {
    uint32_t crc, compressed, uncompressed;
  };
  std::vector<Sizes> sizes;
  for (const EntrySpec& entry : entries) {
    const std::string stored = entry.method == 8 ? RawDeflate(entry.data) : entry.data;
    Sizes s{Crc32Of(entry.data) ^ (entry.corruptCrc ? 0x5A5A5A5Au : 0u),
            static_cast<uint32_t>(stored.size()), static_cast<uint32_t>(entry.data.size())};
    sizes.push_back(s);
    const bool descriptor = (entry.flags & 8) != 0;
    zip.localOffsets.push_back(out.size());
    PutU32(out, 0x04034B50);
    PutU16(out, 20);
    PutU16(out, entry.flags);
    PutU16(out, entry.method);
    PutU32(out, entry.dosDateTime);
    PutU32(out, descriptor ? 0 : s.crc);
    PutU32(out, descriptor ? 0 : s.compressed);
    PutU32(out, descriptor ? 0 : s.uncompressed);
    PutU16(out, static_cast<uint32_t>(entry.name.size()));
    PutU16(out, static_cast<uint32_t>(entry.localExtra.size()));
    out += entry.name;
    out += entry.localExtra;
    out += stored;
    if (descriptor) {
      PutU32(out, 0x08074B50);
      PutU32(out, s.crc);
      PutU32(out, s.compressed);
      PutU32(out, s.uncompressed);
    }
  }
  const size_t centralStart = out.size();
  for (size_t i = 0; i < entries.size(); ++i) {
    const EntrySpec& entry = entries[i];
    zip.centralOffsets.push_back(out.size());
    PutU32(out, 0x02014B50);
    PutU16(out, entry.versionMadeBy);
    PutU16(out, 20);
    PutU16(out, entry.flags);
    PutU16(out, entry.method);
    PutU32(out, entry.dosDateTime);
    PutU32(out, sizes[i].crc);
    PutU32(out, sizes[i].compressed);
    PutU32(out, sizes[i].uncompressed);
    PutU16(out, static_cast<uint32_t>(entry.name.size()));
    PutU16(out, static_cast<uint32_t>(entry.centralExtra.size()));
    PutU16(out, 0);  // comment length
    PutU16(out, 0);  // disk number
    PutU16(out, 0);  // internal attributes
    PutU32(out, entry.externalAttributes);
    PutU32(out, static_cast<uint32_t>(zip.localOffsets[i]));
    out += entry.name;
    out += entry.centralExtra;
  }
  zip.endOffset = out.size();
  PutU32(out, 0x06054B50);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, static_cast<uint32_t>(entries.size()));
  PutU16(out, static_cast<uint32_t>(entries.size()));
  PutU32(out, static_cast<uint32_t>(zip.endOffset - centralStart));
  PutU32(out, static_cast<uint32_t>(centralStart));
  PutU16(out, static_cast<uint32_t>(comment.size()));
  out += comment;
  return zip;
}

// A file entry and a directory entry as an archiver on Windows writes them.
inline EntrySpec FileEntry(const std::string& name, const std::string& data) {
  EntrySpec entry;
  entry.name = name;
  entry.data = data;
  return entry;
}

inline EntrySpec FolderEntry(const std::string& name) {
  EntrySpec entry;
  entry.name = name;
  entry.method = 0;
  entry.externalAttributes = kDosAttributesDirectory;
  return entry;
}

// The payload's shape: ten entries, a folder at index 4 holding entry 5.
inline std::vector<EntrySpec> TenEntriesWithFolder() {
  std::vector<EntrySpec> entries;
  for (int i = 0; i < 10; ++i) {
    if (i == 4) {
      entries.push_back(FolderEntry("data/"));
    } else if (i == 5) {
      entries.push_back(FileEntry("data/settings.ini", "[main]\r\nlanguage=936\r\n"));
    } else {
      entries.push_back(FileEntry("file" + std::to_string(i) + ".bin",
                                  std::string(1000 + 300 * i, static_cast<char>('a' + i))));
    }
  }
  return entries;
}

}  // namespace zip_fixtures

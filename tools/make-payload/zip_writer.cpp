#include "tools/make-payload/zip_writer.h"

#include <zlib.h>

#include <limits>

namespace {

constexpr uint16_t kVersionMadeBy = 0x0014;  // MS-DOS host, format 2.0
constexpr uint16_t kVersionNeeded = 20;      // deflate and folders need 2.0
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflated = 8;
constexpr uint32_t kAttributeFolder = 0x10;
constexpr uint32_t kAttributeArchive = 0x20;

void Put16(std::string* out, uint16_t value) {
  out->push_back(static_cast<char>(value & 0xFF));
  out->push_back(static_cast<char>(value >> 8));
}

void Put32(std::string* out, uint32_t value) {
  Put16(out, static_cast<uint16_t>(value & 0xFFFF));
  Put16(out, static_cast<uint16_t>(value >> 16));
}

// Raw deflate (no zlib header), as the ZIP format wants it; the default level
// keeps the general-purpose flags at 0.
bool Deflate(const std::string& data, std::string* packed) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
      Z_OK) {
    return false;
  }
  packed->resize(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(&(*packed)[0]);
  stream.avail_out = static_cast<uInt>(packed->size());
  int result = deflate(&stream, Z_FINISH);
  packed->resize(stream.total_out);
  deflateEnd(&stream);
  return result == Z_STREAM_END;
}

struct EntryRecord {
  const ZipEntry* entry;
  uint16_t method;
  uint32_t crc;
  uint32_t packedSize;
  uint32_t localOffset;
};

// The fields that the local header and the central-directory record share,
// from "version needed" to the extra field's length.
void PutCommonFields(std::string* out, const EntryRecord& record, DosDateTime stamp) {
  Put16(out, kVersionNeeded);
  Put16(out, 0);  // general-purpose flags: not encrypted, no data descriptor, no UTF-8
  Put16(out, record.method);
  Put16(out, stamp.time);
  Put16(out, stamp.date);
  Put32(out, record.crc);
  Put32(out, record.packedSize);
  Put32(out, static_cast<uint32_t>(record.entry->content.size()));
  Put16(out, static_cast<uint16_t>(record.entry->name.size()));
  Put16(out, 0);  // no extra field
}

void PutCentralRecord(std::string* out, const EntryRecord& record, DosDateTime stamp) {
  Put32(out, 0x02014B50);
  Put16(out, kVersionMadeBy);
  PutCommonFields(out, record, stamp);
  Put16(out, 0);  // no entry comment
  Put16(out, 0);  // disk number
  Put16(out, 0);  // internal attributes
  Put32(out, IsFolderName(record.entry->name) ? kAttributeFolder : kAttributeArchive);
  Put32(out, record.localOffset);
  out->append(record.entry->name);
}

bool FitsIn32Bits(size_t size) { return size < std::numeric_limits<uint32_t>::max(); }

}  // namespace

DosDateTime MakeDosDateTime(int year, int month, int day, int hour, int minute, int second) {
  DosDateTime stamp;
  stamp.time = static_cast<uint16_t>(hour << 11 | minute << 5 | second / 2);
  stamp.date = static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day);
  return stamp;
}

bool IsFolderName(const std::string& name) { return !name.empty() && name.back() == '/'; }

bool BuildZipArchive(const std::vector<ZipEntry>& entries, DosDateTime stamp, std::string* archive,
                     std::string* error) {
  archive->clear();
  std::vector<EntryRecord> records;
  for (const ZipEntry& entry : entries) {
    if (entry.name.empty() || entry.name.size() > 0xFFFF) {
      *error = "entry name empty or too long: " + entry.name;
      return false;
    }
    bool folder = IsFolderName(entry.name);
    if (folder && !entry.content.empty()) {
      *error = "folder entry with content: " + entry.name;
      return false;
    }
    if (!FitsIn32Bits(entry.content.size())) {
      *error = "entry too large for 32-bit ZIP fields: " + entry.name;
      return false;
    }
    std::string packed;
    if (!folder && !Deflate(entry.content, &packed)) {
      *error = "deflate failed: " + entry.name;
      return false;
    }
    if (!FitsIn32Bits(archive->size() + packed.size())) {
      *error = "archive too large for 32-bit ZIP offsets at: " + entry.name;
      return false;
    }
    const uLong crc =
        crc32(crc32(0, Z_NULL, 0), reinterpret_cast<const Bytef*>(entry.content.data()),
              static_cast<uInt>(entry.content.size()));
    EntryRecord record{&entry, folder ? kMethodStored : kMethodDeflated, static_cast<uint32_t>(crc),
                       static_cast<uint32_t>(packed.size()),
                       static_cast<uint32_t>(archive->size())};
    Put32(archive, 0x04034B50);
    PutCommonFields(archive, record, stamp);
    archive->append(entry.name);
    archive->append(packed);
    records.push_back(record);
  }
  if (records.size() > 0xFFFF) {
    *error = "too many entries";
    return false;
  }
  const size_t directoryOffset = archive->size();
  for (const EntryRecord& record : records) PutCentralRecord(archive, record, stamp);
  const size_t directorySize = archive->size() - directoryOffset;
  if (!FitsIn32Bits(archive->size())) {
    *error = "central directory beyond 32-bit offsets";
    return false;
  }
  Put32(archive, 0x06054B50);
  Put16(archive, 0);  // this disk
  Put16(archive, 0);  // disk with the central directory
  Put16(archive, static_cast<uint16_t>(records.size()));
  Put16(archive, static_cast<uint16_t>(records.size()));
  Put32(archive, static_cast<uint32_t>(directorySize));
  Put32(archive, static_cast<uint32_t>(directoryOffset));
  Put16(archive, 0);  // no archive comment
  return true;
}

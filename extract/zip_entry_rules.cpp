#include "extract/zip_entry_rules.h"

#include "extract/zip_entry_info.h"
#include "platform/lead_byte.h"

uint32_t MapFileAttributes(uint32_t e) {
  uint32_t attributes = kAttributeNormal;
  if ((e & 0x10) != 0 || (e & 0x40000000u) != 0) attributes |= kAttributeDirectory;
  if ((e & 0x20) != 0) attributes |= kAttributeArchive;
  if ((e & 0x02) != 0) attributes |= kAttributeHidden;
  // Entries made on MS-DOS or Windows carry no Unix mode, so they never have
  // the owner-write bit and always come out read-only.
  if ((e & 0x00800000u) == 0 || (e & 0x01) != 0) attributes |= kAttributeReadOnly;
  if ((e & 0x04) != 0) attributes |= kAttributeSystem;
  return attributes;
}

namespace {

int32_t ReadInt32(const unsigned char* bytes) {
  const uint32_t value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                         (static_cast<uint32_t>(bytes[2]) << 16) |
                         (static_cast<uint32_t>(bytes[3]) << 24);
  return static_cast<int32_t>(value);
}

// Reads the next value of the sub-field if all four of its bytes lie within
// the extra field; the position moves on either way.
bool TakeTime(const unsigned char* field, size_t length, size_t& at, int32_t& value) {
  const bool inside = at + 4 <= length;
  if (inside) value = ReadInt32(field + at);
  at += 4;
  return inside;
}

bool IsDotsAndSpaces(const char* level, size_t length) {
  size_t dots = 0;
  for (size_t i = 0; i < length; ++i) {
    if (level[i] == '.') {
      ++dots;
    } else if (level[i] != ' ') {
      return false;
    }
  }
  return dots >= 1 && length >= 2;
}

}  // namespace

ExtendedTimestamp ScanExtendedTimestamp(const unsigned char* field, size_t length) {
  ExtendedTimestamp result;
  size_t h = 0;
  while (h + 4 < length) {
    if (field[h] == 'U' && field[h + 1] == 'T') {
      const unsigned flags = field[h + 4];
      size_t at = h + 5;
      if ((flags & 1) != 0) result.hasWriteTime = TakeTime(field, length, at, result.writeTime);
      if ((flags & 2) != 0) result.hasAccessTime = TakeTime(field, length, at, result.accessTime);
      if ((flags & 4) != 0) {
        result.hasCreationTime = TakeTime(field, length, at, result.creationTime);
      }
      return result;
    }
    const size_t dataSize =
        static_cast<size_t>(field[h + 2]) | (static_cast<size_t>(field[h + 3]) << 8);
    h += 4 + dataSize;
  }
  return result;
}

bool IsSafeEntryName(const char* name, size_t length) {
  if (length > 0 && (name[0] == '\\' || name[0] == '/')) return false;
  size_t levelStart = 0;
  size_t i = 0;
  while (i <= length) {
    const unsigned char byte = i < length ? static_cast<unsigned char>(name[i]) : '/';
    if (i < length && IsLeadByte936(byte) && i + 1 < length) {
      if (name[i + 1] == '\0') return false;
      i += 2;
      continue;
    }
    if (byte == '\0' || byte == ':') return false;
    if (byte == '/' || byte == '\\') {
      if (IsDotsAndSpaces(name + levelStart, i - levelStart)) return false;
      levelStart = i + 1;
    }
    ++i;
  }
  return true;
}

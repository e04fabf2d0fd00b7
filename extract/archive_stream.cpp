#include "extract/archive_stream.h"

#include <cstring>

bool ArchiveStream::Open(const std::string& path) {
  Close();
  return file_.Open(path);
}

void ArchiveStream::Close() {
  file_.Close();
  position_ = 0;
  useCounter_ = 0;
  readCount_ = 0;
  error_ = false;
  for (Block& block : blocks_) block.valid = false;
}

// Copies what the caches hold from the current position on; returns how many
// bytes were copied (0 when no block holds the position).
size_t ArchiveStream::CopyFromBlocks(unsigned char* out, size_t size) {
  for (Block& block : blocks_) {
    if (!block.valid || position_ < block.start || position_ >= block.start + block.length) {
      continue;
    }
    const size_t offset = static_cast<size_t>(position_ - block.start);
    size_t count = block.length - offset;
    if (count > size) count = size;
    std::memcpy(out, block.bytes + offset, count);
    block.lastUse = ++useCounter_;
    position_ += count;
    return count;
  }
  return 0;
}

// Fills the least recently used block with the aligned block holding offset;
// aligned blocks keep the backward scans for the end record within one load.
bool ArchiveStream::LoadBlockAt(uint64_t offset) {
  Block& block = blocks_[0].lastUse <= blocks_[1].lastUse ? blocks_[0] : blocks_[1];
  block.valid = false;
  block.start = offset - offset % kBlockSize;
  if (block.start >= file_.Size()) return false;
  if (!file_.ReadAt(block.start, block.bytes, kBlockSize, block.length)) {
    error_ = true;
    return false;
  }
  block.valid = block.length > 0;
  block.lastUse = ++useCounter_;
  // Near the end the block may stop short of the offset: nothing to read.
  return block.valid && offset < block.start + block.length;
}

size_t ArchiveStream::Read(void* buffer, size_t size) {
  ++readCount_;
  unsigned char* out = static_cast<unsigned char*>(buffer);
  size_t done = 0;
  // A read as large as a block gains nothing from the caches: it goes to
  // the file directly, which saves a copy of the entry's data.
  if (size >= kBlockSize) {
    if (!file_.ReadAt(position_, out, size, done)) error_ = true;
    position_ += done;
    return done;
  }
  while (done < size) {
    const size_t copied = CopyFromBlocks(out + done, size - done);
    if (copied > 0) {
      done += copied;
      continue;
    }
    if (!LoadBlockAt(position_)) break;
  }
  return done;
}

bool ArchiveStream::Seek(uint64_t offset, int origin) {
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
      position_ = offset;
      return true;
    case ZLIB_FILEFUNC_SEEK_CUR:
      position_ += offset;  // a step back arrives as a wrapped-around offset
      return true;
    case ZLIB_FILEFUNC_SEEK_END:
      position_ = file_.Size() + offset;
      return true;
    default:
      return false;
  }
}

namespace {

ArchiveStream* AsStream(voidpf stream) { return static_cast<ArchiveStream*>(stream); }

voidpf OpenHook(voidpf /*opaque*/, const void* filename, int /*mode*/) {
  ArchiveStream* stream = static_cast<ArchiveStream*>(const_cast<void*>(filename));
  return stream != nullptr && stream->IsOpen() ? stream : nullptr;
}

uLong ReadHook(voidpf /*opaque*/, voidpf stream, void* buffer, uLong size) {
  return static_cast<uLong>(AsStream(stream)->Read(buffer, size));
}

uLong WriteHook(voidpf /*opaque*/, voidpf /*stream*/, const void* /*buffer*/, uLong /*size*/) {
  return 0;
}

ZPOS64_T TellHook(voidpf /*opaque*/, voidpf stream) { return AsStream(stream)->Tell(); }

long SeekHook(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
  return AsStream(stream)->Seek(offset, origin) ? 0 : -1;
}

int CloseHook(voidpf /*opaque*/, voidpf stream) {
  AsStream(stream)->Close();
  return 0;
}

int ErrorHook(voidpf /*opaque*/, voidpf stream) { return AsStream(stream)->HasError() ? 1 : 0; }

}  // namespace

void ArchiveStream::FillFileFunctions(zlib_filefunc64_def& functions) {
  functions.zopen64_file = OpenHook;
  functions.zread_file = ReadHook;
  functions.zwrite_file = WriteHook;
  functions.ztell64_file = TellHook;
  functions.zseek64_file = SeekHook;
  functions.zclose_file = CloseHook;
  functions.zerror_file = ErrorHook;
  functions.opaque = nullptr;
}

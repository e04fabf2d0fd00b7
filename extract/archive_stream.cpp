#include "extract/archive_stream.h"

#include <cstring>

ArchiveStream::ArchiveStream() : storage_(new unsigned char[kBlockCount * kBlockSize]) {
  for (size_t i = 0; i < kBlockCount; ++i) blocks_[i].bytes = storage_.get() + i * kBlockSize;
}

bool ArchiveStream::Open(const std::string& path) {
  Close();
  return file_.Open(path);
}

void ArchiveStream::Close() {
  file_.Close();
  position_ = 0;
  useCounter_ = 0;
  readCount_ = 0;
  fileReadCount_ = 0;
  error_ = false;
  for (Block& block : blocks_) {
    block.length = 0;
    block.lastUse = 0;
  }
  hot_ = 0;
}

size_t ArchiveStream::Read(void* buffer, size_t size) {
  ++readCount_;
  // Most reads are a few bytes of a header in the block the last read used.
  const Block& hot = blocks_[hot_];
  const uint64_t offset = position_ - hot.start;  // huge when before the block
  if (offset < hot.length && size <= hot.length - offset) {
    std::memcpy(buffer, hot.bytes + offset, size);
    position_ += size;
    return size;
  }
  unsigned char* out = static_cast<unsigned char*>(buffer);
  if (size < kDirectReadSize) return ReadThroughBlocks(out, size);
  // A large read gains nothing from the caches: it goes to the file
  // directly, which saves a copy of the entry's data.
  size_t got = 0;
  if (!ReadFile(position_, out, size, got)) error_ = true;
  position_ += got;
  return got;
}

// Copies from the blocks, loading the missing ones; fewer bytes than asked
// only at the end of the file or after a read error.
size_t ArchiveStream::ReadThroughBlocks(unsigned char* out, size_t size) {
  size_t done = 0;
  while (done < size) {
    const Block* block = BlockHolding(position_);
    if (block == nullptr) {
      if (!LoadBlockAt(position_)) break;
      continue;
    }
    const size_t offset = static_cast<size_t>(position_ - block->start);
    size_t count = block->length - offset;
    if (count > size - done) count = size - done;
    std::memcpy(out + done, block->bytes + offset, count);
    position_ += count;
    done += count;
  }
  return done;
}

bool ArchiveStream::ReadFile(uint64_t offset, void* buffer, size_t size, size_t& got) {
  ++fileReadCount_;
  return file_.ReadAt(offset, buffer, size, got);
}

ArchiveStream::Block* ArchiveStream::BlockHolding(uint64_t offset) {
  for (size_t i = 0; i < kBlockCount; ++i) {
    Block& block = blocks_[i];
    if (offset - block.start < block.length) {
      block.lastUse = ++useCounter_;
      hot_ = i;
      return &block;
    }
  }
  return nullptr;
}

// Fills the least recently used block with the aligned block holding offset;
// aligned blocks keep the backward scans for the end record within one load.
bool ArchiveStream::LoadBlockAt(uint64_t offset) {
  size_t victim = 0;
  for (size_t i = 1; i < kBlockCount; ++i) {
    if (blocks_[i].lastUse < blocks_[victim].lastUse) victim = i;
  }
  Block& block = blocks_[victim];
  block.length = 0;
  block.start = offset - offset % kBlockSize;
  if (block.start >= file_.Size()) return false;
  size_t got = 0;
  if (!ReadFile(block.start, block.bytes, kBlockSize, got)) {
    error_ = true;
    return false;
  }
  block.length = got;
  // Near the end the block may stop short of the offset: nothing to read.
  return offset - block.start < block.length;
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

// Paths reach the host layer in the Windows form the engine builds: a
// backslash separates levels. Linux needs "/" there; a backslash that is the
// second byte of a two-byte character stays what it is.
#pragma once

#include <string>

#include "platform/lead_byte.h"

class NativePath {
 public:
  explicit NativePath(const std::string& path) {
    if (path.size() < sizeof(inline_)) {
      Convert(path, inline_);
      text_ = inline_;
    } else {
      heap_.resize(path.size() + 1);
      Convert(path, &heap_[0]);
      text_ = heap_.c_str();
    }
  }
  NativePath(const NativePath&) = delete;
  NativePath& operator=(const NativePath&) = delete;

  const char* c_str() const { return text_; }

 private:
  static void Convert(const std::string& path, char* out) {
    size_t i = 0;
    while (i < path.size()) {
      const unsigned char byte = static_cast<unsigned char>(path[i]);
      if (IsLeadByte936(byte) && i + 1 < path.size()) {
        out[i] = path[i];
        out[i + 1] = path[i + 1];
        i += 2;
        continue;
      }
      out[i] = byte == '\\' ? '/' : path[i];
      ++i;
    }
    out[path.size()] = '\0';
  }

  // Most paths fit here, so that a path costs no allocation.
  char inline_[512];
  std::string heap_;
  const char* text_ = nullptr;
};

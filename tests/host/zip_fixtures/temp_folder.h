// A fresh folder under the system's temporary folder, removed with all its
// contents when the test ends; plus small file helpers for host tests.
#pragma once

#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

namespace zip_fixtures {

class TempFolder {
 public:
  TempFolder() {
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/extract-test-XXXXXX";
    path_ = mkdtemp(&pattern[0]) != nullptr ? pattern : std::string();
  }
  ~TempFolder() {
    if (!path_.empty()) nftw(path_.c_str(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  static int RemoveOne(const char* path, const struct stat*, int, struct FTW*) {
    chmod(path, 0700);
    remove(path);
    return 0;
  }
  std::string path_;
};

// The engine takes Windows paths; the host layer turns backslashes back.
inline std::string WindowsPath(std::string path) {
  for (char& byte : path) {
    if (byte == '/') byte = '\\';
  }
  return path;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

inline bool IsFolder(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

inline mode_t ModeOf(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

inline time_t WriteTimeOf(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 ? status.st_mtime : 0;
}

}  // namespace zip_fixtures

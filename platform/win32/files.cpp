#include "platform/files.h"

#include <windows.h>

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CreateFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

void SetNormalAttributes(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool WriteFileBytes(const std::string& path, const void* bytes, size_t size) {
  if (path.empty()) return false;
  if (size > MAXDWORD) return false;
  SECURITY_ATTRIBUTES security = {};
  security.nLength = sizeof(security);
  security.bInheritHandle = TRUE;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok =
      WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) != 0 && written == size;
  // The close result counts: a failed close can lose data the write accepted.
  if (!CloseHandle(file)) ok = false;
  return ok;
}

bool DeleteFilePath(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

#include "platform/folders.h"

#include <shlobj.h>
#include <windows.h>

#include "platform/win32/bound_functions.h"

namespace {

std::string WithTrailingBackslash(const char* folder) {
  std::string text(folder);
  if (text.empty() || text.back() != '\\') text += '\\';
  return text;
}

}  // namespace

std::string GetTempFolder() {
  char buffer[MAX_PATH] = {};
  DWORD length = GetTempPathA(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH) return std::string();
  return WithTrailingBackslash(buffer);
}

std::string GetDesktopFolder() {
  char buffer[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_DESKTOPDIRECTORY, FALSE)) {
    return std::string();
  }
  return WithTrailingBackslash(buffer);
}

uint64_t QueryTotalFreeBytes(const std::string& directory) {
  using GetDiskFreeSpaceExFn =
      BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  ULARGE_INTEGER available{}, total{}, totalFree{};
  // The result is not consulted: a failed call leaves the preset zeros.
  Bound<GetDiskFreeSpaceExFn>(BoundFunction::kGetDiskFreeSpaceExA)(directory.c_str(), &available,
                                                                   &total, &totalFree);
  return totalFree.QuadPart;
}

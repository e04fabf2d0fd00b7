#include "platform/resources.h"

#include <windows.h>

ResourceBytes LoadResourceBytes(const char* name) {
  ResourceBytes bytes;
  HRSRC info = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!info) return bytes;
  // Resources of the executable stay mapped for the life of the process, so
  // the pointer needs no release.
  HGLOBAL loaded = LoadResource(nullptr, info);
  if (!loaded) return bytes;
  bytes.data = LockResource(loaded);
  bytes.size = bytes.data ? SizeofResource(nullptr, info) : 0;
  return bytes;
}

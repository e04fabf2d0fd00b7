#include "platform/file_times.h"

#include <windows.h>

#include <ctime>

namespace {

uint64_t FromFileTime(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

bool DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime, uint64_t& fileTime) {
  fileTime = 0;
  FILETIME time;
  if (!DosDateTimeToFileTime(dosDate, dosTime, &time)) return false;
  fileTime = FromFileTime(time);
  return true;
}

bool UnixTimeToFileTime(int64_t seconds, uint64_t& fileTime) {
  fileTime = 0;
  if (seconds < 0) return false;
  const __time64_t value = seconds;
  struct tm parts;
  if (_gmtime64_s(&parts, &value) != 0) return false;
  SYSTEMTIME system = {};
  system.wYear = static_cast<WORD>(parts.tm_year + 1900);
  system.wMonth = static_cast<WORD>(parts.tm_mon + 1);
  system.wDay = static_cast<WORD>(parts.tm_mday);
  system.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
  system.wHour = static_cast<WORD>(parts.tm_hour);
  system.wMinute = static_cast<WORD>(parts.tm_min);
  system.wSecond = static_cast<WORD>(parts.tm_sec);
  system.wMilliseconds = 0;
  FILETIME time;
  if (!SystemTimeToFileTime(&system, &time)) return false;
  fileTime = FromFileTime(time);
  return true;
}

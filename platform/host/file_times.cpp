#include "platform/file_times.h"

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr uint64_t kSecondsFrom1601To1970 = 11644473600ULL;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the given date (proleptic Gregorian calendar).
int64_t DaysSince1970(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const int era = y / 400;
  const int yearOfEra = y - era * 400;
  const int monthIndex = (month + 9) % 12;
  const int dayOfYear = (153 * monthIndex + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<int64_t>(era) * 146097 + dayOfEra - 719468;
}

}  // namespace

// The same checks as Windows: every field within its calendar range (the
// seconds field counts two-second steps, so 58 is the highest).
bool DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime, uint64_t& fileTime) {
  fileTime = 0;
  const int year = 1980 + (dosDate >> 9);
  const int month = (dosDate >> 5) & 0x0F;
  const int day = dosDate & 0x1F;
  const int hour = dosTime >> 11;
  const int minute = (dosTime >> 5) & 0x3F;
  const int second = (dosTime & 0x1F) * 2;
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  if (hour > 23 || minute > 59 || second > 59) return false;
  const int64_t seconds =
      DaysSince1970(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
  fileTime = (static_cast<uint64_t>(seconds) + kSecondsFrom1601To1970) * kTicksPerSecond;
  return true;
}

bool UnixTimeToFileTime(int64_t seconds, uint64_t& fileTime) {
  fileTime = 0;
  if (seconds < 0) return false;
  fileTime = (static_cast<uint64_t>(seconds) + kSecondsFrom1601To1970) * kTicksPerSecond;
  return true;
}

// File times: 100-nanosecond units since 1601-01-01 00:00:00 UTC, as
// SetFileTime takes them. 0 stands for an unknown time.
#pragma once

#include <cstdint>

// DosDateTimeToFileTime(date word, time word), the calendar value taken as
// UTC. False (and fileTime 0) for a date or time that is no valid one.
bool DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime, uint64_t& fileTime);

// The instant of a count of seconds since 1970-01-01 00:00:00 UTC, broken
// down as a UTC calendar time with milliseconds 0 and converted with
// SystemTimeToFileTime. False (and fileTime 0) for instants before 1970.
bool UnixTimeToFileTime(int64_t seconds, uint64_t& fileTime);

// Times in the DOS form (two 16-bit words) that the update date text is built from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tovir {

// Date word: year - 1980 in bits 15-9, month in 8-5, day in 4-0. Time word: hour in bits 15-11, minute in
// 10-5, seconds / 2 in 4-0.
struct DosDateTime {
  uint16_t date = 0;
  uint16_t time = 0;
  bool operator==(const DosDateTime&) const = default;
};

struct CivilTime {
  int year = 1980;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The 14-byte update date text "yy/mm/dd hh:mm"; seconds are dropped.
std::string FormatUpdateDate(DosDateTime t);

// The DOS words of a calendar time; nullopt outside what the form holds (1980-01-01 to 2107-12-31).
std::optional<DosDateTime> ToDosDateTime(const CivilTime& t);

// Calendar time of a count of seconds since 1970-01-01, without any time zone.
CivilTime CivilFromSeconds(int64_t seconds);
int64_t SecondsFromCivil(const CivilTime& t);

// The machine's current offset of local time from UTC, in seconds. Like Windows, the program applies the
// offset in force now to every file time, not the one in force on the file's date, so both builds show the
// same text.
int64_t CurrentUtcOffsetSeconds();

// Local DOS time of a file time given in seconds since 1970-01-01 UTC.
std::optional<DosDateTime> LocalDosDateTimeOf(int64_t utcSeconds);

}  // namespace tovir

// DOS date and time words and the update date text.
#include "base/dos_time.h"

#include <ctime>

namespace tovir {

namespace {

void TwoDigits(std::string& out, int value) {
  // Each number is written in decimal with a "0" in front of a single digit; DOS fields never pass 127.
  if (value < 10) out += '0';
  out += std::to_string(value);
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

}  // namespace

std::string FormatUpdateDate(DosDateTime t) {
  int year = 1980 + (t.date >> 9);
  int month = (t.date >> 5) & 0x0F;
  int day = t.date & 0x1F;
  int hour = t.time >> 11;
  int minute = (t.time >> 5) & 0x3F;
  std::string out;
  out.reserve(14);
  TwoDigits(out, year % 100);
  out += '/';
  TwoDigits(out, month);
  out += '/';
  TwoDigits(out, day);
  out += ' ';
  TwoDigits(out, hour);
  out += ':';
  TwoDigits(out, minute);
  return out;
}

std::optional<DosDateTime> ToDosDateTime(const CivilTime& t) {
  if (t.year < 1980 || t.year > 2107) return std::nullopt;
  DosDateTime dos;
  dos.date = static_cast<uint16_t>(((t.year - 1980) << 9) | (t.month << 5) | t.day);
  dos.time = static_cast<uint16_t>((t.hour << 11) | (t.minute << 5) | (t.second / 2));
  return dos;
}

CivilTime CivilFromSeconds(int64_t seconds) {
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  // Inverse of DaysFromCivil.
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto doe = static_cast<unsigned>(days - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  CivilTime t;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (t.month <= 2));
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

int64_t SecondsFromCivil(const CivilTime& t) {
  return DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) * 86400 +
         int64_t{t.hour} * 3600 + int64_t{t.minute} * 60 + t.second;
}

int64_t CurrentUtcOffsetSeconds() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  std::tm utc{};
#ifdef _WIN32
  localtime_s(&local, &now);
  gmtime_s(&utc, &now);
#else
  localtime_r(&now, &local);
  gmtime_r(&now, &utc);
#endif
  auto seconds = [](const std::tm& tm) {
    return SecondsFromCivil({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
  };
  return seconds(local) - seconds(utc);
}

std::optional<DosDateTime> LocalDosDateTimeOf(int64_t utcSeconds) {
  // A file system may hold any 64-bit time; far outside the DOS range, adding the offset would overflow, and
  // no offset (at most a day) brings such a time into the range anyway.
  constexpr int64_t kMargin = 2 * 86400;
  constexpr int64_t kFirst = 315532800 - kMargin;  // 1980-01-01 00:00 UTC
  constexpr int64_t kEnd = 4354819200 + kMargin;   // 2108-01-01 00:00 UTC
  if (utcSeconds < kFirst || utcSeconds > kEnd) return std::nullopt;
  return ToDosDateTime(CivilFromSeconds(utcSeconds + CurrentUtcOffsetSeconds()));
}

}  // namespace tovir

// DOS date and time words and the update date text.
#include "base/dos_time.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/time_zone.h"

namespace tovir {
namespace {

TEST(DosTime, UpdateDateTextIsTwoDigitFieldsToTheMinute) {
  struct Case {
    CivilTime when;
    const char* text;
  } cases[] = {
      {{1999, 12, 31, 23, 59, 59}, "99/12/31 23:59"},
      {{2000, 1, 1, 0, 0, 0}, "00/01/01 00:00"},
      {{2002, 4, 21, 9, 5, 0}, "02/04/21 09:05"},
      {{2002, 4, 21, 13, 5, 58}, "02/04/21 13:05"},  // seconds dropped, not rounded
      {{2010, 10, 10, 10, 10, 10}, "10/10/10 10:10"},
      {{1980, 1, 1, 0, 0, 0}, "80/01/01 00:00"},
      {{2107, 12, 31, 23, 59, 58}, "07/12/31 23:59"},
  };
  for (const auto& c : cases) {
    auto dos = ToDosDateTime(c.when);
    ASSERT_TRUE(dos.has_value()) << c.text;
    EXPECT_EQ(FormatUpdateDate(*dos), c.text);
  }
}

TEST(DosTime, TimesOutsideTheDosRangeHaveNoWords) {
  EXPECT_FALSE(ToDosDateTime({1979, 12, 31, 23, 59, 59}).has_value());
  EXPECT_FALSE(ToDosDateTime({2108, 1, 1, 0, 0, 0}).has_value());
  EXPECT_FALSE(LocalDosDateTimeOf(0).has_value());  // 1970, on any time zone
  // A file system may hold any 64-bit time; the ends must not overflow when the offset is added.
  EXPECT_FALSE(LocalDosDateTimeOf(INT64_MAX).has_value());
  EXPECT_FALSE(LocalDosDateTimeOf(INT64_MIN).has_value());
  EXPECT_TRUE(LocalDosDateTimeOf(1019390758).has_value());  // 2002-04-21
}

TEST(DosTime, CivilTimeAndSecondsConvertBothWays) {
  for (int64_t s : {int64_t{0}, int64_t{951782400} /* 2000-02-29 */, int64_t{4102444799}, int64_t{-86400}}) {
    EXPECT_EQ(SecondsFromCivil(CivilFromSeconds(s)), s);
  }
  CivilTime t = CivilFromSeconds(951782400 + 3661);
  EXPECT_EQ(t.year, 2000);
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day, 29);
  EXPECT_EQ(t.hour, 1);
  EXPECT_EQ(t.minute, 1);
  EXPECT_EQ(t.second, 1);
}

// A file's time is stored in UTC and shown in local time: east of UTC later, west of it earlier, across the
// date line of a year as well.
TEST(DosTime, LocalTimeIsTheUtcTimePlusTheZonesOffset) {
  struct Case {
    const char* zone;
    int64_t offset;
    int64_t utc;
    const char* text;
  } cases[] = {
      {"UTC0", 0, 1019354758, "02/04/21 02:05"},  // 2002-04-21 02:05:58 UTC
      {"JST-9", 9 * 3600, 1019354758, "02/04/21 11:05"},
      {"EST5", -5 * 3600, 1019354758, "02/04/20 21:05"},
      {"IST-5:30", 5 * 3600 + 1800, 1019354758, "02/04/21 07:35"},
      {"JST-9", 9 * 3600, 946652400, "00/01/01 00:00"},  // 1999-12-31 15:00 UTC
      {"EST5", -5 * 3600, 946697400, "99/12/31 22:30"},  // 2000-01-01 03:30 UTC
  };
  for (const auto& c : cases) {
    test::ScopedTimeZone zone(c.zone);
    EXPECT_EQ(CurrentUtcOffsetSeconds(), c.offset) << c.zone;
    auto dos = LocalDosDateTimeOf(c.utc);
    ASSERT_TRUE(dos.has_value()) << c.zone;
    EXPECT_EQ(FormatUpdateDate(*dos), c.text) << c.zone;
  }
}

}  // namespace
}  // namespace tovir

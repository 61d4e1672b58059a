// The process's time zone set for one test: tests run in UTC unless told, where a local time is the UTC time
// and an offset applied the wrong way round goes unseen.
#pragma once

#include <string>

namespace tovir::test {

class ScopedTimeZone {
 public:
  // `zone` in the POSIX TZ form both C libraries read, such as "JST-9" (nine hours east of UTC) or "EST5".
  explicit ScopedTimeZone(const char* zone);
  ~ScopedTimeZone();
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  bool had_ = false;
  std::string old_;
};

}  // namespace tovir::test

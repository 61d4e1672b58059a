// The process's time zone set for one test.
#include "support/time_zone.h"

#include <cstdlib>
#include <ctime>

namespace tovir::test {

namespace {

void SetZone(const char* zone) {
#ifdef _WIN32
  _putenv_s("TZ", zone == nullptr ? "" : zone);  // an empty value removes it
  _tzset();
#else
  if (zone == nullptr) {
    unsetenv("TZ");
  } else {
    setenv("TZ", zone, 1);
  }
  tzset();
#endif
}

}  // namespace

ScopedTimeZone::ScopedTimeZone(const char* zone) {
  if (const char* old = std::getenv("TZ")) {
    had_ = true;
    old_ = old;
  }
  SetZone(zone);
}

ScopedTimeZone::~ScopedTimeZone() {
  SetZone(had_ ? old_.c_str() : nullptr);
}

}  // namespace tovir::test

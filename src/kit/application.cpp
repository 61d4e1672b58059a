// What the application services share across backends.
#include "kit/application.h"

#include <new>

namespace tovir::kit {

std::string ExceptionText(const std::exception_ptr& error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
  }
  return "unknown exception";
}

bool IsOutOfMemory(const std::exception_ptr& error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return true;
  } catch (...) {
  }
  return false;
}

}  // namespace tovir::kit

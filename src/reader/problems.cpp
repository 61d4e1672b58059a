// The texts the program says of what a reading could not read.
#include "reader/problems.h"

#include "base/messages.h"

namespace tovir {

std::string NamedCountText(std::string_view message, std::string_view first, size_t count) {
  std::string text(message);
  text += first;
  if (count > 1) {
    text += msg::kMsgAndOthersBefore;
    text += std::to_string(count - 1);
    text += msg::kMsgAndOthersAfter;
  }
  return text;
}

}  // namespace tovir

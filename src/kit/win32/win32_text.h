// Text at the edge of the W APIs: the program's CP932 bytes to UTF-16 and back, with code page 932 whatever
// the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace tovir::kit::win32 {

std::wstring Wide(std::string_view cp932);
std::string Narrow(std::wstring_view wide);

}  // namespace tovir::kit::win32

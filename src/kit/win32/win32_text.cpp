// CP932 and UTF-16 through the program's own code page 932 table, the very conversions Windows makes (the
// Windows tests hold the table against the system's), whatever the system's ANSI code page is.
#include "kit/win32/win32_text.h"

#include "base/encoding.h"

namespace tovir::kit::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W APIs take UTF-16 units");

std::wstring Wide(std::string_view cp932) {
  const std::u16string utf16 = Cp932ToUtf16(cp932);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view wide) {
  const std::u16string utf16(wide.begin(), wide.end());
  return Utf16ToCp932Lossy(utf16);
}

}  // namespace tovir::kit::win32

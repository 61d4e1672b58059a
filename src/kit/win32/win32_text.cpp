// CP932 and UTF-16 through the system's code page 932, the same conversions the program's own table holds.
#include "kit/win32/win32_text.h"

#include <windows.h>

#include <algorithm>

namespace tovir::kit::win32 {

std::wstring Wide(std::string_view cp932) {
  if (cp932.empty()) return {};
  int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), n);
  return wide;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n =
      WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0) {
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  }
  return out;
}

}  // namespace tovir::kit::win32

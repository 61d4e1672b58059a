// CP932 conversions on Windows, always with code page 932, never the system's ANSI code page.
#include <windows.h>

#include "base/encoding.h"

namespace tovir::encoding_detail {

namespace {
constexpr UINT kCp932 = 932;
}

bool DecodeCp932(std::string_view in, std::u16string& out) {
  if (in.empty()) return true;
  int inLen = static_cast<int>(in.size());
  int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, in.data(), inLen, nullptr, 0);
  if (n <= 0) return false;
  size_t base = out.size();
  out.resize(base + static_cast<size_t>(n));
  MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, in.data(), inLen, reinterpret_cast<wchar_t*>(&out[base]),
                      n);
  return true;
}

bool EncodeCp932(std::u16string_view in, std::string& out) {
  if (in.empty()) return true;
  auto* src = reinterpret_cast<const wchar_t*>(in.data());
  int inLen = static_cast<int>(in.size());
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, src, inLen, nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return false;
  size_t base = out.size();
  out.resize(base + static_cast<size_t>(n));
  WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, src, inLen, &out[base], n, nullptr, nullptr);
  return true;
}

}  // namespace tovir::encoding_detail

// Byte-string rules for CP932 text.
#include "base/cp932.h"

#include <cstdio>

namespace tovir {

namespace {
constexpr unsigned char U(char c) {
  return static_cast<unsigned char>(c);
}
constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

size_t FindChar(std::string_view s, char c) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == c) return i;
    if (IsLeadByte(U(s[i]))) ++i;
  }
  return std::string_view::npos;
}

size_t FindLastCharOf(std::string_view s, std::string_view set) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    if (set.find(s[i]) != std::string_view::npos) found = i;
    if (IsLeadByte(U(s[i]))) ++i;
  }
  return found;
}

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i] >= 'a' && out[i] <= 'z') {
      out[i] = static_cast<char>(out[i] - 'a' + 'A');
    } else if (IsLeadByte(U(out[i]))) {
      ++i;
    }
  }
  return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = U(LowerAscii(a[i]));
    unsigned char y = U(LowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

std::string FormatCount(long long n) {
  char buffer[32];
  int len = std::snprintf(buffer, sizeof buffer, "%5lld file", n);
  return std::string(buffer, len > 0 ? static_cast<size_t>(len) : 0);
}

void PadRight(std::string& s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
}

}  // namespace tovir

// Byte-string rules for CP932 (Shift-JIS) text, the form of every name, path and message inside the program.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace tovir {

// First byte of a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Removes every byte of value 0x20 or less (blank, NUL, control bytes) from both ends; nothing inside
// changes.
inline std::string_view Trim(std::string_view s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 0x20) --end;
  return s.substr(begin, end - begin);
}

// The text before the first NUL byte: list entries and edit texts hold no NUL.
inline std::string_view CutAtNul(std::string_view s) {
  const void* nul = s.empty() ? nullptr : std::memchr(s.data(), 0, s.size());
  return nul == nullptr ? s : s.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - s.data()));
}

// Position of the first byte `c` that is a character of its own, stepping over double-byte characters so that
// a trail byte never matches. npos when there is none.
size_t FindChar(std::string_view s, char c);

// Position of the last byte of `set` that is a character of its own (not a trail byte). npos when there is
// none.
size_t FindLastCharOf(std::string_view s, std::string_view set);

// Letters a to z become A to Z; double-byte characters are left whole, trail bytes included.
std::string UpperAscii(std::string_view s);

// Compares with ASCII letters folded to small letters, byte by byte otherwise: the order of the sorted lists.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);

// The drawing count label: the number right-aligned in at least 5 characters, then " file".
std::string FormatCount(long long n);

// Appends blanks to `s` until it is `width` bytes long; longer text is kept whole.
void PadRight(std::string& s, size_t width);

}  // namespace tovir

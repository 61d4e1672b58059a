// Paths inside the program are CP932 byte strings joined with the platform's separator.
#pragma once

#include <string>
#include <string_view>

namespace tovir {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
// Where a directory part of a path ends: a separator, or the colon after a drive letter.
inline constexpr std::string_view kDirectoryEnds = "\\:";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kDirectoryEnds = "/";
#endif

inline std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string out;
  out.reserve(dir.size() + 1 + name.size());
  out.append(dir);
  out += kPathSeparator;
  out.append(name);
  return out;
}

}  // namespace tovir

// What every file system shares.
#include "fs/file_system.h"

#include <cstdio>

#include "base/encoding.h"

namespace tovir::fs {

std::string_view FaultText(Fault fault) {
  switch (fault) {
    case Fault::kNone:
      return "no fault";
    case Fault::kMissing:
      return "no such file or directory";
    case Fault::kDenied:
      return "permission denied";
    case Fault::kLink:
      return "a link, not followed";
    case Fault::kNotRegular:
      return "not a regular file or directory";
    case Fault::kMedium:
      return "input/output error";
    case Fault::kExhausted:
      return "out of file descriptors or memory";
  }
  return "unknown fault";
}

std::string DescribeUtf16(std::u16string_view name) {
  std::string text;
  for (size_t i = 0; i < name.size(); ++i) {
    uint32_t code = name[i];
    size_t units = 1;
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
        name[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (name[i + 1] - 0xDC00);
      units = 2;
    }
    if (code == '\\' || code == '\t' || code == '\n' || code == '\r') {
      text += code == '\\' ? "\\\\" : code == '\t' ? "\\t" : code == '\n' ? "\\n" : "\\r";
    } else if (auto cp932 = units == 1 ? Utf16ToCp932(name.substr(i, 1)) : std::nullopt) {
      text += *cp932;
    } else {
      char escaped[16];
      std::snprintf(escaped, sizeof escaped, "\\u{%X}", static_cast<unsigned>(code));
      text += escaped;
    }
    i += units - 1;
  }
  return text;
}

Fault ListDirectory(FileSystem& fs, std::string_view path, const EntryCallback& onEntry) {
  Opened<Directory> directory = fs.OpenDirectory(path);
  if (!directory) return directory.fault;
  return directory->List(onEntry);
}

}  // namespace tovir::fs

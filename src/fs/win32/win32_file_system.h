// Read-only file system access on Windows, through the W APIs with code page 932 names.
#pragma once

#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir::fs {

// Names convert through the program's code page 932 table, as a Japanese system's ANSI APIs would convert
// them; a name whose conversion is not exact (a character without a code, or with only a similar one) is
// never opened again through its CP932 form. The file system itself ignores letter case.
class Win32FileSystem final : public FileSystem {
 public:
  Opened<Directory> OpenDirectory(std::string_view path, Links links = Links::kFollow) override;
  Opened<File> OpenRead(std::string_view path) override;
  std::string AbsolutePath(std::string_view path) override;
  std::string Describe(std::string_view diskName) override;

  // The wide path for a CP932 path; long absolute paths get the "\\?\" prefix so they still open.
  static std::wstring WidePath(std::string_view path);
};

}  // namespace tovir::fs

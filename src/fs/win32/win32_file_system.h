// Read-only file system access on Windows, through the W APIs with code page 932 names.
#pragma once

#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir::fs {

class Win32FileSystem final : public FileSystem {
 public:
  bool ListDirectory(std::string_view path, const EntryCallback& onEntry) override;
  bool CanList(std::string_view path) override;
  std::unique_ptr<File> OpenRead(std::string_view path) override;
  std::optional<uint64_t> FileSize(std::string_view path) override;
  std::unique_ptr<Directory> OpenDirectory(std::string_view path) override;
  bool ListEntries(std::string_view path, const KindCallback& onEntry) override;
  std::optional<DirectoryIdentity> IdentityOf(std::string_view path) override;

  // The wide path for a CP932 path; long absolute paths get the "\\?\" prefix so they still open.
  static std::wstring WidePath(std::string_view path);
};

}  // namespace tovir::fs

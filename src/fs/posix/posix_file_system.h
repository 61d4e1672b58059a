// Read-only file system access on POSIX.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir::fs {

// Names on disk are UTF-8; inside the program they are CP932. A character that CP932 lacks becomes what
// Windows makes of it (a similar character, or "?"), and the name is found again through that form. A name
// that is not UTF-8 (copied from Japanese media without converting) is passed on as its raw bytes, and found
// by them. A path component that does not exist with the exact letter case is looked up ignoring ASCII letter
// case, as the Windows file system would, so data copied from FAT media opens the same way on Linux.
class PosixFileSystem final : public FileSystem {
 public:
  bool ListDirectory(std::string_view path, const EntryCallback& onEntry) override;
  bool CanList(std::string_view path) override;
  std::unique_ptr<File> OpenRead(std::string_view path) override;
  std::optional<uint64_t> FileSize(std::string_view path) override;
  std::unique_ptr<Directory> OpenDirectory(std::string_view path) override;
  bool ListEntries(std::string_view path, const KindCallback& onEntry) override;
  std::optional<DirectoryIdentity> IdentityOf(std::string_view path) override;

  // The disk path for a CP932 path, or nullopt when no such path exists.
  static std::optional<std::string> Resolve(std::string_view path);
  // The CP932 form of a name as the disk stores it.
  static std::string NameFromDisk(std::string_view diskName);
};

}  // namespace tovir::fs

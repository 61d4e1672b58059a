// Read-only file system access on POSIX.
#pragma once

#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir::fs {

// Names on disk are UTF-8; inside the program they are CP932. A character that CP932 lacks becomes what
// Windows makes of it (a similar character, or "?"), and such a name is not exact: it is never looked up
// again by that form, which could name a neighbour. A name that is not UTF-8 (copied from Japanese media
// without converting) is passed on as its raw bytes and found by them, unless its UTF-8 twin stands beside
// it. A path component that does not exist with the exact letter case is looked up ignoring ASCII letter
// case, among the exact names only, as the Windows file system would, so data copied from FAT media opens the
// same way on Linux. Every open leaves access times alone where the kernel allows it (O_NOATIME: the data's
// owner, or a privileged process); for other users an open is an access, as it is for any reader.
class PosixFileSystem final : public FileSystem {
 public:
  Opened<Directory> OpenDirectory(std::string_view path, Links links = Links::kFollow) override;
  Opened<File> OpenRead(std::string_view path) override;
  std::string AbsolutePath(std::string_view path) override;
  std::string Describe(std::string_view diskName) override;

  // The CP932 form of a name as the disk stores it.
  static std::string NameFromDisk(std::string_view diskName);
};

}  // namespace tovir::fs

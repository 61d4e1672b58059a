// What every file system shares.
#include "fs/file_system.h"

#include "base/path.h"

namespace tovir::fs {

FileHead PathDirectory::ReadHead(std::string_view name, void* buffer, size_t size) {
  FileHead head;
  auto file = fs_.OpenRead(JoinPath(path_, name));
  if (!file) return head;
  head.opened = true;
  head.got = file->Read(buffer, size);
  head.lastWrite = file->LastWriteTime();
  return head;
}

}  // namespace tovir::fs

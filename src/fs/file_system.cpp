// What every file system shares.
#include "fs/file_system.h"

#include <string>
#include <vector>

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

bool FileSystem::ListEntries(std::string_view path, const KindCallback& onEntry) {
  std::vector<std::string> names;
  if (!ListDirectory(path, [&](std::string_view name) {
        if (name != "." && name != "..") names.emplace_back(name);
      })) {
    return false;
  }
  for (const std::string& name : names) {
    const std::string child = JoinPath(path, name);
    onEntry(name, CanList(child)    ? EntryKind::kDirectory
                  : FileSize(child) ? EntryKind::kFile
                                    : EntryKind::kOther);
  }
  return true;
}

}  // namespace tovir::fs

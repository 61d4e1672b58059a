// The drawing-data folders of an archive.
#include "catalog/archive_walk.h"

#include <algorithm>
#include <optional>

#include "base/path.h"
#include "reader/folder_scan.h"

namespace tovir::catalog {

namespace {

struct Walk {
  fs::FileSystem& fs;
  const WalkEvents& events;
  std::vector<ArchiveFolder>& folders;
  // The identities of the directories from the root down to the one being listed.
  std::vector<fs::DirectoryIdentity> ancestors;

  // Lists one directory and walks each directory in it, depth first; the directories' names are kept only
  // for the directory being listed, so memory follows the tree's depth, not its size.
  bool Enter(const std::string& path, const std::string& relative) {
    const std::optional<fs::DirectoryIdentity> identity = fs.IdentityOf(path);
    if (identity && std::find(ancestors.begin(), ancestors.end(), *identity) != ancestors.end()) {
      return true;  // come round a loop: it is being walked already
    }
    std::vector<std::string> directories;
    if (!fs.ListEntries(path, [&](std::string_view name, fs::EntryKind kind) {
          if (kind == fs::EntryKind::kDirectory) directories.emplace_back(name);
        })) {
      return false;
    }
    if (IsDrawingDataFolder(path)) {
      folders.push_back({path, relative.empty() ? "." : relative});
      if (events.found) events.found(folders.size());
    }
    if (identity) ancestors.push_back(*identity);
    for (const std::string& name : directories) {
      const std::string child = JoinPath(path, name);
      const std::string childRelative = relative.empty() ? name : relative + "/" + name;
      if (!Enter(child, childRelative) && events.passedOver) events.passedOver(child, childRelative);
    }
    if (identity) ancestors.pop_back();
    return true;
  }
};

}  // namespace

bool FindDrawingDataFolders(fs::FileSystem& fs, std::string_view root, const WalkEvents& events,
                            std::vector<ArchiveFolder>& folders) {
  Walk walk{fs, events, folders, {}};
  if (!walk.Enter(std::string(root), "")) return false;
  // The rows of an archive come in the order of their folders' paths, byte by byte: the same order on every
  // system, whatever order the directories list their entries in.
  std::sort(folders.begin(), folders.end(),
            [](const ArchiveFolder& a, const ArchiveFolder& b) { return a.relative < b.relative; });
  return true;
}

}  // namespace tovir::catalog

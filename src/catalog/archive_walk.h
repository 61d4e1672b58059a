// The drawing-data folders of an archive: every folder under a root that the program would take, found by one
// walk of the tree that never leaves it, never loops and never opens what is not a directory.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"

namespace tovir::catalog {

struct ArchiveFolder {
  std::string path;  // as the file system takes it: the root, then the names with the platform's separator
  // Below the root, the names joined with "/" on every system ("1998/disk017/MCADAM"); "." for the root.
  std::string relative;
};

struct WalkEvents {
  // A directory below the root that could not be listed: its path as the file system takes it, and below the
  // root as ArchiveFolder::relative writes it.
  std::function<void(std::string_view path, std::string_view relative)> passedOver;
  // Another drawing-data folder found; `found` counts them so far.
  std::function<void(size_t found)> found;
};

// Walks the tree under `root` and returns every directory whose path the program would take as a
// drawing-data folder (see IsDrawingDataFolder), the root itself included, in byte order of their relative
// paths. Folders inside drawing-data folders are walked too. Links and junctions are never followed, so the
// walk stays under the root; a directory met again below itself (a loop of mounts) is not entered again;
// anything neither a directory nor a regular file is left alone. False when the root cannot be listed.
bool FindDrawingDataFolders(fs::FileSystem& fs, std::string_view root, const WalkEvents& events,
                            std::vector<ArchiveFolder>& folders);

}  // namespace tovir::catalog

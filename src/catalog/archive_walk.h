// The drawing-data folders of an archive: every folder under a root that the program would take, found by one
// walk of the tree that never leaves it, never loops and never opens what is not a directory.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"

namespace tovir::catalog {

// A field of the catalog, or a name in what it says, written so that it never breaks a line: a tab, a line
// feed, a carriage return and a backslash (one that is a character of its own, not the second byte of a
// double-byte one) become "\t", "\n", "\r" and "\\", as tab-separated tables write them.
void AppendEscaped(std::string& out, std::string_view field);
std::string Escaped(std::string_view field);

// A subdirectory of a drawing-data folder that could be opened for listing: one of its groups.
struct ArchiveGroup {
  std::string name;   // CP932, as the listing shows it (untrimmed)
  std::string disk;   // its own name on the disk
  bool exact = true;  // `name` leads back to it
};

struct ArchiveFolder {
  // The disk names of the directories from the root down to it: how it is opened again, one directory at a
  // time, whatever the depth.
  std::vector<std::string> disk;
  // Below the root, the CP932 names joined with "/" on every system ("1998/disk017/MCADAM"); "." for the
  // root. Usable only when `exact`: otherwise some name on the way cannot be written in CP932.
  std::string relative;
  bool exact = true;
  // Below the root, each name written exactly and escaped (an exact one as AppendEscaped writes it, any other
  // as fs::FileSystem::Describe does): how it is named in what the catalog says of it.
  std::string described;
  std::optional<fs::DirectoryIdentity> identity;
  // Its groups, in the order the listing gave them.
  std::vector<ArchiveGroup> groups;
};

struct WalkEvents {
  // A directory below the root that could not be walked (listed, or opened to be listed), named below the
  // root as ArchiveFolder::described writes it, and why.
  std::function<void(std::string_view described, std::string_view why)> passedOver;
  // Another drawing-data folder found; `found` counts them so far.
  std::function<void(size_t found)> found;
};

// The directories a walk holds open at most; deeper ones are opened again from the nearest held when they are
// needed, so that a tree thousands of levels deep needs no more descriptors than a flat one.
inline constexpr size_t kMaxHeldDirectories = 32;

// Walks the tree under `root` (opened with links never followed below it) and returns every directory whose
// path the program would take as a drawing-data folder (see IsDrawingDataFolder; the root's own name is its
// absolute path's), the root itself included, in byte order of their relative paths. Folders inside
// drawing-data folders are walked too. Links and junctions are never followed, so the walk stays under the
// root; a directory met again below itself (a loop of mounts) is not entered again; anything neither a
// directory nor a regular file is left alone. What the walk cannot look into is named through `events`,
// except inside the groups of a drawing-data folder: there each directory is the folder's data (its index
// directory, its users), and the folder's own reading names what it cannot read. Nothing when the root itself
// cannot be listed.
std::optional<std::vector<ArchiveFolder>> FindDrawingDataFolders(fs::FileSystem& fs, fs::Directory& root,
                                                                 std::string_view rootName,
                                                                 const WalkEvents& events);

// Opens a folder the walk found below the root (not the root itself, whose handle the caller holds),
// directory by directory from the root, and makes sure it is the very one.
fs::Opened<fs::Directory> OpenFolder(fs::Directory& root, const ArchiveFolder& folder);

}  // namespace tovir::catalog

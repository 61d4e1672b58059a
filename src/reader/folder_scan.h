// The directory scans of a drawing-data folder: its groups, and the index files and users of one group.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/string_list.h"
#include "fs/file_system.h"

namespace tovir {

// The index directory of a group is named with exactly these letters.
inline constexpr std::string_view kIndexDirectoryName = "V3idxft";

// The longest index directory path the window takes: its path buffer holds 255 bytes and a terminating zero.
// The catalog, which works relative to open directories, has no such limit.
inline constexpr size_t kMaxIndexDirectoryPath = 255;

// The index directory of a group (its trimmed name) of a drawing-data folder: folder, group, "V3idxft".
std::string IndexDirectoryOf(std::string_view folder, std::string_view group);

// Whether a path is one the program takes as a drawing-data folder: at least 7 bytes, the last 6 of them
// "MCADAM" in any letter case. Nothing else is tested: not that it exists, not that it is a directory.
bool IsDrawingDataFolder(std::string_view path);

// What a scan could not read, for the caller to say. A directory that does not exist, or that holds no
// entry of the kind looked for, is the data's own state; what the medium or the machine kept from being read
// is not, and is counted here.
struct ScanResult {
  bool listed = false;                 // the directory could be opened for listing
  fs::Fault fault = fs::Fault::kNone;  // why it could not be, or why its listing broke off part-way
  size_t failed = 0;        // entries that could not be looked at: the medium or the machine failed
  std::string firstFailed;  // the first of them, as listed
  // Whether entries may be missing from the lists for a reason other than the data's own.
  bool Cut() const { return fs::IsFailure(fault) || failed > 0; }
};

// Adds every subdirectory of `folder` that can be listed, by its untrimmed name, to `groups` ("." and ".."
// left out). An entry whose name CP932 cannot hold exactly is added all the same, as the listing shows it,
// marked inexact: it cannot be reached through that name. `listed` is false when `folder` itself cannot be
// listed.
ScanResult ScanGroups(fs::FileSystem& fs, std::string_view folder, StringList& groups);

// The user name an index file name stands for: bytes 3 to 8 of the name, cut before the first "_" that is a
// character of its own unless that "_" comes first.
std::string_view UserNameFromIndexFile(std::string_view indexFileName);

// Adds the index directory's entries whose names begin with "MC" to `indexFiles` (an inexact name marked so),
// and the user name of each to `users`. `listed` is false when the directory cannot be listed, or when its
// path is longer than the window takes; the lists are then left as they were.
ScanResult ScanIndexDirectory(fs::FileSystem& fs, std::string_view indexDirectory, StringList& indexFiles,
                              StringList& users);
// The same for an index directory already open.
ScanResult ScanIndexDirectory(fs::Directory& indexDirectory, StringList& indexFiles, StringList& users);

}  // namespace tovir

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

// The longest index directory path the program takes: its path buffer holds 255 bytes and a terminating zero.
inline constexpr size_t kMaxIndexDirectoryPath = 255;

// The index directory of a group (its trimmed name) of a drawing-data folder: folder, group, "V3idxft".
std::string IndexDirectoryOf(std::string_view folder, std::string_view group);

// Whether a path is one the program takes as a drawing-data folder: at least 7 bytes, the last 6 of them
// "MCADAM" in any letter case. Nothing else is tested: not that it exists, not that it is a directory.
bool IsDrawingDataFolder(std::string_view path);

// Adds every subdirectory of `folder` that can be listed, by its untrimmed name, to `groups` ("." and ".."
// left out). Returns false when `folder` itself cannot be listed.
bool ScanGroups(fs::FileSystem& fs, std::string_view folder, StringList& groups);

// The user name an index file name stands for: bytes 3 to 8 of the name, cut before the first "_" that is a
// character of its own unless that "_" comes first.
std::string_view UserNameFromIndexFile(std::string_view indexFileName);

// Adds the index directory's entries whose names begin with "MC" to `indexFiles`, and the user name of each
// to `users`. Returns false when the directory cannot be listed, or when its path is longer than the program
// takes; the lists are then left as they were.
bool ScanIndexDirectory(fs::FileSystem& fs, std::string_view indexDirectory, StringList& indexFiles,
                        StringList& users);

}  // namespace tovir

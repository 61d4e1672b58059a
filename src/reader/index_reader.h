// Reads the index files of one group into its drawing table.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/string_list.h"
#include "fs/file_system.h"

namespace tovir {

inline constexpr size_t kIndexHeaderSize = 64;
inline constexpr size_t kIndexRecordSize = 192;
// A drawing name is "PN,FN" padded with blanks to this many bytes.
inline constexpr size_t kDrawingNameWidth = 21;

// The three parallel lists of the drawing table: entry i of each belongs to drawing i.
struct DrawingTable {
  StringList& users;
  StringList& names;
  StringList& files;
};

// Reads every index file of `indexFiles` (in list order) from `indexDirectory` and appends one entry to each
// list of `table` for every record whose status byte is not "0". Stops at the first index file that cannot be
// opened, keeping what was read before it. A partial record at the end of a file reads as if its missing
// bytes were NUL.
void ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory, const StringList& indexFiles,
                    DrawingTable table);

}  // namespace tovir

// Reads the index files of one group into its drawing table.
#pragma once

#include <cstddef>
#include <string>
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

// The index files a reading had to pass over, so the caller can say that the table is not the whole group.
struct IndexReadResult {
  size_t unreadable = 0;        // index files that could not be opened, or whose reading failed
  std::string firstUnreadable;  // the list entry of the first of them
};

// Reads every index file of `indexFiles` (in list order) from `indexDirectory` and appends one entry to each
// list of `table` for every record whose status byte is not "0". An index file that cannot be opened is
// passed over and the others are still read: one file locked by the CAD system must not hide a whole group. A
// read that fails ends that file as its end would, keeping its records read so far. A partial record at the
// end of a file reads as if its missing bytes were NUL.
IndexReadResult ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory,
                               const StringList& indexFiles, DrawingTable table);

// The status-line text for the index files `result` passed over (CP932), naming the first; empty when every
// index file was read.
std::string UnreadableIndexFilesText(const IndexReadResult& result);

}  // namespace tovir

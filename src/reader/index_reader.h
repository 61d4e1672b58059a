// Reads the index files of one group into its drawing table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "base/string_list.h"
#include "fs/file_system.h"
#include "reader/drawing_table.h"
#include "reader/read_ahead.h"

namespace tovir {

inline constexpr size_t kIndexHeaderSize = 64;
inline constexpr size_t kIndexRecordSize = 192;

// The index files a reading had to pass over, so the caller can say that the table is not the whole group.
struct IndexReadResult {
  size_t unreadable = 0;        // index files that could not be opened, or whose reading failed
  std::string firstUnreadable;  // the list entry of the first of them
  // Some could not be read for want of file descriptors or memory, even alone: with fewer calls in flight
  // elsewhere (other readers, other folders), another try may read them.
  bool exhausted = false;
};

// Reads every index file of `indexFiles` (in list order) from `indexDirectory` and appends one record to
// `table` for every record whose status byte is not "0". An index file that cannot be opened is passed over
// and the others are still read: one file locked by the CAD system must not hide a whole group; so is one
// whose name is marked inexact, which cannot be reached through it. A read that fails ends that file as its
// end would, keeping its records read so far, and the file is counted as passed over. A partial record at the
// end of a file reads as if its missing bytes were NUL. The table is sized once, from the files' sizes,
// before anything is read.
//
// Memory runs out only for absurd index files (an index file of gigabytes of zeros is millions of drawings):
// when room for a drawing cannot be had, or `maxDrawings` are held, reading stops, the drawings read so far
// stay and the table says it was cut short.
//
// Up to `readers` threads open the files ahead and read their first records; the records are still appended
// in list order, on the calling thread, which waits for them. An open that runs out of file descriptors is
// made again once the readers in flight have finished.
IndexReadResult ReadIndexFiles(fs::Directory& indexDirectory, const StringList& indexFiles,
                               CompactDrawingTable& table,
                               size_t maxDrawings = std::numeric_limits<size_t>::max(),
                               size_t readers = kDefaultReaders);
// The same for the index directory at a path; when it cannot be opened, every index file is passed over.
IndexReadResult ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory,
                               const StringList& indexFiles, CompactDrawingTable& table,
                               size_t maxDrawings = std::numeric_limits<size_t>::max(),
                               size_t readers = kDefaultReaders);

// The three parallel lists of the drawing table as texts: entry i of each belongs to drawing i.
struct DrawingTable {
  StringList& users;
  StringList& names;
  StringList& files;
};

// ReadIndexFiles, appending the user, drawing name and drawing file name of every drawing to the lists.
IndexReadResult ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory,
                               const StringList& indexFiles, DrawingTable table);

// The status-line text for the index files `result` passed over (CP932), naming the first; empty when every
// index file was read.
std::string UnreadableIndexFilesText(const IndexReadResult& result);

}  // namespace tovir

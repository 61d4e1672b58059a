// Drawing-data folders built in memory, for tests of damaged media: groups of numbered drawings whose files
// the test can then take away, damage or replace.
#pragma once

#include <string>
#include <string_view>

#include "support/memory_file_system.h"

namespace tovir::test {

// The drawing file of drawing `number` of `user`'s index file, as AddMemoryGroup names it.
std::string MemoryDrawingFile(std::string_view folder, std::string_view group, std::string_view user,
                              int number);
// The index file of `user` in `group`.
std::string MemoryIndexFile(std::string_view folder, std::string_view group, std::string_view user);

// Adds `group` to the drawing-data folder `folder`, with one index file "MC" + `user` of `n` drawings P<k>,01
// (k from `first`) whose files hold the notes N<k> and were last written on 2002-04-21 at 13:05:58 UTC.
void AddMemoryGroup(MemoryFileSystem& fs, std::string_view folder, std::string_view group,
                    std::string_view user, int n, int first = 1);

// Drawing `number` of `user` again, with a file whose read fails after `readable` bytes.
void BreakDrawingFile(MemoryFileSystem& fs, std::string_view folder, std::string_view group,
                      std::string_view user, int number, size_t readable);

}  // namespace tovir::test

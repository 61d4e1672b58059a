// Export mode of tovir-cli: the listing a copy command would put on the clipboard, written to standard
// output.
#pragma once

#include <optional>
#include <string>

#include "cli/output.h"
#include "cli/script.h"
#include "fs/file_system.h"
#include "reader/read_ahead.h"

namespace tovir::cli {

struct ExportOptions {
  std::string folder;  // CP932
  bool full = false;   // the full display, with update dates and notes
  bool tab = false;    // tab-separated lines (Copy3) instead of fixed-width ones (Copy1)
  bool heading = true;
  std::optional<std::string> group;  // CP932; the first group whose trimmed name equals it
  bool allGroups = false;
  Encoding encoding = Encoding::kUtf8;
  bool progress = false;             // draw a progress bar on `err` while the full display reads
  size_t readers = kDefaultReaders;  // threads reading files ahead, 1 to kMaxReaders
};

// Running out of memory ends the export with this exit status, after the program's message on `err`.
inline constexpr int kExitOutOfMemory = 3;

// Returns the exit status: 0, 1 when a group's index directory could not be listed (after all output), 2 when
// the folder is refused or the group is unknown, kExitOutOfMemory when memory ran out.
int RunExport(const ExportOptions& options, fs::FileSystem& fs, const Sink& out, const Sink& err);

}  // namespace tovir::cli

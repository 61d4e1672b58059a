// Export mode of tovir-cli: the listing a copy command would put on the clipboard, written to standard
// output.
#pragma once

#include "driver/options.h"
#include "driver/script.h"
#include "fs/file_system.h"

namespace tovir::cli {

using driver::ExportOptions;
using driver::Sink;

// Running out of memory ends the export with this exit status, after the program's message on `err`.
inline constexpr int kExitOutOfMemory = 3;

// Returns the exit status: 0, 1 when a group's index directory could not be listed (after all output), 2 when
// the folder is refused or the group is unknown, kExitOutOfMemory when memory ran out.
int RunExport(const ExportOptions& options, fs::FileSystem& fs, const Sink& out, const Sink& err);

}  // namespace tovir::cli

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
inline constexpr int kExitOutOfMemory = driver::kExitOutOfMemory;

// Returns the exit status: 0 when every row is there; 1 when something was passed over and said (a group
// without a listable index directory, index or drawing files that could not be read, a listing that broke
// off), after all output; 2 when the folder is refused or the group is unknown; kExitOutOfMemory when memory
// ran out (also when a group's drawings did not all fit); 4 when the output could not be written (`out`
// throws driver::OutputFailed).
int RunExport(const ExportOptions& options, fs::FileSystem& fs, const Sink& out, const Sink& err);

}  // namespace tovir::cli

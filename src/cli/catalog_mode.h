// Catalog mode of tovir-cli: every group of every drawing-data folder under a root, in one table on standard
// output.
#pragma once

#include "driver/options.h"
#include "driver/script.h"
#include "fs/file_system.h"

namespace tovir::cli {

// Returns the exit status: 0 when every group of every folder was listed whole, 1 when something was passed
// over (or no group was found at all), 2 when ROOT cannot be listed, 3 when memory ran out, 4 when the output
// could not be written (`out` throws driver::OutputFailed). What was passed over is named on `err`, and a
// summary line ends it there.
int RunCatalog(const driver::ExportOptions& options, fs::FileSystem& fs, const driver::Sink& out,
               const driver::Sink& err);

}  // namespace tovir::cli

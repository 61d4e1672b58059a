// Catalog mode of tovir-cli.
#include "cli/catalog_mode.h"

#include <new>
#include <string>

#include "base/messages.h"
#include "catalog/catalog.h"
#include "cli/export_mode.h"

namespace tovir::cli {

namespace {

std::string Counts(const catalog::CatalogCounts& c) {
  return std::to_string(c.folders) + " folders, " + std::to_string(c.groups) + " groups, " +
         std::to_string(c.drawings) + " drawings";
}

}  // namespace

int RunCatalog(const driver::ExportOptions& options, fs::FileSystem& fs, const driver::Sink& out,
               const driver::Sink& err) {
  auto encode = [&](std::string_view cp932) { return driver::Encode(cp932, options.encoding); };
  // The progress line stands on a terminal only, and is wiped before anything else is written there.
  bool drawn = false;
  auto wipe = [&] {
    if (!drawn) return;
    err("\r" + std::string(72, ' ') + "\r");
    drawn = false;
  };
  catalog::CatalogEvents events;
  events.rows = [&](std::string_view cp932) { out(encode(cp932)); };
  events.passedOver = [&](std::string_view cp932) {
    wipe();
    err("tovir-cli: passed over " + encode(cp932) + "\n");
  };
  if (options.progress) {
    events.progress = [&](const catalog::CatalogCounts& c) {
      err("\r" + Counts(c) + " so far");
      drawn = true;
    };
  }
  catalog::CatalogOptions catalogOptions;
  catalogOptions.full = options.full;
  catalogOptions.heading = options.heading;
  catalogOptions.readers = options.readers;
  catalog::CatalogCounts counts;
  auto summary = [&] {
    wipe();
    err("tovir-cli: " + Counts(counts) + ", " + std::to_string(counts.passedOver) + " passed over\n");
  };
  try {
    if (!catalog::WriteCatalog(fs, options.folder, catalogOptions, events, counts)) {
      wipe();
      err("tovir-cli: cannot list " + encode(options.folder) + "\n");
      return driver::kExitUsage;
    }
  } catch (const std::bad_alloc&) {
    driver::ReleaseHeadroom();
    wipe();
    // The rows of the folder being read when memory ran out are cut there, and those after it missing.
    if (!counts.cut.empty()) err("tovir-cli: cut short in " + encode(counts.cut) + "\n");
    err(encode(msg::kMsgOutOfMemory) + "\n");
    summary();
    return driver::kExitOutOfMemory;
  } catch (const driver::OutputFailed&) {
    // The counts would be of rows that never arrived: what is said is why the output stopped (by the caller,
    // which owns the output), and nothing when its reader went away.
    wipe();
    return driver::kExitOutput;
  }
  summary();
  if (counts.outOfMemory) {
    err(encode(msg::kMsgOutOfMemory) + "\n");
    return driver::kExitOutOfMemory;
  }
  return counts.groups == 0 || counts.passedOver > 0 ? driver::kExitPassedOver : 0;
}

}  // namespace tovir::cli

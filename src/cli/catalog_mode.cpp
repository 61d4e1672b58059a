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
  try {
    if (!catalog::WriteCatalog(fs, options.folder, catalogOptions, events, counts)) {
      wipe();
      err("tovir-cli: cannot list " + encode(options.folder) + "\n");
      return 2;
    }
  } catch (const std::bad_alloc&) {
    wipe();
    err(encode(msg::kMsgOutOfMemory) + "\n");
    return kExitOutOfMemory;
  }
  wipe();
  err("tovir-cli: " + Counts(counts) + ", " + std::to_string(counts.passedOver) + " passed over\n");
  return counts.groups > 0 ? 0 : 1;
}

}  // namespace tovir::cli

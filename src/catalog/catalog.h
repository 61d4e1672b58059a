// The catalog of an archive: every group of every drawing-data folder under a root in one tab-separated
// table, each row the tab-separated copy's fields after the folder's path below the root. Folders, groups and
// drawing files are read ahead by reader threads across folders; rows are written as they are made, never
// held for the whole archive.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir::catalog {

struct CatalogOptions {
  bool full = false;    // update dates and notes, read from every drawing file, as the full display has them
  bool heading = true;  // a heading line first
  size_t readers = 16;  // reader threads; with one, none is started and everything is read on the caller's
};

struct CatalogCounts {
  size_t folders = 0;     // drawing-data folders found
  size_t groups = 0;      // groups listed
  size_t drawings = 0;    // rows written
  size_t passedOver = 0;  // what could not be read: directories, folders, groups, index files, drawing files
  bool outOfMemory = false;  // a group's drawings did not all fit in memory
  std::string cut;           // the folder being read when memory ran out, below the root
};

struct CatalogEvents {
  // The table's text (CP932), in pieces that each end at a line end.
  std::function<void(std::string_view cp932)> rows;
  // What could not be read, named once (CP932, no line end): its path below the root and why.
  std::function<void(std::string_view cp932)> passedOver;
  // The counts so far, now and then while the catalog is made (about ten times a second at most).
  std::function<void(const CatalogCounts& counts)> progress;
};

// Writes the catalog of the archive under `root`. False when the root itself cannot be listed (nothing is
// written then). Running out of memory throws std::bad_alloc, with `counts.cut` naming the folder being
// read; the rows written before it stand.
bool WriteCatalog(fs::FileSystem& fs, std::string_view root, const CatalogOptions& options,
                  const CatalogEvents& events, CatalogCounts& counts);

}  // namespace tovir::catalog

// The directory scans of a drawing-data folder.
#include "reader/folder_scan.h"

#include <string>
#include <vector>

#include "base/cp932.h"
#include "base/path.h"

namespace tovir {

namespace {

bool IsDotEntry(std::string_view name) {
  std::string_view trimmed = Trim(name);
  return trimmed == "." || trimmed == "..";
}

void Failed(ScanResult& result, std::string_view name) {
  if (result.failed++ == 0) result.firstFailed = name;
}

}  // namespace

std::string IndexDirectoryOf(std::string_view folder, std::string_view group) {
  return JoinPath(JoinPath(folder, group), kIndexDirectoryName);
}

bool IsDrawingDataFolder(std::string_view path) {
  constexpr std::string_view kEnding = "MCADAM";
  return path.size() >= kEnding.size() + 1 &&
         EqualsNoCase(path.substr(path.size() - kEnding.size()), kEnding);
}

ScanResult ScanGroups(fs::FileSystem& fs, std::string_view folder, StringList& groups) {
  ScanResult result;
  fs::Opened<fs::Directory> directory = fs.OpenDirectory(folder);
  if (!directory) {
    result.fault = directory.fault;
    return result;
  }
  result.listed = true;
  // Listed first, opened after: each subdirectory is tried for listing through the entry itself, so a name
  // that CP932 cannot hold never reaches a neighbour.
  struct Candidate {
    std::string name;
    std::string disk;
    bool exact;
  };
  std::vector<Candidate> candidates;
  result.fault = directory->List([&](const fs::Entry& entry) {
    if (IsDotEntry(entry.name)) return;
    // A file or a FIFO is never a directory; a link may lead to one.
    if (entry.kind == fs::EntryKind::kFile || entry.kind == fs::EntryKind::kOther) return;
    candidates.push_back({std::string(entry.name), std::string(entry.disk), entry.exact});
  });
  if (result.fault == fs::Fault::kDenied || result.fault == fs::Fault::kMissing) {
    result.listed = false;
    return result;
  }
  for (const Candidate& c : candidates) {
    fs::Opened<fs::Directory> sub = directory->OpenDirectory(fs::Name::Disk(c.disk));
    if (sub && sub->Listable()) {
      groups.AddBatch(c.name, !c.exact);
    } else if (fs::IsFailure(sub.fault)) {
      Failed(result, c.name);
    }
  }
  groups.EndBatch();
  return result;
}

std::string_view UserNameFromIndexFile(std::string_view indexFileName) {
  std::string_view part = indexFileName.size() > 2 ? indexFileName.substr(2, 6) : std::string_view();
  size_t underscore = FindChar(part, '_');
  if (underscore != std::string_view::npos && underscore > 0) part = part.substr(0, underscore);
  return part;
}

ScanResult ScanIndexDirectory(fs::Directory& indexDirectory, StringList& indexFiles, StringList& users) {
  ScanResult result;
  result.listed = true;
  result.fault = indexDirectory.List([&](const fs::Entry& entry) {
    if (IsDotEntry(entry.name)) return;
    if (entry.name.substr(0, 2) != "MC") return;
    indexFiles.AddBatch(entry.name, !entry.exact);
    users.AddBatch(UserNameFromIndexFile(entry.name));
  });
  indexFiles.EndBatch();
  users.EndBatch();
  if (result.fault == fs::Fault::kDenied || result.fault == fs::Fault::kMissing) result.listed = false;
  return result;
}

ScanResult ScanIndexDirectory(fs::FileSystem& fs, std::string_view indexDirectory, StringList& indexFiles,
                              StringList& users) {
  ScanResult result;
  if (indexDirectory.size() > kMaxIndexDirectoryPath) return result;
  fs::Opened<fs::Directory> directory = fs.OpenDirectory(indexDirectory);
  if (!directory) {
    result.fault = directory.fault;
    return result;
  }
  return ScanIndexDirectory(*directory, indexFiles, users);
}

}  // namespace tovir

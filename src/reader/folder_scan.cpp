// The directory scans of a drawing-data folder.
#include "reader/folder_scan.h"

#include <string>

#include "base/cp932.h"
#include "base/path.h"

namespace tovir {

namespace {
bool IsDotEntry(std::string_view name) {
  std::string_view trimmed = Trim(name);
  return trimmed == "." || trimmed == "..";
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

bool ScanGroups(fs::FileSystem& fs, std::string_view folder, StringList& groups) {
  std::string sub;
  bool listed = fs.ListDirectory(folder, [&](std::string_view name) {
    if (IsDotEntry(name)) return;
    sub.assign(folder);
    sub += kPathSeparator;
    sub.append(name);
    if (fs.CanList(sub)) groups.AddBatch(name);
  });
  groups.EndBatch();
  return listed;
}

std::string_view UserNameFromIndexFile(std::string_view indexFileName) {
  std::string_view part = indexFileName.size() > 2 ? indexFileName.substr(2, 6) : std::string_view();
  size_t underscore = FindChar(part, '_');
  if (underscore != std::string_view::npos && underscore > 0) part = part.substr(0, underscore);
  return part;
}

bool ScanIndexDirectory(fs::FileSystem& fs, std::string_view indexDirectory, StringList& indexFiles,
                        StringList& users) {
  if (indexDirectory.size() > kMaxIndexDirectoryPath) return false;
  bool listed = fs.ListDirectory(indexDirectory, [&](std::string_view name) {
    if (IsDotEntry(name)) return;
    if (name.substr(0, 2) != "MC") return;
    indexFiles.AddBatch(name);
    users.AddBatch(UserNameFromIndexFile(name));
  });
  indexFiles.EndBatch();
  users.EndBatch();
  return listed;
}

}  // namespace tovir

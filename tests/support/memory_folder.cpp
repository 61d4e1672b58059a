// Drawing-data folders built in memory.
#include "support/memory_folder.h"

#include <cstdio>
#include <vector>

#include "base/path.h"
#include "mkdata.h"

namespace tovir::test {

namespace {

std::string FileNumber(int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06d", number);
  return digits;
}

}  // namespace

std::string MemoryDrawingFile(std::string_view folder, std::string_view group, std::string_view user,
                              int number) {
  return JoinPath(JoinPath(JoinPath(folder, group), user), "Mc" + FileNumber(number) + ".1@@");
}

std::string MemoryIndexFile(std::string_view folder, std::string_view group, std::string_view user) {
  return JoinPath(JoinPath(JoinPath(folder, group), "V3idxft"), "MC" + std::string(user));
}

void AddMemoryGroup(MemoryFileSystem& fs, std::string_view folder, std::string_view group,
                    std::string_view user, int n, int first) {
  std::vector<std::string> records;
  for (int k = first; k < first + n; ++k) {
    records.push_back(mkdata::EncodeRecord({'1', FileNumber(k), "P" + std::to_string(k), "01"}));
    MemoryFileSystem::FileEntry file;
    file.bytes = mkdata::DrawingFileBytes("N" + std::to_string(k));
    file.lastWriteUtc = 1019394358;  // 2002-04-21 13:05:58 UTC
    fs.AddFile(MemoryDrawingFile(folder, group, user, k), std::move(file));
  }
  fs.AddFile(MemoryIndexFile(folder, group, user), mkdata::IndexFileBytes(records));
}

void BreakDrawingFile(MemoryFileSystem& fs, std::string_view folder, std::string_view group,
                      std::string_view user, int number, size_t readable) {
  MemoryFileSystem::FileEntry broken;
  broken.bytes = mkdata::DrawingFileBytes("N" + std::to_string(number));
  broken.lastWriteUtc = 1019394358;
  broken.fault = MemoryFileSystem::Fault::kReadFails;
  broken.readableBytes = readable;
  fs.AddFile(MemoryDrawingFile(folder, group, user, number), std::move(broken));
}

}  // namespace tovir::test

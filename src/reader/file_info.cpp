// Reads a drawing file's update date and note.
#include "reader/file_info.h"

#include <cstring>

#include "base/cp932.h"
#include "base/path.h"

namespace tovir {

std::string_view GroupDirectoryOf(std::string_view indexDirectory) {
  size_t last = FindLastCharOf(indexDirectory, kDirectoryEnds);
  return last == std::string_view::npos ? std::string_view() : indexDirectory.substr(0, last + 1);
}

std::string DrawingFilePath(std::string_view indexDirectory, std::string_view user,
                            std::string_view drawingFile) {
  std::string_view group = GroupDirectoryOf(indexDirectory);
  std::string path;
  path.reserve(group.size() + user.size() + 1 + drawingFile.size());
  path.append(group);
  path.append(user);
  path += kPathSeparator;
  path.append(drawingFile);
  return path;
}

FileInfo ReadFileInfo(fs::FileSystem& fs, std::string_view indexDirectory, std::string_view user,
                      std::string_view drawingFile) {
  FileInfo info;
  auto file = fs.OpenRead(DrawingFilePath(indexDirectory, user, drawingFile));
  if (!file) return info;
  info.opened = true;
  if (auto written = file->LastWriteTime()) info.updateDate = FormatUpdateDate(*written);

  // Nothing past the note is needed; what the file does not hold reads as NUL and ends the note there.
  char head[kNoteOffset + kNoteSize] = {};
  size_t got = file->Read(head, sizeof head);
  if (got > kNoteOffset) {
    std::string_view note(head + kNoteOffset, got - kNoteOffset);
    info.note.assign(CutAtNul(note));
  }
  return info;
}

namespace {

// Open directory handles kept at most; far below any limit of open files.
constexpr size_t kMaxOpenDirectories = 64;

void SetNote(FileInfo& info, const char* head, size_t got) {
  if (got > kNoteOffset) info.note.assign(CutAtNul(std::string_view(head + kNoteOffset, got - kNoteOffset)));
}

}  // namespace

DrawingFileReader::DrawingFileReader(fs::FileSystem& fs, std::string_view indexDirectory)
    : fs_(fs), group_(GroupDirectoryOf(indexDirectory)) {}

FileInfo DrawingFileReader::Read(std::string_view user, std::string_view drawingFile) {
  auto it = directories_.find(user);
  if (it == directories_.end()) {
    if (directories_.size() >= kMaxOpenDirectories) directories_.clear();
    std::string path = group_;
    path.append(user);
    it = directories_.emplace(std::string(user), fs_.OpenDirectory(path)).first;
  }
  FileInfo info;
  // No file can be opened inside a user directory that cannot be.
  if (it->second == nullptr) return info;
  char head[kNoteOffset + kNoteSize];
  fs::FileHead got = it->second->ReadHead(drawingFile, head, sizeof head);
  if (!got.opened) return info;
  info.opened = true;
  if (got.lastWrite) info.updateDate = FormatUpdateDate(*got.lastWrite);
  SetNote(info, head, got.got);
  return info;
}

}  // namespace tovir

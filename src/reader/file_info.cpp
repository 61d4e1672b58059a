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
  std::shared_ptr<UserDirectory> entry;
  {
    std::lock_guard lock(mutex_);
    auto it = directories_.find(user);
    if (it == directories_.end()) {
      if (directories_.size() >= kMaxOpenDirectories) directories_.clear();
      it = directories_.emplace(std::string(user), std::make_shared<UserDirectory>()).first;
    }
    entry = it->second;
  }
  {
    // The drawings of one user come one after another: the readers that reach them together wait for one
    // open of their directory rather than each opening it.
    std::lock_guard lock(entry->mutex);
    if (!entry->tried) {
      std::string path = group_;
      path.append(user);
      entry->directory = fs_.OpenDirectory(path);
      entry->tried = true;
    }
  }
  FileInfo info;
  // No file can be opened inside a user directory that cannot be.
  if (entry->directory == nullptr) return info;
  char head[kNoteOffset + kNoteSize];
  fs::FileHead got = entry->directory->ReadHead(drawingFile, head, sizeof head);
  if (!got.opened) return info;
  info.opened = true;
  if (got.lastWrite) info.updateDate = FormatUpdateDate(*got.lastWrite);
  SetNote(info, head, got.got);
  return info;
}

namespace {

// Slots per reader: enough that each finds its next drawing waiting while the caller takes results in turn.
constexpr size_t kSlotsPerReader = 4;

}  // namespace

DrawingFileReadAhead::DrawingFileReadAhead(fs::FileSystem& fs, std::string_view indexDirectory,
                                           size_t readers)
    : reader_(fs, indexDirectory),
      slots_((readers == 0 ? 1 : readers) * kSlotsPerReader),
      pool_(readers, slots_.size(), [this](size_t slot) { Work(slot); }) {}

void DrawingFileReadAhead::Request(std::string_view user, std::string_view drawingFile) {
  Slot& slot = slots_[pool_.BackSlot()];
  slot.user.assign(user);
  slot.file.assign(drawingFile);
  pool_.Submit();
}

bool DrawingFileReadAhead::Take(FileInfo& info, std::chrono::milliseconds timeout) {
  if (!pool_.WaitFront(timeout)) return false;
  info = std::move(slots_[pool_.FrontSlot()].info);
  pool_.PopFront();
  return true;
}

void DrawingFileReadAhead::Work(size_t slot) {
  Slot& s = slots_[slot];
  s.info = reader_.Read(s.user, s.file);
}

}  // namespace tovir

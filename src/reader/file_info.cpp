// Reads a drawing file's update date and note.
#include "reader/file_info.h"

#include <algorithm>
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
  fs::Opened<fs::File> file = fs.OpenRead(DrawingFilePath(indexDirectory, user, drawingFile));
  info.fault = file.fault;
  if (!file) return info;
  info.opened = true;
  if (auto written = file->LastWriteTime()) info.updateDate = FormatUpdateDate(*written);

  // Nothing past the note is needed; what the file does not hold reads as NUL and ends the note there.
  char head[kNoteOffset + kNoteSize] = {};
  size_t got = file->Read(head, sizeof head);
  info.readFailed = file->Failed();
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
    : open_([&fs, group = std::string(GroupDirectoryOf(indexDirectory))](std::string_view user) {
        std::string path = group;
        path.append(user);
        return fs.OpenDirectory(path);
      }) {}

FileInfo DrawingFileReader::Read(std::string_view user, std::string_view drawingFile) {
  return ReadIn(*DirectoryOf(user), drawingFile);
}

std::shared_ptr<DrawingFileReader::UserDirectory> DrawingFileReader::DirectoryOf(std::string_view user) {
  std::lock_guard lock(mutex_);
  auto it = directories_.find(user);
  if (it == directories_.end()) {
    if (directories_.size() >= kMaxOpenDirectories) directories_.clear();
    it = directories_.emplace(std::string(user), std::make_shared<UserDirectory>(std::string(user))).first;
  }
  return it->second;
}

void DrawingFileReader::Relieve() {
  std::lock_guard lock(mutex_);
  directories_.clear();
}

fs::Directory* DrawingFileReader::UserDirectory::Open(const UserDirectoryOpener& open, fs::Fault& fault) {
  std::lock_guard lock(mutex_);
  if (!tried_ || fault_ == fs::Fault::kExhausted) {
    fs::Opened<fs::Directory> opened = open(user_);
    directory_ = std::move(opened.handle);
    fault_ = opened.fault;
    tried_ = true;
  }
  fault = fault_;
  return directory_.get();
}

FileInfo DrawingFileReader::ReadIn(UserDirectory& directory, std::string_view drawingFile) {
  FileInfo info;
  fs::Directory* open = directory.Open(open_, info.fault);
  // No file can be opened inside a user directory that cannot be.
  if (open == nullptr) return info;
  char head[kNoteOffset + kNoteSize];
  fs::FileHead got = open->ReadHead(drawingFile, head, sizeof head);
  info.fault = got.fault;
  if (!got.opened) return info;
  info.opened = true;
  info.readFailed = got.readFailed;
  if (got.lastWrite) info.updateDate = FormatUpdateDate(*got.lastWrite);
  SetNote(info, head, got.got);
  return info;
}

namespace {

// Slots per reader, and at least: each reader finds its next drawings waiting while the caller takes a run of
// results (a quarter of the ring), and one reader still gets runs long enough that the caller is seldom
// woken.
constexpr size_t kSlotsPerReader = 16;
constexpr size_t kMinSlots = 256;

}  // namespace

DrawingFileReadAhead::DrawingFileReadAhead(fs::FileSystem& fs, std::string_view indexDirectory,
                                           size_t readers)
    : reader_(fs, indexDirectory),
      slots_(std::max(kMinSlots, (readers == 0 ? 1 : readers) * kSlotsPerReader)),
      last_(readers == 0 ? 1 : readers),
      pool_(readers, slots_.size(), [this](size_t slot, size_t reader) { Work(slot, reader); }) {}

size_t DrawingFileReadAhead::Room() const {
  const size_t used = pool_.Pending() + asked_;
  const size_t free = pool_.Slots() - used;
  return free >= pool_.Batch() || used == 0 ? free : 0;
}

void DrawingFileReadAhead::Request(std::string_view user, std::string_view drawingFile) {
  Slot& slot = slots_[pool_.SlotAt(asked_++)];
  slot.user.assign(user);
  slot.file.assign(drawingFile);
}

bool DrawingFileReadAhead::Take(FileInfo& info, std::chrono::milliseconds timeout) {
  if (asked_ > 0) {
    pool_.Submit(asked_);
    asked_ = 0;
  }
  if (!pool_.WaitFront(timeout)) return false;
  info = std::move(slots_[pool_.FrontSlot()].info);
  pool_.PopFront();
  return true;
}

FileInfo DrawingFileReadAhead::ReadAlone(std::string_view user, std::string_view drawingFile) {
  // No reader is at work: the handles they keep can be given back.
  for (LastDirectory& last : last_) last = {};
  reader_.Relieve();
  FileInfo info = reader_.Read(user, drawingFile);
  pool_.Resume(pool_.ReaderLimit() / 2);
  return info;
}

void DrawingFileReadAhead::Work(size_t slot, size_t reader) {
  Slot& s = slots_[slot];
  LastDirectory& last = last_[reader];
  if (last.directory == nullptr || last.user != s.user) {
    last.directory = reader_.DirectoryOf(s.user);
    last.user = s.user;
  }
  s.info = reader_.ReadIn(*last.directory, s.file);
}

}  // namespace tovir

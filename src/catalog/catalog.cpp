// The catalog of an archive.
//
// Two rings of reader threads work ahead of the thread that writes the rows. The first loads whole folders:
// their groups listed, each group's index directory listed and its index files read into a drawing table, as
// the window loads a group. The second, for update dates and notes, reads the drawing files of every group in
// row order, across groups and folders, so that a floppy disk's few drawings never leave the readers idle
// while the next disk is opened. The writer takes folders and drawing files back in order; it holds at most a
// few folders at a time, whatever the size of the archive.
#include "catalog/catalog.h"

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "base/messages.h"
#include "base/string_list.h"
#include "catalog/archive_walk.h"
#include "export/copy.h"
#include "reader/drawing_table.h"
#include "reader/file_info.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"
#include "reader/read_ahead.h"

namespace tovir::catalog {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kPieceBytes = size_t{1} << 18;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);
// How long the writer sleeps at a time while it waits for a reader: only a hung medium makes it wait that
// long.
constexpr auto kWait = std::chrono::milliseconds(200);

struct Group {
  std::string name;  // trimmed, as the copies write it
  std::string indexDirectory;
  bool listed = false;  // its index directory could be listed
  CompactDrawingTable table;
  IndexReadResult unreadable;
  std::unique_ptr<DrawingFileReader> files;  // made when its drawing files are first asked for
};

struct Folder {
  const ArchiveFolder* where = nullptr;
  bool listed = false;
  std::vector<Group> groups;
};

// Loads a folder as the window loads its groups one after another; on a reader thread, touching nothing but
// the folder it fills.
void LoadFolder(fs::FileSystem& fs, const ArchiveFolder& where, Folder& folder) {
  folder.where = &where;
  folder.groups.clear();
  StringList names(StringList::Order::kSorted);
  folder.listed = ScanGroups(fs, where.path, names);
  folder.groups.reserve(names.Count());
  for (size_t g = 0; g < names.Count(); ++g) {
    Group& group = folder.groups.emplace_back();
    group.name.assign(Trim(names[g]));
    group.indexDirectory = IndexDirectoryOf(where.path, group.name);
    StringList indexFiles(StringList::Order::kSorted);
    StringList users(StringList::Order::kSorted);
    group.listed = ScanIndexDirectory(fs, group.indexDirectory, indexFiles, users);
    // The readers are busy with other folders: this one's index files are read one after another.
    if (group.listed) {
      group.unreadable = ReadIndexFiles(fs, group.indexDirectory, indexFiles, group.table, SIZE_MAX, 1);
    }
  }
}

// One drawing file asked for: which group's, and the names copied, so that a reader never reads the table.
struct DrawingRequest {
  DrawingFileReader* files = nullptr;
  std::string user;
  std::string file;
  FileInfo info;
};

// A place in the folders the writer holds: folder, group, drawing.
struct Place {
  size_t folder = 0;
  size_t group = 0;
  size_t drawing = 0;
};

class Writer {
 public:
  Writer(fs::FileSystem& fs, const std::vector<ArchiveFolder>& folders, const CatalogOptions& options,
         const CatalogEvents& events, CatalogCounts& counts)
      : fs_(fs),
        folders_(folders),
        options_(options),
        events_(events),
        counts_(counts),
        loadSlots_(std::max<size_t>(options.readers, 1)),
        loads_(options.readers, loadSlots_.size(), [this](size_t slot, size_t) {
          LoadFolder(fs_, folders_[loadSlots_[slot].index], loadSlots_[slot].folder);
        }) {
    piece_.reserve(kPieceBytes + 512);
    if (options.full) {
      drawingSlots_.resize(std::max<size_t>(16 * options.readers, 256));
      drawings_ =
          std::make_unique<ReadAheadPool>(options.readers, drawingSlots_.size(), [this](size_t slot, size_t) {
            DrawingRequest& r = drawingSlots_[slot];
            r.info = r.files->Read(r.user, r.file);
          });
    }
  }

  void Run() {
    if (options_.heading) {
      piece_.append(msg::kHeadingFolder).append("\t").append(TabHeading());
    }
    while (!held_.empty() || TakeFolder()) {
      WriteFolder(held_.front());
      held_.pop_front();
      // The next drawing to ask for is in a later folder, or, when nothing of this one was asked, at the
      // start of the next.
      if (askPlace_.folder > 0) {
        --askPlace_.folder;
      } else {
        askPlace_ = {};
      }
    }
    Flush();
    if (events_.progress) events_.progress(counts_);
  }

 private:
  // Asks the first ring for more folders while it has room.
  void AskForFolders() {
    size_t more = 0;
    for (; nextLoad_ < folders_.size() && loads_.Pending() + more < loads_.Slots(); ++nextLoad_) {
      loadSlots_[loads_.SlotAt(more++)].index = nextLoad_;
    }
    if (more > 0) loads_.Submit(more);
  }

  // Takes the next loaded folder into the writer's hands; false when every folder has been taken.
  bool TakeFolder() {
    if (taken_ == folders_.size()) return false;
    AskForFolders();
    while (!loads_.WaitFront(kWait)) {
    }
    held_.push_back(std::move(loadSlots_[loads_.FrontSlot()].folder));
    loads_.PopFront();
    ++taken_;
    AskForFolders();
    return true;
  }

  void WriteFolder(Folder& folder) {
    const std::string_view relative = folder.where->relative;
    if (!folder.listed) {
      PassOver(relative, "", "cannot be listed");
      return;
    }
    for (size_t g = 0; g < folder.groups.size(); ++g) {
      Group& group = folder.groups[g];
      if (!group.listed) {
        PassOver(relative, group.name, msg::kMsgNotVer3);
        continue;
      }
      ++counts_.groups;
      if (group.unreadable.unreadable > 0) {
        counts_.passedOver += group.unreadable.unreadable - 1;  // PassOver counts one
        PassOver(relative, group.name, UnreadableIndexFilesText(group.unreadable));
      }
      if (group.table.Truncated()) PassOver(relative, group.name, msg::kMsgTooManyDrawings);
      const CompactDrawingTable& table = group.table;
      for (size_t i = 0; i < table.Count(); ++i) {
        FileInfo info;
        if (options_.full) info = TakeDrawing();
        line_.assign(relative).append("\t");
        AppendTabLine(line_, group.name, table.User(i), table.Name(i), info.updateDate, info.note);
        piece_.append(line_);
        ++counts_.drawings;
        if (piece_.size() >= kPieceBytes) Flush();
        Progress();
      }
    }
  }

  // The next drawing file's result, in row order; the readers are asked for drawings ahead of it first,
  // across groups and folders.
  FileInfo TakeDrawing() {
    AskForDrawings();
    while (!drawings_->WaitFront(kWait)) {
    }
    FileInfo info = std::move(drawingSlots_[drawings_->FrontSlot()].info);
    drawings_->PopFront();
    return info;
  }

  void AskForDrawings() {
    // Asked in runs, so that the readers are woken once for many drawings.
    if (drawings_->Pending() + drawings_->Batch() > drawings_->Slots() && drawings_->Pending() > 0) return;
    size_t more = 0;
    while (drawings_->Pending() + more < drawings_->Slots()) {
      Group* group = NextAsked();
      if (group == nullptr) break;
      if (!group->files) group->files = std::make_unique<DrawingFileReader>(fs_, group->indexDirectory);
      DrawingRequest& r = drawingSlots_[drawings_->SlotAt(more++)];
      r.files = group->files.get();
      r.user.assign(group->table.User(askPlace_.drawing));
      r.file.assign(group->table.FileName(askPlace_.drawing));
      ++askPlace_.drawing;
    }
    if (more > 0) drawings_->Submit(more);
  }

  // The group of the next drawing to ask for, moving on across groups and folders (taking folders from the
  // first ring, a few ahead at most); nullptr when there is none.
  Group* NextAsked() {
    for (;;) {
      while (askPlace_.folder >= held_.size()) {
        if (held_.size() >= kFoldersAhead || !TakeFolder()) return nullptr;
      }
      Folder& folder = held_[askPlace_.folder];
      if (askPlace_.group < folder.groups.size()) {
        Group& group = folder.groups[askPlace_.group];
        if (group.listed && askPlace_.drawing < group.table.Count()) return &group;
        ++askPlace_.group;
        askPlace_.drawing = 0;
        continue;
      }
      ++askPlace_.folder;
      askPlace_.group = 0;
      askPlace_.drawing = 0;
    }
  }

  void PassOver(std::string_view relative, std::string_view group, std::string_view why) {
    ++counts_.passedOver;
    if (!events_.passedOver) return;
    std::string text(relative);
    if (!group.empty()) text.append("/").append(group);
    text.append(": ").append(why);
    events_.passedOver(text);
  }

  void Flush() {
    if (piece_.empty()) return;
    if (events_.rows) events_.rows(piece_);
    piece_.clear();
  }

  void Progress() {
    if (!events_.progress) return;
    const auto now = Clock::now();
    if (now - lastProgress_ < kProgressInterval) return;
    lastProgress_ = now;
    events_.progress(counts_);
  }

  // Folders the writer holds at most while it asks for drawing files ahead.
  static constexpr size_t kFoldersAhead = 16;

  struct LoadSlot {
    size_t index = 0;
    Folder folder;
  };

  fs::FileSystem& fs_;
  const std::vector<ArchiveFolder>& folders_;
  const CatalogOptions& options_;
  const CatalogEvents& events_;
  CatalogCounts& counts_;
  std::vector<LoadSlot> loadSlots_;
  std::vector<DrawingRequest> drawingSlots_;
  size_t nextLoad_ = 0;      // the next folder to ask the first ring for
  size_t taken_ = 0;         // folders taken from it
  std::deque<Folder> held_;  // taken from the first ring: the one being written first
  Place askPlace_;           // the next drawing to ask the readers for, in the held folders
  std::string piece_;
  std::string line_;
  Clock::time_point lastProgress_{};
  // Last, so that their threads stop before anything they use goes.
  ReadAheadPool loads_;
  std::unique_ptr<ReadAheadPool> drawings_;
};

}  // namespace

bool WriteCatalog(fs::FileSystem& fs, std::string_view root, const CatalogOptions& options,
                  const CatalogEvents& events, CatalogCounts& counts) {
  counts = {};
  std::vector<ArchiveFolder> folders;
  WalkEvents walk;
  walk.passedOver = [&](std::string_view, std::string_view relative) {
    ++counts.passedOver;
    if (events.passedOver) events.passedOver(std::string(relative) + ": cannot be listed");
  };
  walk.found = [&](size_t found) {
    counts.folders = found;
    if (events.progress) events.progress(counts);
  };
  if (!FindDrawingDataFolders(fs, root, walk, folders)) return false;
  counts.folders = folders.size();
  Writer(fs, folders, options, events, counts).Run();
  return true;
}

}  // namespace tovir::catalog

// The catalog of an archive.
//
// Two rings of reader threads work ahead of the thread that writes the rows. The first loads whole folders:
// each group's index directory listed and its index files read into a drawing table, as the window loads a
// group. The second, for update dates and notes, reads the drawing files of every group in row order, across
// groups and folders, so that a floppy disk's few drawings never leave the readers idle while the next disk
// is opened. The writer takes folders and drawing files back in order; it holds at most a few folders at a
// time, whatever the size of the archive.
//
// Nothing is reached through a path: every directory is opened relative to the one above it, from the root
// down, by the name the listing gave, and links are never followed. So no length of path limits the catalog,
// a directory swapped for a link is not followed, and a name that CP932 cannot hold never leads to its
// neighbour.
#include "catalog/catalog.h"

#include <algorithm>
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
#include "reader/problems.h"
#include "reader/read_ahead.h"

namespace tovir::catalog {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kPieceBytes = size_t{1} << 18;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);
// How long the writer sleeps at a time while it waits for a reader: only a hung medium makes it wait that
// long.
constexpr auto kWait = std::chrono::milliseconds(200);

constexpr std::string_view kNotCp932 = "its CP932 name does not lead back to it";

enum class GroupState { kListed, kInexact, kUnreadable, kNotVer3 };

struct Group {
  std::string name;  // trimmed, as the copies write it
  std::string open;  // what opens its directory in its folder
  bool openByDisk = true;
  std::string disk;  // its directory's own name
  GroupState state = GroupState::kListed;
  fs::Fault fault = fs::Fault::kNone;  // why it was not read, or why its index directory's listing broke off
  CompactDrawingTable table;
  IndexReadResult unreadable;
  std::unique_ptr<DrawingFileReader> files;  // made when its drawing files are first asked for
};

struct Folder {
  const ArchiveFolder* where = nullptr;
  fs::Fault fault = fs::Fault::kNone;  // it could not be opened again
  bool exhausted = false;              // a call ran out of file descriptors or memory: to be read again alone
  std::vector<Group> groups;
};

fs::Name GroupName(const Group& group) {
  return group.openByDisk ? fs::Name::Disk(group.open) : fs::Name(group.open);
}

// A group's directory, opened from the root down.
fs::Opened<fs::Directory> OpenGroup(fs::Directory& root, const ArchiveFolder& where, const Group& group) {
  if (where.disk.empty()) return root.OpenDirectory(GroupName(group));
  fs::Opened<fs::Directory> folder = OpenFolder(root, where);
  if (!folder) return folder;
  return folder->OpenDirectory(GroupName(group));
}

void NoteExhausted(Folder& folder, fs::Fault fault) {
  if (fault == fs::Fault::kExhausted) folder.exhausted = true;
}

// Loads a folder as the window loads its groups one after another; on a reader thread, touching nothing but
// the folder it fills.
void LoadFolder(fs::Directory& root, const ArchiveFolder& where, Folder& folder) {
  folder.where = &where;
  folder.fault = fs::Fault::kNone;
  folder.exhausted = false;
  folder.groups.clear();
  if (!where.exact) return;
  std::unique_ptr<fs::Directory> owned;
  fs::Directory* directory = &root;
  if (!where.disk.empty()) {
    fs::Opened<fs::Directory> opened = OpenFolder(root, where);
    if (!opened) {
      folder.fault = opened.fault;
      NoteExhausted(folder, opened.fault);
      return;
    }
    owned = std::move(opened.handle);
    directory = owned.get();
  }
  // The groups in the order of the window's group list: ascending ignoring letter case, equal names as
  // listed.
  std::vector<const ArchiveGroup*> order;
  order.reserve(where.groups.size());
  for (const ArchiveGroup& group : where.groups) order.push_back(&group);
  std::stable_sort(order.begin(), order.end(), [](const ArchiveGroup* a, const ArchiveGroup* b) {
    return CompareNoCase(a->name, b->name) < 0;
  });
  folder.groups.reserve(order.size());
  for (const ArchiveGroup* listed : order) {
    Group& group = folder.groups.emplace_back();
    group.name.assign(Trim(listed->name));
    group.disk = listed->disk;
    if (!listed->exact) {
      group.state = GroupState::kInexact;
      continue;
    }
    // The window builds a group's paths from its trimmed name: a name with blanks at its ends is looked up
    // without them, as there.
    group.openByDisk = group.name == listed->name;
    group.open = group.openByDisk ? listed->disk : group.name;
    fs::Opened<fs::Directory> groupDirectory = directory->OpenDirectory(GroupName(group));
    if (!groupDirectory) {
      group.state = GroupState::kUnreadable;
      group.fault = groupDirectory.fault;
      NoteExhausted(folder, group.fault);
      continue;
    }
    fs::Opened<fs::Directory> indexDirectory = groupDirectory->OpenDirectory(kIndexDirectoryName);
    groupDirectory = {};  // given back at once: few descriptors may be all there are
    if (!indexDirectory) {
      group.state = GroupState::kNotVer3;
      group.fault = indexDirectory.fault;
      NoteExhausted(folder, group.fault);
      continue;
    }
    StringList indexFiles(StringList::Order::kSorted);
    StringList users(StringList::Order::kSorted);
    ScanResult scan = ScanIndexDirectory(*indexDirectory, indexFiles, users);
    group.fault = scan.fault;
    NoteExhausted(folder, scan.fault);
    if (!scan.listed) {
      group.state = GroupState::kNotVer3;
      continue;
    }
    // The readers are busy with other folders: this one's index files are read one after another.
    group.unreadable = ReadIndexFiles(*indexDirectory, indexFiles, group.table, SIZE_MAX, 1);
    if (group.unreadable.exhausted) folder.exhausted = true;
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

ReadAheadPool::Threads ThreadsFor(size_t readers) {
  return readers <= 1 ? ReadAheadPool::Threads::kNone : ReadAheadPool::Threads::kStart;
}

class Writer {
 public:
  Writer(fs::FileSystem& fs, fs::Directory& root, const std::vector<ArchiveFolder>& folders,
         const CatalogOptions& options, const CatalogEvents& events, CatalogCounts& counts,
         const ArchiveFolder*& current)
      : fs_(fs),
        root_(root),
        folders_(folders),
        options_(options),
        events_(events),
        counts_(counts),
        current_(current),
        loadSlots_(std::max<size_t>(options.readers, 1)),
        loads_(
            options.readers, loadSlots_.size(),
            [this](size_t slot, size_t) {
              LoadFolder(root_, folders_[loadSlots_[slot].index], loadSlots_[slot].folder);
            },
            ThreadsFor(options.readers)) {
    piece_.reserve(kPieceBytes + 512);
    if (options.full) {
      drawingSlots_.resize(std::max<size_t>(16 * options.readers, 256));
      drawings_ = std::make_unique<ReadAheadPool>(
          options.readers, drawingSlots_.size(),
          [this](size_t slot, size_t) {
            DrawingRequest& r = drawingSlots_[slot];
            r.info = r.files->Read(r.user, r.file);
          },
          ThreadsFor(options.readers));
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
    // Until its rows are written, the folder whose rows memory may cut is the one being read.
    if (held_.empty()) current_ = &folders_[taken_];
    AskForFolders();
    while (!loads_.WaitFront(kWait)) {
    }
    LoadSlot& slot = loadSlots_[loads_.FrontSlot()];
    if (slot.folder.exhausted) {
      AgainAlone([&] { LoadFolder(root_, folders_[slot.index], slot.folder); });
    }
    held_.push_back(std::move(slot.folder));
    loads_.PopFront();
    ++taken_;
    AskForFolders();
    return true;
  }

  // A call that ran out of file descriptors or memory, made again once every reader in flight has finished
  // and given back what it held; the readers go on afterwards, half as many.
  template <typename Call>
  void AgainAlone(Call call) {
    loads_.Pause();
    if (drawings_) drawings_->Pause();
    while (!loads_.WaitStopped(kWait)) {
    }
    while (drawings_ && !drawings_->WaitStopped(kWait)) {
    }
    for (Folder& folder : held_) {
      for (Group& group : folder.groups) {
        if (group.files) group.files->Relieve();
      }
    }
    call();
    loads_.Resume(loads_.ReaderLimit() / 2);
    if (drawings_) drawings_->Resume(drawings_->ReaderLimit() / 2);
  }

  void WriteFolder(Folder& folder) {
    const ArchiveFolder& where = *folder.where;
    current_ = &where;
    if (!where.exact) {
      PassOver(where.described, kNotCp932);
      return;
    }
    if (folder.fault != fs::Fault::kNone) {
      PassOver(where.described, Cat("cannot be opened: ", fs::FaultText(folder.fault)));
      return;
    }
    relative_.clear();
    AppendEscaped(relative_, where.relative);
    for (size_t g = 0; g < folder.groups.size(); ++g) {
      Group& group = folder.groups[g];
      switch (group.state) {
        case GroupState::kInexact:
          PassOver(Named(group, false), kNotCp932);
          continue;
        case GroupState::kUnreadable:
          PassOver(Named(group), Cat("cannot be opened: ", fs::FaultText(group.fault)));
          continue;
        case GroupState::kNotVer3:
          // The window's text for a group without an index directory, and why when it is not a plain absence;
          // one the medium or the machine kept from being opened is not said to be of another kind.
          if (fs::IsFailure(group.fault)) {
            PassOver(Named(group), Cat("V3idxft cannot be opened: ", fs::FaultText(group.fault)));
          } else if (group.fault == fs::Fault::kMissing || group.fault == fs::Fault::kNone) {
            PassOver(Named(group), msg::kMsgNotVer3);
          } else {
            PassOver(Named(group), Cat(Cat(msg::kMsgNotVer3, " ("), Cat(fs::FaultText(group.fault), ")")));
          }
          continue;
        case GroupState::kListed:
          break;
      }
      ++counts_.groups;
      if (fs::IsFailure(group.fault)) {
        PassOver(Named(group), Cat("V3idxft cannot be listed whole: ", fs::FaultText(group.fault)));
      }
      if (group.unreadable.unreadable > 0) {
        // One line names them all; each counts.
        PassOver(Named(group), UnreadableIndexFilesText(group.unreadable));
        counts_.passedOver += group.unreadable.unreadable - 1;
      }
      if (group.table.Truncated()) {
        PassOver(Named(group), msg::kMsgTooManyDrawings);
        counts_.outOfMemory = true;
      }
      WriteGroup(group);
      group.files.reset();  // every drawing of the group has been taken: no reader holds it
    }
  }

  void WriteGroup(Group& group) {
    const CompactDrawingTable& table = group.table;
    size_t unreadable = 0;
    std::string firstUnreadable;
    for (size_t i = 0; i < table.Count(); ++i) {
      FileInfo info;
      if (options_.full) info = TakeDrawing();
      if (info.Failed() && unreadable++ == 0) {
        firstUnreadable.assign(table.User(i)).append("/").append(table.FileName(i));
      }
      line_ = relative_;
      line_ += '\t';
      const auto fields = TabFields(group.name, table.User(i), table.Name(i), info.updateDate, info.note);
      for (size_t f = 0; f < fields.size(); ++f) {
        AppendEscaped(line_, fields[f]);
        line_.append(f + 1 < fields.size() ? "\t" : "\r\n");
      }
      piece_.append(line_);
      ++counts_.drawings;
      if (piece_.size() >= kPieceBytes) Flush();
      Progress();
    }
    if (unreadable > 0) {
      PassOver(Named(group), NamedCountText(msg::kMsgDrawingsUnreadable, firstUnreadable, unreadable));
      counts_.passedOver += unreadable - 1;
    }
  }

  // The next drawing file's result, in row order; the readers are asked for drawings ahead of it first,
  // across groups and folders.
  FileInfo TakeDrawing() {
    AskForDrawings();
    while (!drawings_->WaitFront(kWait)) {
    }
    DrawingRequest& request = drawingSlots_[drawings_->FrontSlot()];
    FileInfo info = std::move(request.info);
    if (info.fault == fs::Fault::kExhausted)
      AgainAlone([&] { info = request.files->Read(request.user, request.file); });
    drawings_->PopFront();
    return info;
  }

  void AskForDrawings() {
    // Asked in runs, so that the readers are woken once for many drawings.
    if (drawings_->Pending() + drawings_->Batch() > drawings_->Slots() && drawings_->Pending() > 0) return;
    size_t more = 0;
    while (drawings_->Pending() + more < drawings_->Slots()) {
      Folder* folder = nullptr;
      Group* group = NextAsked(folder);
      if (group == nullptr) break;
      if (!group->files) {
        group->files =
            std::make_unique<DrawingFileReader>([&root = root_, where = folder->where,
                                                 group](std::string_view user) -> fs::Opened<fs::Directory> {
              fs::Opened<fs::Directory> groupDirectory = OpenGroup(root, *where, *group);
              if (!groupDirectory) return groupDirectory;
              return groupDirectory->OpenDirectory(user);
            });
      }
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
  Group* NextAsked(Folder*& in) {
    for (;;) {
      while (askPlace_.folder >= held_.size()) {
        if (held_.size() >= kFoldersAhead || !TakeFolder()) return nullptr;
      }
      Folder& folder = held_[askPlace_.folder];
      if (askPlace_.group < folder.groups.size()) {
        Group& group = folder.groups[askPlace_.group];
        if (group.state == GroupState::kListed && askPlace_.drawing < group.table.Count()) {
          in = &folder;
          return &group;
        }
        ++askPlace_.group;
        askPlace_.drawing = 0;
        continue;
      }
      ++askPlace_.folder;
      askPlace_.group = 0;
      askPlace_.drawing = 0;
    }
  }

  static std::string Cat(std::string_view a, std::string_view b) {
    std::string text(a);
    text += b;
    return text;
  }

  // Names what could not be read (`where`, as ArchiveFolder::described writes it) and counts it.
  void PassOver(std::string_view where, std::string_view why) {
    ++counts_.passedOver;
    if (!events_.passedOver) return;
    std::string text(where);
    text.append(": ").append(why);
    events_.passedOver(text);
  }

  // A group of the folder being written, as what the catalog says names it.
  std::string Named(const Group& group, bool exact = true) const {
    std::string text = current_->described;
    text += '/';
    if (exact) {
      AppendEscaped(text, group.name);
    } else {
      text += fs_.Describe(group.disk);
    }
    return text;
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
  fs::Directory& root_;
  const std::vector<ArchiveFolder>& folders_;
  const CatalogOptions& options_;
  const CatalogEvents& events_;
  CatalogCounts& counts_;
  const ArchiveFolder*& current_;
  std::vector<LoadSlot> loadSlots_;
  std::vector<DrawingRequest> drawingSlots_;
  size_t nextLoad_ = 0;      // the next folder to ask the first ring for
  size_t taken_ = 0;         // folders taken from it
  std::deque<Folder> held_;  // taken from the first ring: the one being written first
  Place askPlace_;           // the next drawing to ask the readers for, in the held folders
  std::string relative_;     // the folder being written, as its rows write it
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
  fs::Opened<fs::Directory> rootDirectory = fs.OpenDirectory(root, fs::Links::kNever);
  if (!rootDirectory) return false;
  WalkEvents walk;
  walk.passedOver = [&](std::string_view described, std::string_view why) {
    ++counts.passedOver;
    if (!events.passedOver) return;
    std::string text(described);
    text.append(": ").append(why);
    events.passedOver(text);
  };
  walk.found = [&](size_t found) {
    counts.folders = found;
    if (events.progress) events.progress(counts);
  };
  std::optional<std::vector<ArchiveFolder>> folders =
      FindDrawingDataFolders(fs, *rootDirectory, fs.AbsolutePath(root), walk);
  if (!folders) return false;
  counts.folders = folders->size();
  const ArchiveFolder* current = nullptr;
  try {
    Writer(fs, *rootDirectory, *folders, options, events, counts, current).Run();
  } catch (const std::bad_alloc&) {
    // The writer and what it held are gone by now: there is room to say where the rows were cut.
    if (current != nullptr) counts.cut = current->described;
    throw;
  }
  return true;
}

}  // namespace tovir::catalog

// The drawing-data folders of an archive.
#include "catalog/archive_walk.h"

#include <algorithm>

#include "base/cp932.h"
#include "reader/folder_scan.h"

namespace tovir::catalog {

namespace {

// A subdirectory waiting to be entered.
struct Child {
  std::string name;
  std::string disk;
  bool exact = true;
  bool link = false;  // a link: named, never entered
};

// One directory on the way from the root down to the one being walked.
struct Level {
  std::unique_ptr<fs::Directory> directory;  // null while given back, for a deep walk
  std::string disk;
  std::string relative;
  std::string described;
  bool exact = true;
  std::optional<fs::DirectoryIdentity> identity;
  std::vector<Child> children;
  size_t next = 0;
  // Levels below the nearest drawing-data folder on the way (0: it is one; 1: one of its groups); far for
  // none.
  size_t belowFolder = kFar;
  size_t folder = 0;  // which of the folders found it is, when belowFolder is 0

  static constexpr size_t kFar = static_cast<size_t>(-1);
};

std::string Joined(const std::string& parent, std::string_view name) {
  if (parent.empty()) return std::string(name);
  std::string path = parent;
  path += '/';
  path += name;
  return path;
}

class Walk {
 public:
  Walk(fs::FileSystem& fs, fs::Directory& root, const WalkEvents& events)
      : fs_(fs), root_(root), events_(events) {}

  std::optional<std::vector<ArchiveFolder>> Run(std::string_view rootName) {
    Level top;
    top.identity = root_.Identity();
    if (!Enter(top, IsDrawingDataFolder(rootName), &root_)) return std::nullopt;
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.children.size()) {
        levels_.pop_back();
        continue;
      }
      const Child child = level.children[level.next++];
      Visit(child);
    }
    // The rows of an archive come in the order of their folders' paths, byte by byte: the same order on every
    // system, whatever order the directories list their entries in.
    std::sort(folders_.begin(), folders_.end(), [](const ArchiveFolder& a, const ArchiveFolder& b) {
      return a.relative != b.relative ? a.relative < b.relative : a.described < b.described;
    });
    return std::move(folders_);
  }

 private:
  // Whether what is wrong below the level at the top is the walk's to say: inside a group of a drawing-data
  // folder the folder's own reading says it.
  bool Quiet() const {
    return !levels_.empty() && levels_.back().belowFolder != Level::kFar && levels_.back().belowFolder >= 1;
  }

  void Visit(const Child& child) {
    Level& parent = levels_.back();
    Level next;
    next.disk = child.disk;
    next.relative = Joined(parent.relative == "." ? std::string() : parent.relative, child.name);
    next.described = Joined(parent.described == "." ? std::string() : parent.described, Describe(child));
    next.exact = parent.exact && child.exact;
    if (child.link) {
      Report(next.described, fs::FaultText(fs::Fault::kLink));
      return;
    }
    fs::Directory* at = Held(levels_.size() - 1);
    if (at == nullptr) {
      Report(next.described, "changed while the archive was walked");
      return;
    }
    fs::Opened<fs::Directory> opened = at->OpenDirectory(fs::Name::Disk(child.disk));
    if (opened.fault == fs::Fault::kExhausted) {
      // The directories held on the way are given back, and opened again when needed.
      GiveBack(levels_.size());
      at = Held(levels_.size() - 1);
      if (at != nullptr) opened = at->OpenDirectory(fs::Name::Disk(child.disk));
    }
    if (!opened) {
      Report(next.described, std::string("cannot be listed: ") + std::string(fs::FaultText(opened.fault)));
      return;
    }
    next.identity = opened->Identity();
    for (const Level& level : levels_) {
      // Come round a loop (a bind mount shows a directory inside itself): it is being walked already.
      if (next.identity && level.identity == next.identity) return;
    }
    next.belowFolder = parent.belowFolder == Level::kFar ? Level::kFar : parent.belowFolder + 1;
    fs::Directory* directory = opened.handle.get();
    Enter(next, EndsLikeFolder(child.name), directory, std::move(opened.handle));
  }

  // Lists the directory of `level` and takes it onto the way; false when it cannot be listed at all.
  bool Enter(Level& level, bool isFolder, fs::Directory* directory,
             std::unique_ptr<fs::Directory> owned = {}) {
    Level* parent = levels_.empty() ? nullptr : &levels_.back();
    std::vector<Child> children;
    auto list = [&] {
      children.clear();
      return directory->List([&](const fs::Entry& entry) {
        if (entry.kind == fs::EntryKind::kDirectory || entry.kind == fs::EntryKind::kLink) {
          children.push_back({std::string(entry.name), std::string(entry.disk), entry.exact,
                              entry.kind == fs::EntryKind::kLink});
        }
      });
    };
    fs::Fault fault = list();
    if (fault == fs::Fault::kExhausted) {
      // A listing takes a descriptor of its own: the directories held on the way are given back for it.
      GiveBack(levels_.size() + 1);
      fault = list();
    }
    const bool listed = fault == fs::Fault::kNone || fs::IsFailure(fault);
    if (parent == nullptr) {
      level.relative = ".";
      level.described = ".";
    }
    if (fault != fs::Fault::kNone && (parent != nullptr || listed)) {
      Report(level.described, std::string(listed ? "cannot be listed whole: " : "cannot be listed: ") +
                                  std::string(fs::FaultText(fault)));
    }
    if (!listed) return false;
    // A group is a subdirectory of a drawing-data folder that can be listed.
    if (parent != nullptr && parent->belowFolder == 0) {
      const Child& self = parent->children[parent->next - 1];
      folders_[parent->folder].groups.push_back({self.name, self.disk, self.exact});
    }
    if (isFolder) {
      level.belowFolder = 0;
      level.folder = folders_.size();
      ArchiveFolder found;
      for (size_t i = 1; i < levels_.size(); ++i) found.disk.push_back(levels_[i].disk);
      if (parent != nullptr) found.disk.push_back(level.disk);
      found.relative = level.relative;
      found.exact = level.exact;
      found.described = level.described;
      found.identity = level.identity;
      folders_.push_back(std::move(found));
      if (events_.found) events_.found(folders_.size());
    }
    level.children = std::move(children);
    level.directory = std::move(owned);
    levels_.push_back(std::move(level));
    KeepHeldFew();
    return true;
  }

  // Names what the walk cannot look into, unless the folder's own reading will.
  void Report(const std::string& described, std::string_view why) {
    if (Quiet() || !events_.passedOver) return;
    events_.passedOver(described, why);
  }

  std::string Describe(const Child& child) {
    return child.exact ? Escaped(child.name) : fs_.Describe(child.disk);
  }

  static bool EndsLikeFolder(std::string_view name) {
    // The whole path is longer than the ending: the root's own name stands before it.
    return name.size() >= 6 && IsDrawingDataFolder(std::string("/") + std::string(name));
  }

  // The handle of the level at `index`, opened again from the nearest held one when it was given back; null
  // when it cannot be, or is no longer the directory the walk listed.
  fs::Directory* Held(size_t index) {
    if (index == 0) return &root_;
    if (levels_[index].directory) return levels_[index].directory.get();
    // Down from the nearest one held, each directory given back once the next is open: two at a time at most.
    size_t from = index - 1;
    while (from > 0 && !levels_[from].directory) --from;
    fs::Directory* at = from == 0 ? &root_ : levels_[from].directory.get();
    std::unique_ptr<fs::Directory> passing;
    for (size_t level = from + 1; level <= index; ++level) {
      fs::Opened<fs::Directory> opened = at->OpenDirectory(fs::Name::Disk(levels_[level].disk));
      if (!opened || opened->Identity() != levels_[level].identity) return nullptr;
      passing = std::move(opened.handle);
      at = passing.get();
    }
    levels_[index].directory = std::move(passing);
    KeepHeldFew();
    return levels_[index].directory.get();
  }

  // At most kMaxHeldDirectories held: the shallowest are given back first, the deepest are in use.
  void KeepHeldFew() {
    size_t held = 0;
    for (const Level& level : levels_) held += level.directory ? 1 : 0;
    for (size_t i = 1; held > kMaxHeldDirectories && i + 1 < levels_.size(); ++i) {
      if (levels_[i].directory) {
        levels_[i].directory.reset();
        --held;
      }
    }
  }

  // Gives back every handle held above the level at `keep` - 1.
  void GiveBack(size_t keep) {
    for (size_t i = 1; i + 1 < keep && i < levels_.size(); ++i) levels_[i].directory.reset();
  }

  fs::FileSystem& fs_;
  fs::Directory& root_;
  const WalkEvents& events_;
  std::vector<Level> levels_;
  std::vector<ArchiveFolder> folders_;
};

}  // namespace

void AppendEscaped(std::string& out, std::string_view field) {
  for (size_t i = 0; i < field.size(); ++i) {
    const auto byte = static_cast<unsigned char>(field[i]);
    if (IsLeadByte(byte) && i + 1 < field.size()) {
      // A double-byte character, whose second byte may be 0x5C: not a backslash of its own.
      const auto trail = static_cast<unsigned char>(field[i + 1]);
      if (trail >= 0x40 && trail != 0x7F && trail <= 0xFC) {
        out.append(field.substr(i, 2));
        ++i;
        continue;
      }
    }
    switch (byte) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += static_cast<char>(byte);
    }
  }
}

std::string Escaped(std::string_view field) {
  std::string text;
  AppendEscaped(text, field);
  return text;
}

std::optional<std::vector<ArchiveFolder>> FindDrawingDataFolders(fs::FileSystem& fs, fs::Directory& root,
                                                                 std::string_view rootName,
                                                                 const WalkEvents& events) {
  Walk walk(fs, root, events);
  return walk.Run(rootName);
}

fs::Opened<fs::Directory> OpenFolder(fs::Directory& root, const ArchiveFolder& folder) {
  std::unique_ptr<fs::Directory> at;
  for (const std::string& name : folder.disk) {
    fs::Opened<fs::Directory> next = (at ? *at : root).OpenDirectory(fs::Name::Disk(name));
    if (!next) return next;
    at = std::move(next.handle);
  }
  if (folder.identity && at->Identity() != folder.identity) return fs::Fault::kMissing;
  return fs::Opened<fs::Directory>(std::move(at));
}

}  // namespace tovir::catalog

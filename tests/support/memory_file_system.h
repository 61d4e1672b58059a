// A file system held in memory, for tests and fuzzing: files with any bytes, names and times, and the
// damage a real medium shows (files that fail to open or fail part way through a read, directories whose
// listing breaks off, links, FIFOs, names that CP932 cannot hold, too few file descriptors), without touching
// the disk. Reading may come from several threads at once; adding entries may not.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"

namespace tovir::test {

class MemoryFileSystem final : public fs::FileSystem {
 public:
  enum class Fault {
    kNone,
    kOpenFails,  // listed, but cannot be opened (locked, no permission)
    kReadFails,  // opens, then a read fails after `readableBytes`
  };

  struct FileEntry {
    std::string bytes;
    std::optional<int64_t> lastWriteUtc;  // seconds since 1970 UTC; nullopt: the file system keeps no time
    Fault fault = Fault::kNone;
    size_t readableBytes = 0;
  };

  // What a damaged medium does to a directory.
  struct DirectoryFaults {
    bool listable = true;                    // false: it opens, for the files in it, but cannot be listed
    fs::Fault breaksOff = fs::Fault::kNone;  // its listing breaks off so, after `listedBefore` entries
    size_t listedBefore = 0;
    std::optional<fs::DirectoryIdentity> identity;  // what it says it is (each is itself otherwise)
  };

  // Paths are CP932 with the platform's separator; missing parent directories are made. A later call for the
  // same path replaces the entry but keeps its place in the listing.
  void AddDirectory(std::string_view path);
  void AddFile(std::string_view path, FileEntry entry);
  void AddFile(std::string_view path, std::string bytes) {
    FileEntry entry;
    entry.bytes = std::move(bytes);
    AddFile(path, std::move(entry));
  }
  // A link to `target`, a path of this file system: followed only where links are.
  void AddLink(std::string_view path, std::string target);
  // A FIFO or a device: listed, never opened.
  void AddOther(std::string_view path);
  // The directory at `path` (made if missing) fails as `faults` say.
  void DamageDirectory(std::string_view path, DirectoryFaults faults);
  // Opening the entry at `path`, whatever it is, fails with `fault`.
  void FailOpen(std::string_view path, fs::Fault fault);
  // The entry at `path` is listed under `shown`, a CP932 name that does not lead back to it (its own name is
  // the last component of `path`, which the program can only reach through the listing's disk name).
  void ShowAs(std::string_view path, std::string shown);
  // Opens fail for want of file descriptors while `limit` handles (files and directories) are open; 0 for no
  // limit.
  void LimitHandles(int limit) { counts_->limit.store(limit); }

  // Files opened and not yet closed.
  int OpenFiles() const { return counts_->files.load(); }
  // Files and directories opened and not yet closed, and the most that were open at once.
  int OpenHandles() const { return counts_->handles.load(); }
  int MostHandles() const { return counts_->most.load(); }

  fs::Opened<fs::Directory> OpenDirectory(std::string_view path,
                                          fs::Links links = fs::Links::kFollow) override;
  fs::Opened<fs::File> OpenRead(std::string_view path) override;

  struct Counts {
    std::atomic<int> files{0};
    std::atomic<int> handles{0};
    std::atomic<int> most{0};
    std::atomic<int> limit{0};
  };

 private:
  enum class Kind { kDirectory, kFile, kLink, kOther };
  struct Node {
    Kind kind = Kind::kDirectory;
    FileEntry file;
    DirectoryFaults faults;
    fs::Fault openFault = fs::Fault::kNone;
    std::string shown;   // the listed name when it is not the entry's own
    std::string target;  // of a link
    uint64_t serial = 0;
    std::vector<std::string> children;  // own names, in the order they were added
  };
  class Directory;
  class File;

  Node& Make(std::string_view path, Kind kind);
  // The node of `name` in the directory `key`, links followed or not; its key in `found`.
  fs::Fault Step(const std::string& key, fs::Name name, fs::Links links, std::string& found) const;
  fs::Fault Walk(std::string_view path, std::string& found) const;
  // Takes a handle for a new open, or says why there is none left.
  fs::Fault TakeHandle() const;
  fs::Opened<fs::Directory> OpenDirectoryAt(const std::string& key, fs::Links links) const;
  fs::Opened<fs::File> OpenFileAt(const std::string& key) const;

  std::map<std::string, Node, std::less<>> nodes_;
  uint64_t serials_ = 0;
  // Counted from the readers' threads too, and by handles that may outlive a test's last look.
  std::shared_ptr<Counts> counts_ = std::make_shared<Counts>();
};

}  // namespace tovir::test

// A file system held in memory, for tests and fuzzing: files with any bytes, names and times, and files that
// fail to open or fail part way through a read, without touching the disk. Reading may come from several
// threads at once; adding files may not.
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

  // Paths are CP932 with the platform's separator; missing parent directories are made. A later call for the
  // same path replaces the entry but keeps its place in the listing.
  void AddDirectory(std::string_view path);
  void AddFile(std::string_view path, FileEntry entry);
  void AddFile(std::string_view path, std::string bytes) {
    FileEntry entry;
    entry.bytes = std::move(bytes);
    AddFile(path, std::move(entry));
  }

  // Files opened and not yet closed.
  int OpenFiles() const { return openFiles_->load(); }

  bool ListDirectory(std::string_view path, const EntryCallback& onEntry) override;
  bool CanList(std::string_view path) override;
  std::unique_ptr<fs::File> OpenRead(std::string_view path) override;
  std::optional<uint64_t> FileSize(std::string_view path) override;
  std::unique_ptr<fs::Directory> OpenDirectory(std::string_view path) override;

 private:
  struct Node {
    bool directory = false;
    FileEntry file;
    std::vector<std::string> children;  // names, in the order they were added
  };
  Node& Make(std::string_view path, bool directory);

  std::map<std::string, Node, std::less<>> nodes_;
  // Counted from the readers' threads too.
  std::shared_ptr<std::atomic<int>> openFiles_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace tovir::test

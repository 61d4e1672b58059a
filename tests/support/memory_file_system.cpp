// A file system held in memory, for tests and fuzzing.
#include "support/memory_file_system.h"

#include <algorithm>
#include <cstring>

#include "base/path.h"

namespace tovir::test {

namespace {

class MemoryFile final : public fs::File {
 public:
  MemoryFile(const MemoryFileSystem::FileEntry& entry, std::shared_ptr<std::atomic<int>> openFiles)
      : entry_(entry), openFiles_(std::move(openFiles)) {
    ++*openFiles_;
  }
  ~MemoryFile() override { --*openFiles_; }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  size_t Read(void* buffer, size_t size) override {
    size_t end = entry_.bytes.size();
    if (entry_.fault == MemoryFileSystem::Fault::kReadFails) end = std::min(end, entry_.readableBytes);
    size_t n = std::min(size, end - std::min(end, position_));
    if (n > 0) std::memcpy(buffer, entry_.bytes.data() + position_, n);
    position_ += n;
    if (n < size && entry_.fault == MemoryFileSystem::Fault::kReadFails) failed_ = true;
    return n;
  }

  bool Failed() const override { return failed_; }

  std::optional<DosDateTime> LastWriteTime() override {
    if (!entry_.lastWriteUtc) return std::nullopt;
    return LocalDosDateTimeOf(*entry_.lastWriteUtc);
  }

 private:
  const MemoryFileSystem::FileEntry& entry_;
  std::shared_ptr<std::atomic<int>> openFiles_;
  size_t position_ = 0;
  bool failed_ = false;
};

}  // namespace

MemoryFileSystem::Node& MemoryFileSystem::Make(std::string_view path, bool directory) {
  auto found = nodes_.find(path);
  if (found == nodes_.end()) {
    size_t cut = path.rfind(kPathSeparator);
    if (cut != std::string_view::npos && cut > 0) {
      Node& parent = Make(path.substr(0, cut), true);
      parent.children.emplace_back(path.substr(cut + 1));
    }
    found = nodes_.emplace(std::string(path), Node{}).first;
  }
  found->second.directory = directory;
  return found->second;
}

void MemoryFileSystem::AddDirectory(std::string_view path) {
  Make(path, true);
}

void MemoryFileSystem::AddFile(std::string_view path, FileEntry entry) {
  Make(path, false).file = std::move(entry);
}

bool MemoryFileSystem::ListDirectory(std::string_view path, const EntryCallback& onEntry) {
  auto found = nodes_.find(path);
  if (found == nodes_.end() || !found->second.directory) return false;
  // Copied first: a callback may add entries (a test that changes the folder while it is listed).
  std::vector<std::string> names = found->second.children;
  onEntry(".");
  onEntry("..");
  for (const auto& name : names) onEntry(name);
  return true;
}

bool MemoryFileSystem::CanList(std::string_view path) {
  auto found = nodes_.find(path);
  return found != nodes_.end() && found->second.directory;
}

std::unique_ptr<fs::File> MemoryFileSystem::OpenRead(std::string_view path) {
  auto found = nodes_.find(path);
  if (found == nodes_.end() || found->second.directory || found->second.file.fault == Fault::kOpenFails) {
    return nullptr;
  }
  return std::make_unique<MemoryFile>(found->second.file, openFiles_);
}

std::optional<uint64_t> MemoryFileSystem::FileSize(std::string_view path) {
  auto found = nodes_.find(path);
  if (found == nodes_.end() || found->second.directory || found->second.file.fault == Fault::kOpenFails) {
    return std::nullopt;
  }
  return found->second.file.bytes.size();
}

std::unique_ptr<fs::Directory> MemoryFileSystem::OpenDirectory(std::string_view path) {
  if (!CanList(path)) return nullptr;
  return std::make_unique<fs::PathDirectory>(*this, path);
}

}  // namespace tovir::test

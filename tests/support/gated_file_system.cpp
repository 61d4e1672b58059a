// A file system whose open of one chosen file hangs until the test lets it go.
#include "support/gated_file_system.h"

#include <thread>

namespace tovir::test {

namespace {

// Counts a call inside the file system for as long as it runs.
class Inside {
 public:
  explicit Inside(std::atomic<int>& count) : count_(count) { ++count_; }
  ~Inside() { --count_; }
  Inside(const Inside&) = delete;
  Inside& operator=(const Inside&) = delete;

 private:
  std::atomic<int>& count_;
};

bool EndsWith(std::string_view s, std::string_view end) {
  return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

}  // namespace

GatedFileSystem::GatedFileSystem(fs::FileSystem& inner, std::string gatedName,
                                 std::chrono::microseconds delay)
    : inner_(inner), gatedName_(std::move(gatedName)), delay_(delay) {}

bool GatedFileSystem::Held() const {
  std::lock_guard lock(mutex_);
  return held_;
}

void GatedFileSystem::Release() {
  {
    std::lock_guard lock(mutex_);
    open_ = true;
  }
  released_.notify_all();
}

std::vector<std::string> GatedFileSystem::Opened() const {
  std::lock_guard lock(mutex_);
  return opened_;
}

bool GatedFileSystem::ListDirectory(std::string_view path, const EntryCallback& onEntry) {
  Inside inside(inside_);
  return inner_.ListDirectory(path, onEntry);
}

bool GatedFileSystem::CanList(std::string_view path) {
  Inside inside(inside_);
  return inner_.CanList(path);
}

std::unique_ptr<fs::File> GatedFileSystem::OpenRead(std::string_view path) {
  Inside inside(inside_);
  {
    std::unique_lock lock(mutex_);
    opened_.emplace_back(path);
    if (EndsWith(path, gatedName_) && !open_) {
      held_ = true;
      if (!released_.wait_for(lock, std::chrono::seconds(10), [&] { return open_; })) gaveUp_ = true;
      held_ = false;
    }
  }
  if (delay_.count() > 0) std::this_thread::sleep_for(delay_);
  return inner_.OpenRead(path);
}

std::optional<uint64_t> GatedFileSystem::FileSize(std::string_view path) {
  Inside inside(inside_);
  return inner_.FileSize(path);
}

std::unique_ptr<fs::Directory> GatedFileSystem::OpenDirectory(std::string_view path) {
  Inside inside(inside_);
  if (!inner_.CanList(path)) return nullptr;
  // Each file of the directory through this file system's OpenRead.
  return std::make_unique<fs::PathDirectory>(*this, path);
}

}  // namespace tovir::test

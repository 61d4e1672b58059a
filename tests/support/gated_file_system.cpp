// A file system whose open of one chosen file hangs until the test lets it go.
#include "support/gated_file_system.h"

#include <thread>

namespace tovir::test {

namespace {

bool EndsWith(std::string_view s, std::string_view end) {
  return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

}  // namespace

GatedFileSystem::GatedFileSystem(fs::FileSystem& inner, std::string gatedName,
                                 std::chrono::microseconds delay)
    : ForwardingFileSystem(inner), gatedName_(std::move(gatedName)), delay_(delay) {}

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

fs::Fault GatedFileSystem::Before(Call call, std::string_view path) {
  ++inside_;
  if (call != Call::kOpenFile && call != Call::kReadHead) return fs::Fault::kNone;
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
  return fs::Fault::kNone;
}

void GatedFileSystem::After(Call, std::string_view) {
  --inside_;
}

}  // namespace tovir::test

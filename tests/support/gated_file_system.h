// A file system whose open of one chosen file hangs until the test lets it go, as a file server that stopped
// answering would; for testing that the program stays alive meanwhile. It wraps another file system and
// records what was opened.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "support/forwarding_file_system.h"

namespace tovir::test {

class GatedFileSystem final : public ForwardingFileSystem {
 public:
  // Opens of a path ending in `gatedName` hang; every other open first waits `delay`.
  GatedFileSystem(fs::FileSystem& inner, std::string gatedName,
                  std::chrono::microseconds delay = std::chrono::microseconds(0));

  // Whether an open of the gated file is hanging now.
  bool Held() const;
  // Lets the hanging open, and every later one, go on.
  void Release();
  // Whether an open hung so long (10 s) that it let itself go: the program waited for it instead of
  // releasing it.
  bool GaveUp() const { return gaveUp_.load(); }
  // The paths of every file open begun so far, in the order they began.
  std::vector<std::string> Opened() const;
  // Calls begun and not yet returned, on any thread.
  int CallsInside() const { return inside_.load(); }

 protected:
  fs::Fault Before(Call call, std::string_view path) override;
  void After(Call call, std::string_view path) override;

 private:
  std::string gatedName_;
  std::chrono::microseconds delay_;
  mutable std::mutex mutex_;
  std::condition_variable released_;
  bool open_ = false;
  bool held_ = false;
  std::vector<std::string> opened_;
  std::atomic<bool> gaveUp_{false};
  std::atomic<int> inside_{0};
};

}  // namespace tovir::test

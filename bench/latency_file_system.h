// A file system that answers like one on a file server: every open and every status call first waits a
// fixed delay, then goes to the file system it wraps. For measuring how the reading fares on slow media.
#pragma once

#include <chrono>
#include <memory>
#include <thread>

#include "fs/file_system.h"

namespace tovir::bench {

class LatencyFileSystem final : public fs::FileSystem {
 public:
  LatencyFileSystem(fs::FileSystem& inner, std::chrono::microseconds delay) : inner_(inner), delay_(delay) {}

  bool ListDirectory(std::string_view path, const EntryCallback& onEntry) override {
    Wait(1);  // open
    return inner_.ListDirectory(path, onEntry);
  }
  bool CanList(std::string_view path) override {
    Wait(1);
    return inner_.CanList(path);
  }
  std::unique_ptr<fs::File> OpenRead(std::string_view path) override {
    Wait(2);  // open and status
    return inner_.OpenRead(path);
  }
  std::optional<uint64_t> FileSize(std::string_view path) override {
    Wait(1);  // status
    return inner_.FileSize(path);
  }
  std::unique_ptr<fs::Directory> OpenDirectory(std::string_view path) override {
    Wait(1);
    auto directory = inner_.OpenDirectory(path);
    if (!directory) return nullptr;
    return std::make_unique<Directory>(*this, std::move(directory));
  }

 private:
  class Directory final : public fs::Directory {
   public:
    Directory(LatencyFileSystem& fs, std::unique_ptr<fs::Directory> inner)
        : fs_(fs), inner_(std::move(inner)) {}
    fs::FileHead ReadHead(std::string_view name, void* buffer, size_t size) override {
      fs_.Wait(2);  // open and status
      return inner_->ReadHead(name, buffer, size);
    }

   private:
    LatencyFileSystem& fs_;
    std::unique_ptr<fs::Directory> inner_;
  };

  void Wait(int calls) const {
    for (int i = 0; i < calls; ++i) std::this_thread::sleep_for(delay_);
  }

  fs::FileSystem& inner_;
  std::chrono::microseconds delay_;
};

}  // namespace tovir::bench

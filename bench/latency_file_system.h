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

  fs::Opened<fs::Directory> OpenDirectory(std::string_view path, fs::Links links) override {
    Wait(1);  // open
    return Wrap(inner_.OpenDirectory(path, links));
  }
  fs::Opened<fs::File> OpenRead(std::string_view path) override {
    Wait(2);  // open and status
    return inner_.OpenRead(path);
  }

 private:
  class Directory final : public fs::Directory {
   public:
    Directory(LatencyFileSystem& fs, std::unique_ptr<fs::Directory> inner)
        : fs_(fs), inner_(std::move(inner)) {}
    fs::Fault List(const fs::EntryCallback& onEntry) override {
      fs_.Wait(1);  // open
      return inner_->List(onEntry);
    }
    bool Listable() const override { return inner_->Listable(); }
    std::optional<fs::DirectoryIdentity> Identity() override { return inner_->Identity(); }
    fs::Opened<fs::Directory> OpenDirectory(fs::Name name) override {
      fs_.Wait(1);  // open
      return fs_.Wrap(inner_->OpenDirectory(name));
    }
    fs::Opened<fs::File> OpenFile(fs::Name name) override {
      fs_.Wait(2);  // open and status
      return inner_->OpenFile(name);
    }
    fs::Fault FileSize(fs::Name name, uint64_t& size) override {
      fs_.Wait(1);  // status
      return inner_->FileSize(name, size);
    }
    fs::FileHead ReadHead(fs::Name name, void* buffer, size_t size) override {
      fs_.Wait(2);  // open and status
      return inner_->ReadHead(name, buffer, size);
    }

   private:
    LatencyFileSystem& fs_;
    std::unique_ptr<fs::Directory> inner_;
  };

  fs::Opened<fs::Directory> Wrap(fs::Opened<fs::Directory> opened) {
    if (!opened) return opened;
    return fs::Opened<fs::Directory>(std::make_unique<Directory>(*this, std::move(opened.handle)));
  }

  void Wait(int calls) const {
    for (int i = 0; i < calls; ++i) std::this_thread::sleep_for(delay_);
  }

  fs::FileSystem& inner_;
  std::chrono::microseconds delay_;
};

}  // namespace tovir::bench

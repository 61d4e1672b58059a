// A file system that hands every call on to another: the base of the tests' damaged media, which change only
// the calls they are about.
#pragma once

#include "fs/file_system.h"

namespace tovir::test {

class ForwardingFileSystem : public fs::FileSystem {
 public:
  explicit ForwardingFileSystem(fs::FileSystem& inner) : inner_(inner) {}

  bool ListDirectory(std::string_view path, const EntryCallback& onEntry) override {
    return inner_.ListDirectory(path, onEntry);
  }
  bool CanList(std::string_view path) override { return inner_.CanList(path); }
  std::unique_ptr<fs::File> OpenRead(std::string_view path) override { return inner_.OpenRead(path); }
  std::optional<uint64_t> FileSize(std::string_view path) override { return inner_.FileSize(path); }
  std::unique_ptr<fs::Directory> OpenDirectory(std::string_view path) override {
    return inner_.OpenDirectory(path);
  }
  bool ListEntries(std::string_view path, const KindCallback& onEntry) override {
    return inner_.ListEntries(path, onEntry);
  }
  std::optional<fs::DirectoryIdentity> IdentityOf(std::string_view path) override {
    return inner_.IdentityOf(path);
  }

 protected:
  fs::FileSystem& inner_;
};

}  // namespace tovir::test

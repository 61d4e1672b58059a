// A file system that hands every call on to another: the base of the tests' damaged media, which change only
// the calls they are about. Every directory it opens is wrapped too, so that a call made relative to one is
// seen with the path it is about.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir::test {

class ForwardingFileSystem : public fs::FileSystem {
 public:
  explicit ForwardingFileSystem(fs::FileSystem& inner) : inner_(inner) {}

  // The calls a medium can fail.
  enum class Call { kOpenDirectory, kList, kOpenFile, kFileSize, kReadHead };

  fs::Opened<fs::Directory> OpenDirectory(std::string_view path,
                                          fs::Links links = fs::Links::kFollow) override;
  fs::Opened<fs::File> OpenRead(std::string_view path) override;

 protected:
  // Before each call reaches the inner file system, with the path of what it is about (a directory's path and
  // the name asked for, joined with the platform's separator): a fault other than
  // kNone fails the call with it. May wait, as a slow or hung medium does. A name a listing gave comes as the
  // inner file system describes it (see fs::FileSystem::Describe).
  virtual fs::Fault Before(Call /*call*/, std::string_view /*path*/) { return fs::Fault::kNone; }
  // Each entry a listing gives, before the caller sees it (it may change it); false breaks the listing off
  // there with a medium failure, as a directory whose reading fails part-way does.
  virtual bool Listed(std::string_view /*directory*/, fs::Entry& /*entry*/) { return true; }
  // What a directory says it is.
  virtual std::optional<fs::DirectoryIdentity> Identity(std::string_view /*path*/,
                                                        std::optional<fs::DirectoryIdentity> inner) {
    return inner;
  }
  // After every call, however it ended.
  virtual void After(Call /*call*/, std::string_view /*path*/) {}

  fs::FileSystem& inner_;

 private:
  class Wrapped;
  friend class Wrapped;
  // Runs `call` between the hooks, unless Before fails it.
  template <typename Result, typename Forwarded>
  Result Guarded(Call call, const std::string& path, Forwarded forwarded);
  fs::Opened<fs::Directory> Wrap(const std::string& path, fs::Opened<fs::Directory> opened);
};

}  // namespace tovir::test

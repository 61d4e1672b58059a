// A file system that hands every call on to another.
#include "support/forwarding_file_system.h"

#include <type_traits>

#include "base/path.h"

namespace tovir::test {

template <typename Result, typename Forwarded>
Result ForwardingFileSystem::Guarded(Call call, const std::string& path, Forwarded forwarded) {
  struct AfterCall {
    ForwardingFileSystem& fs;
    Call call;
    const std::string& path;
    ~AfterCall() { fs.After(call, path); }
  } after{*this, call, path};
  if (fs::Fault fault = Before(call, path); fault != fs::Fault::kNone) {
    if constexpr (std::is_same_v<Result, fs::FileHead>) {
      fs::FileHead head;
      head.fault = fault;
      return head;
    } else {
      return Result(fault);
    }
  }
  return forwarded();
}

class ForwardingFileSystem::Wrapped final : public fs::Directory {
 public:
  Wrapped(ForwardingFileSystem& fs, std::string path, std::unique_ptr<fs::Directory> inner)
      : fs_(fs), path_(std::move(path)), inner_(std::move(inner)) {}

  fs::Fault List(const fs::EntryCallback& onEntry) override {
    return fs_.Guarded<fs::Fault>(Call::kList, path_, [&] {
      bool brokenOff = false;
      fs::Fault fault = inner_->List([&](const fs::Entry& entry) {
        if (brokenOff) return;
        fs::Entry seen = entry;
        if (!fs_.Listed(path_, seen)) {
          brokenOff = true;
          return;
        }
        onEntry(seen);
      });
      return brokenOff ? fs::Fault::kMedium : fault;
    });
  }
  bool Listable() const override { return inner_->Listable(); }
  std::optional<fs::DirectoryIdentity> Identity() override { return fs_.Identity(path_, inner_->Identity()); }

  fs::Opened<fs::Directory> OpenDirectory(fs::Name name) override {
    const std::string path = Below(name);
    return fs_.Guarded<fs::Opened<fs::Directory>>(
        Call::kOpenDirectory, path, [&] { return fs_.Wrap(path, inner_->OpenDirectory(name)); });
  }
  fs::Opened<fs::File> OpenFile(fs::Name name) override {
    const std::string path = Below(name);
    return fs_.Guarded<fs::Opened<fs::File>>(Call::kOpenFile, path, [&] { return inner_->OpenFile(name); });
  }
  fs::Fault FileSize(fs::Name name, uint64_t& size) override {
    const std::string path = Below(name);
    return fs_.Guarded<fs::Fault>(Call::kFileSize, path, [&] { return inner_->FileSize(name, size); });
  }
  fs::FileHead ReadHead(fs::Name name, void* buffer, size_t size) override {
    const std::string path = Below(name);
    return fs_.Guarded<fs::FileHead>(Call::kReadHead, path,
                                     [&] { return inner_->ReadHead(name, buffer, size); });
  }

 private:
  // A disk name is written as the inner file system describes it: what it is on every system, readably.
  std::string Below(fs::Name name) const {
    return JoinPath(path_, name.disk ? fs_.inner_.Describe(name.text) : std::string(name.text));
  }

  ForwardingFileSystem& fs_;
  std::string path_;
  std::unique_ptr<fs::Directory> inner_;
};

fs::Opened<fs::Directory> ForwardingFileSystem::Wrap(const std::string& path,
                                                     fs::Opened<fs::Directory> opened) {
  if (!opened) return opened;
  return fs::Opened<fs::Directory>(std::make_unique<Wrapped>(*this, path, std::move(opened.handle)));
}

fs::Opened<fs::Directory> ForwardingFileSystem::OpenDirectory(std::string_view path, fs::Links links) {
  const std::string p(path);
  return Guarded<fs::Opened<fs::Directory>>(Call::kOpenDirectory, p,
                                            [&] { return Wrap(p, inner_.OpenDirectory(path, links)); });
}

fs::Opened<fs::File> ForwardingFileSystem::OpenRead(std::string_view path) {
  const std::string p(path);
  return Guarded<fs::Opened<fs::File>>(Call::kOpenFile, p, [&] { return inner_.OpenRead(path); });
}

}  // namespace tovir::test

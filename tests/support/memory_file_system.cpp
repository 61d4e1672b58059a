// A file system held in memory, for tests and fuzzing.
#include "support/memory_file_system.h"

#include <algorithm>
#include <cstring>

#include "base/path.h"

namespace tovir::test {

namespace {

// One handle counted open for as long as it lives.
class Held {
 public:
  explicit Held(std::shared_ptr<MemoryFileSystem::Counts> counts, bool file)
      : counts_(std::move(counts)), file_(file) {
    if (file_) ++counts_->files;
  }
  ~Held() {
    --counts_->handles;
    if (file_) --counts_->files;
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

 private:
  std::shared_ptr<MemoryFileSystem::Counts> counts_;
  bool file_;
};

}  // namespace

class MemoryFileSystem::File final : public fs::File {
 public:
  File(const FileEntry& entry, std::shared_ptr<Counts> counts)
      : entry_(entry), held_(std::move(counts), true) {}

  size_t Read(void* buffer, size_t size) override {
    size_t end = entry_.bytes.size();
    if (entry_.fault == Fault::kReadFails) end = std::min(end, entry_.readableBytes);
    size_t n = std::min(size, end - std::min(end, position_));
    if (n > 0) std::memcpy(buffer, entry_.bytes.data() + position_, n);
    position_ += n;
    if (n < size && entry_.fault == Fault::kReadFails) failed_ = true;
    return n;
  }

  bool Failed() const override { return failed_; }

  std::optional<DosDateTime> LastWriteTime() override {
    if (!entry_.lastWriteUtc) return std::nullopt;
    return LocalDosDateTimeOf(*entry_.lastWriteUtc);
  }

 private:
  const FileEntry& entry_;
  Held held_;
  size_t position_ = 0;
  bool failed_ = false;
};

class MemoryFileSystem::Directory final : public fs::Directory {
 public:
  Directory(const MemoryFileSystem& fs, std::string key, fs::Links links)
      : fs_(fs), key_(std::move(key)), links_(links), held_(fs.counts_, false) {}

  fs::Fault List(const fs::EntryCallback& onEntry) override {
    const Node& node = fs_.nodes_.find(key_)->second;
    if (!node.faults.listable) return fs::Fault::kDenied;
    // Copied first: a callback may add entries (a test that changes the folder while it is listed).
    const std::vector<std::string> names = node.children;
    size_t given = 0;
    for (const std::string& name : names) {
      if (node.faults.breaksOff != fs::Fault::kNone && given == node.faults.listedBefore) {
        return node.faults.breaksOff;
      }
      const Node& child = fs_.nodes_.find(JoinPath(key_, name))->second;
      const fs::EntryKind kind = child.kind == Kind::kDirectory ? fs::EntryKind::kDirectory
                                 : child.kind == Kind::kFile    ? fs::EntryKind::kFile
                                 : child.kind == Kind::kLink    ? fs::EntryKind::kLink
                                                                : fs::EntryKind::kOther;
      const bool exact = child.shown.empty();
      onEntry(fs::Entry{exact ? std::string_view(name) : std::string_view(child.shown), name, kind, exact});
      ++given;
    }
    if (node.faults.breaksOff != fs::Fault::kNone && given == node.faults.listedBefore) {
      return node.faults.breaksOff;
    }
    return fs::Fault::kNone;
  }

  bool Listable() const override { return fs_.nodes_.find(key_)->second.faults.listable; }

  std::optional<fs::DirectoryIdentity> Identity() override {
    const Node& node = fs_.nodes_.find(key_)->second;
    if (node.faults.identity) return node.faults.identity;
    return fs::DirectoryIdentity{0, node.serial};
  }

  fs::Opened<fs::Directory> OpenDirectory(fs::Name name) override {
    std::string key;
    if (fs::Fault fault = Find(name, key); fault != fs::Fault::kNone) return fault;
    return fs_.OpenDirectoryAt(key, links_);
  }

  fs::Opened<fs::File> OpenFile(fs::Name name) override {
    std::string key;
    if (fs::Fault fault = Find(name, key); fault != fs::Fault::kNone) return fault;
    return fs_.OpenFileAt(key);
  }

  fs::Fault FileSize(fs::Name name, uint64_t& size) override {
    std::string key;
    if (fs::Fault fault = Find(name, key); fault != fs::Fault::kNone) return fault;
    const Node& node = fs_.nodes_.find(key)->second;
    if (node.kind != Kind::kFile)
      return node.kind == Kind::kOther ? fs::Fault::kNotRegular : fs::Fault::kMissing;
    if (node.openFault != fs::Fault::kNone) return node.openFault;
    if (node.file.fault == Fault::kOpenFails) return fs::Fault::kDenied;
    size = node.file.bytes.size();
    return fs::Fault::kNone;
  }

  fs::FileHead ReadHead(fs::Name name, void* buffer, size_t size) override {
    fs::FileHead head;
    fs::Opened<fs::File> file = OpenFile(name);
    head.fault = file.fault;
    if (!file) return head;
    head.opened = true;
    head.got = file->Read(buffer, size);
    head.readFailed = file->Failed();
    head.lastWrite = file->LastWriteTime();
    return head;
  }

 private:
  // The entry `name` names below this directory, one component at a time.
  fs::Fault Find(fs::Name name, std::string& key) const {
    if (name.disk) return fs_.Step(key_, name, links_, key);
    std::string at = key_;
    std::string_view rest = name.text;
    if (rest.empty()) return fs::Fault::kMissing;
    while (!rest.empty()) {
      const size_t cut = rest.find(kPathSeparator);
      const std::string_view component = rest.substr(0, cut);
      rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
      if (component.empty()) continue;
      if (links_ == fs::Links::kNever && (component == "." || component == "..")) return fs::Fault::kMissing;
      std::string next;
      if (fs::Fault fault = fs_.Step(at, component, links_, next); fault != fs::Fault::kNone) return fault;
      if (!rest.empty() && fs_.nodes_.find(next)->second.kind != Kind::kDirectory) return fs::Fault::kMissing;
      at = std::move(next);
    }
    key = std::move(at);
    return fs::Fault::kNone;
  }

  const MemoryFileSystem& fs_;
  std::string key_;
  fs::Links links_;
  Held held_;
};

MemoryFileSystem::Node& MemoryFileSystem::Make(std::string_view path, Kind kind) {
  auto found = nodes_.find(path);
  if (found == nodes_.end()) {
    size_t cut = path.rfind(kPathSeparator);
    if (cut != std::string_view::npos && cut > 0) {
      Node& parent = Make(path.substr(0, cut), Kind::kDirectory);
      parent.children.emplace_back(path.substr(cut + 1));
    }
    found = nodes_.emplace(std::string(path), Node{}).first;
    found->second.serial = ++serials_;
  }
  found->second.kind = kind;
  return found->second;
}

void MemoryFileSystem::AddDirectory(std::string_view path) {
  Make(path, Kind::kDirectory);
}

void MemoryFileSystem::AddFile(std::string_view path, FileEntry entry) {
  Make(path, Kind::kFile).file = std::move(entry);
}

void MemoryFileSystem::AddLink(std::string_view path, std::string target) {
  Make(path, Kind::kLink).target = std::move(target);
}

void MemoryFileSystem::AddOther(std::string_view path) {
  Make(path, Kind::kOther);
}

void MemoryFileSystem::DamageDirectory(std::string_view path, DirectoryFaults faults) {
  Make(path, Kind::kDirectory).faults = std::move(faults);
}

void MemoryFileSystem::FailOpen(std::string_view path, fs::Fault fault) {
  nodes_.find(path)->second.openFault = fault;
}

void MemoryFileSystem::ShowAs(std::string_view path, std::string shown) {
  nodes_.find(path)->second.shown = std::move(shown);
}

fs::Fault MemoryFileSystem::Step(const std::string& key, fs::Name name, fs::Links links,
                                 std::string& found) const {
  std::string at = key.empty() ? std::string(name.text) : JoinPath(key, name.text);
  for (int hops = 0;; ++hops) {
    auto node = nodes_.find(at);
    // A name the program made reaches only an entry listed under it.
    if (node == nodes_.end() || (!name.disk && hops == 0 && !node->second.shown.empty())) {
      return fs::Fault::kMissing;
    }
    if (node->second.kind != Kind::kLink) break;
    if (links == fs::Links::kNever) return fs::Fault::kLink;
    if (hops == 8) return fs::Fault::kLink;
    std::string resolved;
    if (fs::Fault fault = Walk(node->second.target, resolved); fault != fs::Fault::kNone) return fault;
    at = std::move(resolved);
  }
  found = std::move(at);
  return fs::Fault::kNone;
}

fs::Fault MemoryFileSystem::Walk(std::string_view path, std::string& found) const {
  std::string at;
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t cut = path.find(kPathSeparator, pos);
    if (cut == std::string_view::npos) cut = path.size();
    const std::string_view component = path.substr(pos, cut - pos);
    pos = cut + 1;
    if (component.empty() && !at.empty()) continue;
    std::string next;
    if (fs::Fault fault = Step(at, component, fs::Links::kFollow, next); fault != fs::Fault::kNone)
      return fault;
    if (pos <= path.size() && nodes_.find(next)->second.kind != Kind::kDirectory) return fs::Fault::kMissing;
    at = std::move(next);
  }
  found = std::move(at);
  return fs::Fault::kNone;
}

fs::Fault MemoryFileSystem::TakeHandle() const {
  const int now = ++counts_->handles;
  if (const int limit = counts_->limit.load(); limit > 0 && now > limit) {
    --counts_->handles;
    return fs::Fault::kExhausted;
  }
  int most = counts_->most.load();
  while (now > most && !counts_->most.compare_exchange_weak(most, now)) {
  }
  return fs::Fault::kNone;
}

fs::Opened<fs::Directory> MemoryFileSystem::OpenDirectoryAt(const std::string& key, fs::Links links) const {
  const Node& node = nodes_.find(key)->second;
  if (node.kind != Kind::kDirectory) return fs::Fault::kMissing;
  if (node.openFault != fs::Fault::kNone) return node.openFault;
  if (fs::Fault fault = TakeHandle(); fault != fs::Fault::kNone) return fault;
  return fs::Opened<fs::Directory>(std::make_unique<Directory>(*this, key, links));
}

fs::Opened<fs::File> MemoryFileSystem::OpenFileAt(const std::string& key) const {
  const Node& node = nodes_.find(key)->second;
  if (node.kind == Kind::kOther) return fs::Fault::kNotRegular;
  if (node.kind != Kind::kFile) return fs::Fault::kMissing;
  if (node.openFault != fs::Fault::kNone) return node.openFault;
  if (node.file.fault == Fault::kOpenFails) return fs::Fault::kDenied;
  if (fs::Fault fault = TakeHandle(); fault != fs::Fault::kNone) return fault;
  return fs::Opened<fs::File>(std::make_unique<File>(node.file, counts_));
}

fs::Opened<fs::Directory> MemoryFileSystem::OpenDirectory(std::string_view path, fs::Links links) {
  std::string key;
  if (fs::Fault fault = Walk(path, key); fault != fs::Fault::kNone) return fault;
  return OpenDirectoryAt(key, links);
}

fs::Opened<fs::File> MemoryFileSystem::OpenRead(std::string_view path) {
  std::string key;
  if (fs::Fault fault = Walk(path, key); fault != fs::Fault::kNone) return fault;
  return OpenFileAt(key);
}

}  // namespace tovir::test

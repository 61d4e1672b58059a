// Read-only file system access on POSIX.
#include "fs/posix/posix_file_system.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "base/cp932.h"
#include "base/encoding.h"

namespace tovir::fs {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int Detach() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

class Dir {
 public:
  explicit Dir(DIR* dir) : dir_(dir) {}
  ~Dir() {
    if (dir_ != nullptr) closedir(dir_);
  }
  Dir(const Dir&) = delete;
  Dir& operator=(const Dir&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

// open() read-only that leaves the access time alone where the process may ask for that: O_NOATIME is allowed
// only to the file's owner (or a privileged process) and fails with EPERM for anyone else, who then opens the
// file as usual. Reading must not look like use to backup or archiving tools that go by access times.
int OpenNoAtime(const char* diskPath, int flags, int directory = AT_FDCWD) {
#ifdef O_NOATIME
  int fd = openat(directory, diskPath, flags | O_NOATIME);
  if (fd >= 0 || errno != EPERM) return fd;
#endif
  return openat(directory, diskPath, flags);
}

// Opens a directory for listing without following it into anything that could block.
DIR* OpenListing(const std::string& diskPath) {
  Fd fd(OpenNoAtime(diskPath.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return nullptr;
  DIR* dir = fdopendir(fd.get());
  if (dir != nullptr) fd.Detach();
  return dir;
}

bool Exists(const std::string& diskPath) {
  struct stat st;
  return stat(diskPath.c_str(), &st) == 0;
}

// The one entry of `dir` whose CP932 name equals `name` ignoring ASCII letter case; when several do, the one
// that sorts first, so the choice does not depend on directory order.
std::optional<std::string> FindIgnoringCase(const std::string& dir, std::string_view name) {
  Dir listing(OpenListing(dir.empty() ? std::string(".") : dir));
  if (listing.get() == nullptr) return std::nullopt;
  std::optional<std::string> best;
  while (dirent* entry = readdir(listing.get())) {
    std::string_view diskName = entry->d_name;
    if (!EqualsNoCase(PosixFileSystem::NameFromDisk(diskName), name)) continue;
    if (!best || diskName < *best) best = std::string(diskName);
  }
  return best;
}

class PosixFile final : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}

  size_t Read(void* buffer, size_t size) override {
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < size) {
      // A hole of a sparse file reads as zeros, which the kernel makes page by page in the page cache: for an
      // index file of gigabytes made by truncating, that costs more than all the program's own work. Large
      // reads step over holes and write the zeros themselves.
      if (size - done >= kHoleCheckBytes) {
        if (size_t hole = SkipHole(size - done); hole > 0) {
          std::memset(out + done, 0, hole);
          done += hole;
          continue;
        }
      }
      ssize_t n = read(fd_.get(), out + done, size - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed_ = true;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    return done;
  }

  bool Failed() const override { return failed_; }

  std::optional<DosDateTime> LastWriteTime() override {
    struct stat st;
    if (fstat(fd_.get(), &st) != 0) return std::nullopt;
    return LocalDosDateTimeOf(static_cast<int64_t>(st.st_mtim.tv_sec));
  }

 private:
  static constexpr size_t kHoleCheckBytes = size_t{1} << 16;

  // The bytes of hole at the file offset, at most `limit`, stepped over; 0 when data stands there, at the
  // end of the file, or when the file system cannot tell.
  size_t SkipHole(size_t limit) {
    const int fd = fd_.get();
    off_t pos = lseek(fd, 0, SEEK_CUR);
    if (pos < 0) return 0;
    off_t end = lseek(fd, pos, SEEK_DATA);
    if (end < 0) {
      // No data after the offset: a hole up to the end of the file, or the offset is at the end.
      struct stat st;
      if (errno != ENXIO || fstat(fd, &st) != 0) return 0;
      end = st.st_size;
    }
    if (end <= pos) {
      lseek(fd, pos, SEEK_SET);
      return 0;
    }
    size_t hole = std::min(limit, static_cast<size_t>(end - pos));
    if (lseek(fd, pos + static_cast<off_t>(hole), SEEK_SET) >= 0) return hole;
    lseek(fd, pos, SEEK_SET);
    return 0;
  }

  Fd fd_;
  bool failed_ = false;
};

// The disk form of a name: most names are ASCII and need no conversion.
std::optional<std::string> DiskName(std::string_view name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) >= 0x80) return Cp932ToUtf8Exact(name);
  }
  return std::string(name);
}

class PosixDirectory final : public Directory {
 public:
  PosixDirectory(int fd, std::string_view path) : fd_(fd), path_(path) {}

  FileHead ReadHead(std::string_view name, void* buffer, size_t size) override {
    FileHead head;
    if (name.empty() || name.find('\0') != std::string_view::npos) return head;
    // A name holding a separator reaches into another directory; the whole-path lookup handles that.
    if (name.find('/') != std::string_view::npos) return ReadThroughPath(name, buffer, size);
    auto disk = DiskName(name);
    int fd = -1;
    if (disk) fd = OpenAt(*disk);
    if (fd < 0 && (!disk || errno == ENOENT)) {
      if (auto found = FindIgnoringCase(name)) fd = OpenAt(*found);
    }
    if (fd < 0) return head;
    Fd file(fd);
    struct stat st;
    // Only regular files: opened without blocking, a FIFO or a device is closed again unread.
    if (fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return head;
    head.opened = true;
    head.lastWrite = LocalDosDateTimeOf(static_cast<int64_t>(st.st_mtim.tv_sec));
    // The size says when the file ends, so a short file costs no second read to find its end.
    size_t want =
        st.st_size > 0 && static_cast<uint64_t>(st.st_size) < size ? static_cast<size_t>(st.st_size) : size;
    auto* out = static_cast<char*>(buffer);
    while (head.got < want) {
      ssize_t n = read(file.get(), out + head.got, want - head.got);
      if (n < 0 && (errno == EINTR)) continue;
      if (n <= 0) break;
      head.got += static_cast<size_t>(n);
    }
    return head;
  }

 private:
  int OpenAt(const std::string& diskName) {
    return OpenNoAtime(diskName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, fd_.get());
  }

  // The entry whose CP932 name equals `name` ignoring ASCII letter case (the first in byte order when several
  // do). The directory is listed once, at the first name that needs it, by whichever reader needs it first;
  // after that the listing never changes, and every reader looks it up without waiting for another.
  std::optional<std::string> FindIgnoringCase(std::string_view name) {
    const Listing& listing = CaseBlindListing();
    auto first = std::lower_bound(
        listing.begin(), listing.end(), name,
        [](const auto& entry, std::string_view n) { return CompareNoCase(entry.first, n) < 0; });
    if (first == listing.end() || !EqualsNoCase(first->first, name)) return std::nullopt;
    return first->second;
  }

  using Listing = std::vector<std::pair<std::string, std::string>>;  // (CP932 name, disk name)

  // Sorted by CP932 name ignoring letter case, and names equal that way by their disk names' bytes.
  const Listing& CaseBlindListing() {
    std::lock_guard lock(listingMutex_);
    if (listed_) return entries_;
    entries_.clear();  // what a listing that ran out of memory left
    int copy = openat(fd_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Dir listing(copy >= 0 ? fdopendir(copy) : nullptr);
    if (listing.get() == nullptr && copy >= 0) close(copy);
    while (listing.get() != nullptr) {
      dirent* entry = readdir(listing.get());
      if (entry == nullptr) break;
      entries_.emplace_back(PosixFileSystem::NameFromDisk(entry->d_name), entry->d_name);
    }
    std::sort(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
      int order = CompareNoCase(a.first, b.first);
      return order != 0 ? order < 0 : a.second < b.second;
    });
    listed_ = true;
    return entries_;
  }

  FileHead ReadThroughPath(std::string_view name, void* buffer, size_t size) {
    FileHead head;
    auto file = NativeFileSystem().OpenRead(path_ + '/' + std::string(name));
    if (!file) return head;
    head.opened = true;
    head.lastWrite = file->LastWriteTime();
    head.got = file->Read(buffer, size);
    return head;
  }

  Fd fd_;
  std::string path_;  // CP932, as the program named the directory
  std::mutex listingMutex_;
  bool listed_ = false;
  Listing entries_;
};

}  // namespace

std::string PosixFileSystem::NameFromDisk(std::string_view diskName) {
  // A UTF-8 name converts character by character, as Windows converts a name for the program: a character
  // without a code must not turn the whole name into bytes that would then be read as CP932.
  if (Utf8ToUtf16(diskName)) return Utf8ToCp932Lossy(diskName);
  return std::string(diskName);
}

std::optional<std::string> PosixFileSystem::Resolve(std::string_view path) {
  // A NUL would silently cut the path short in every system call.
  if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
  if (auto direct = Cp932ToUtf8Exact(path); direct && Exists(*direct)) return direct;

  // Walk the path one component at a time, taking each as written where it exists and otherwise looking it
  // up.
  std::string resolved = path.front() == '/' ? "/" : "";
  size_t pos = 0;
  while (pos < path.size()) {
    size_t end = path.find('/', pos);
    if (end == std::string_view::npos) end = path.size();
    std::string_view component = path.substr(pos, end - pos);
    pos = end + 1;
    if (component.empty()) continue;
    std::string parent = resolved;
    if (!resolved.empty() && resolved.back() != '/') resolved += '/';
    auto exact = Cp932ToUtf8Exact(component);
    if (component == "." || component == ".." || (exact && Exists(resolved + *exact))) {
      resolved += exact ? *exact : std::string(component);
      continue;
    }
    auto found = FindIgnoringCase(parent, component);
    if (!found) return std::nullopt;
    resolved += *found;
  }
  if (resolved.empty()) return std::nullopt;
  return resolved;
}

bool PosixFileSystem::ListDirectory(std::string_view path, const EntryCallback& onEntry) {
  auto diskPath = Resolve(path);
  if (!diskPath) return false;
  Dir listing(OpenListing(*diskPath));
  if (listing.get() == nullptr) return false;
  while (dirent* entry = readdir(listing.get())) onEntry(NameFromDisk(entry->d_name));
  return true;
}

bool PosixFileSystem::CanList(std::string_view path) {
  auto diskPath = Resolve(path);
  if (!diskPath) return false;
  Dir listing(OpenListing(*diskPath));
  return listing.get() != nullptr;
}

std::unique_ptr<File> PosixFileSystem::OpenRead(std::string_view path) {
  auto diskPath = Resolve(path);
  if (!diskPath) return nullptr;
  // Only regular files: a FIFO or a device could block or never end. Tested before opening, so that opening
  // has no side effect on a device, and again on the open descriptor, in case the entry changed in between.
  struct stat st;
  if (stat(diskPath->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  Fd fd(OpenNoAtime(diskPath->c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return nullptr;
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  // Reads of a regular file do not block; clear the flag anyway so a short read means the end of the file.
  int flags = fcntl(fd.get(), F_GETFL);
  if (flags >= 0) fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  return std::make_unique<PosixFile>(fd.Detach());
}

std::optional<uint64_t> PosixFileSystem::FileSize(std::string_view path) {
  auto diskPath = Resolve(path);
  struct stat st;
  if (!diskPath || stat(diskPath->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(st.st_size);
}

std::unique_ptr<Directory> PosixFileSystem::OpenDirectory(std::string_view path) {
  auto diskPath = Resolve(path);
  if (!diskPath) return nullptr;
  int fd = OpenNoAtime(diskPath->c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixDirectory>(fd, path);
}

bool PosixFileSystem::ListEntries(std::string_view path, const KindCallback& onEntry) {
  auto diskPath = Resolve(path);
  if (!diskPath) return false;
  Dir listing(OpenListing(*diskPath));
  if (listing.get() == nullptr) return false;
  const int fd = dirfd(listing.get());
  while (dirent* entry = readdir(listing.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    unsigned char type = entry->d_type;
    if (type == DT_UNKNOWN) {
      // Some file systems do not say in the listing: ask, without following a link.
      struct stat st;
      if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      type = S_ISDIR(st.st_mode)   ? DT_DIR
             : S_ISREG(st.st_mode) ? DT_REG
             : S_ISLNK(st.st_mode) ? DT_LNK
                                   : DT_FIFO;
    }
    const EntryKind kind = type == DT_DIR   ? EntryKind::kDirectory
                           : type == DT_REG ? EntryKind::kFile
                           : type == DT_LNK ? EntryKind::kLink
                                            : EntryKind::kOther;
    onEntry(NameFromDisk(name), kind);
  }
  return true;
}

std::optional<DirectoryIdentity> PosixFileSystem::IdentityOf(std::string_view path) {
  auto diskPath = Resolve(path);
  struct stat st;
  if (!diskPath || lstat(diskPath->c_str(), &st) != 0) return std::nullopt;
  return DirectoryIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

FileSystem& NativeFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

}  // namespace tovir::fs

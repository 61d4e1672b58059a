// Read-only file system access on POSIX.
#include "fs/posix/posix_file_system.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "base/cp932.h"
#include "base/encoding.h"

namespace tovir::fs {

namespace {

// Internal error numbers for what no system call reports as such.
constexpr int kNotRegularError = -1;  // a FIFO, a device, a socket, or a file that changed under the open

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
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

Fault FaultOf(int error) {
  switch (error) {
    case 0:
      return Fault::kNone;
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
      return Fault::kMissing;
    case EACCES:
    case EPERM:
      return Fault::kDenied;
    case ELOOP:
      return Fault::kLink;
    case kNotRegularError:
    case ENXIO:
    case ENODEV:
      return Fault::kNotRegular;
    case EMFILE:
    case ENFILE:
    case ENOMEM:
      return Fault::kExhausted;
    default:
      return Fault::kMedium;
  }
}

// openat() that leaves the access time alone where the process may ask for that: O_NOATIME is allowed only
// to the file's owner (or a privileged process) and fails with EPERM for anyone else, who then opens the file
// as usual. Reading must not look like use to backup or archiving tools that go by access times.
int OpenNoAtime(int directory, const char* diskName, int flags) {
  int fd;
#ifdef O_NOATIME
  do {
    fd = openat(directory, diskName, flags | O_NOATIME);
  } while (fd < 0 && errno == EINTR);
  if (fd >= 0 || errno != EPERM) return fd;
#endif
  do {
    fd = openat(directory, diskName, flags);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The disk form of a CP932 name: most names are ASCII and need no conversion.
std::optional<std::string> DiskForm(std::string_view name) {
  if (IsAscii(name)) return std::string(name);
  return Cp932ToUtf8Exact(name);
}

bool IsUtf8(std::string_view name) {
  return IsAscii(name) || Utf8ToUtf16(name).has_value();
}

// Opens a directory below `parent` (an open directory, or AT_FDCWD). One reached with search permission alone
// is still opened, for the files in it, but cannot be listed. A link met where links are not followed is
// told from a file.
int OpenDirectoryAt(int parent, const char* disk, Links links, int& out, bool& listable) {
  const int nofollow = links == Links::kNever ? O_NOFOLLOW : 0;
  out = OpenNoAtime(parent, disk, O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC | nofollow);
  if (out >= 0) {
    listable = true;
    return 0;
  }
  int error = errno;
#ifdef O_PATH
  if (error == EACCES) {
    out = openat(parent, disk, O_PATH | O_DIRECTORY | O_CLOEXEC | nofollow);
    if (out >= 0) {
      listable = false;
      return 0;
    }
    error = errno;
  }
#endif
  if (error == ENOTDIR && links == Links::kNever) {
    struct stat st;
    if (fstatat(parent, disk, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) return ELOOP;
  }
  return error;
}

// Opens a regular file below `parent` for reading. Where links are never followed (the catalog), its kind is
// looked at before it is opened, so that a FIFO or a device is never opened at all (opening a FIFO releases
// a writer waiting on it; opening a device can act on it); where they are followed (the window), the open
// itself cannot block (O_NONBLOCK) and costs one call less for every drawing file. Either way the open
// descriptor is looked at before anything is read, in case the entry changed in between.
int OpenRegularAt(int parent, const char* disk, Links links, struct stat& st, int& out) {
  const bool never = links == Links::kNever;
  if (never) {
    if (fstatat(parent, disk, &st, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    if (S_ISLNK(st.st_mode)) return ELOOP;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return kNotRegularError;
  }
  Fd fd(OpenNoAtime(parent, disk, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (never ? O_NOFOLLOW : 0)));
  if (fd.get() < 0) return errno;
  struct stat opened;
  if (fstat(fd.get(), &opened) != 0) return errno;
  if (S_ISDIR(opened.st_mode)) return EISDIR;
  if (!S_ISREG(opened.st_mode)) return kNotRegularError;
  if (never && (opened.st_ino != st.st_ino || opened.st_dev != st.st_dev)) return kNotRegularError;
  st = opened;
  out = fd.Detach();
  return 0;
}

// A fault that becomes whatever a call returns: the fault itself, a file head that was not read, or a handle
// that was not opened.
struct Failure {
  Fault fault;
  operator Fault() const { return fault; }  // NOLINT(google-explicit-constructor)
  operator FileHead() const {               // NOLINT(google-explicit-constructor)
    FileHead head;
    head.fault = fault;
    return head;
  }
  template <typename Handle>
  operator Opened<Handle>() const {  // NOLINT(google-explicit-constructor)
    return Opened<Handle>(fault);
  }
};

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

// Whether the name on disk `disk`, whose CP932 form is `name`, is reached again through `name` in the
// directory `fd`: a UTF-8 name when its CP932 form converts back to it exactly, a name of raw bytes when no
// UTF-8 twin (the exact form of the same CP932 bytes) stands beside it and would be found first.
bool IsExact(int fd, std::string_view disk, std::string_view name) {
  if (IsAscii(disk)) return true;
  auto back = Cp932ToUtf8Exact(name);
  if (IsUtf8(disk)) return back && *back == disk;
  if (!back) return true;
  struct stat st;
  return fstatat(fd, back->c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
}

EntryKind KindOf(int fd, const dirent& entry) {
  unsigned char type = entry.d_type;
  if (type == DT_UNKNOWN) {
    // Some file systems do not say in the listing: ask, without following a link.
    struct stat st;
    if (fstatat(fd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::kOther;
    return S_ISDIR(st.st_mode)   ? EntryKind::kDirectory
           : S_ISREG(st.st_mode) ? EntryKind::kFile
           : S_ISLNK(st.st_mode) ? EntryKind::kLink
                                 : EntryKind::kOther;
  }
  return type == DT_DIR   ? EntryKind::kDirectory
         : type == DT_REG ? EntryKind::kFile
         : type == DT_LNK ? EntryKind::kLink
                          : EntryKind::kOther;
}

// Reads every entry of the directory `fd` (its own descriptor, read from its start) and calls `each(dirent&,
// dirFd)`; the fault that ended the listing early, or kNone.
template <typename Each>
Fault ReadEntries(int fd, Each each) {
  Fd copy(OpenNoAtime(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (copy.get() < 0) return FaultOf(errno);
  DIR* dir = fdopendir(copy.get());
  if (dir == nullptr) return FaultOf(errno);
  copy.Detach();
  Fault fault = Fault::kNone;
  for (;;) {
    errno = 0;
    dirent* entry = readdir(dir);
    if (entry == nullptr) {
      // The end of the listing, or a listing that broke off: only errno tells them apart.
      if (errno != 0) fault = FaultOf(errno) == Fault::kExhausted ? Fault::kExhausted : Fault::kMedium;
      break;
    }
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    each(*entry, dirfd(dir));
  }
  closedir(dir);
  return fault;
}

class PosixDirectory final : public Directory {
 public:
  PosixDirectory(int fd, bool listable, Links links) : fd_(fd), listable_(listable), links_(links) {}

  Fault List(const EntryCallback& onEntry) override {
    if (!listable_) return Fault::kDenied;
    std::string name;
    return ReadEntries(fd_.get(), [&](const dirent& entry, int fd) {
      const std::string_view disk = entry.d_name;
      name = PosixFileSystem::NameFromDisk(disk);
      onEntry(Entry{name, disk, KindOf(fd, entry), IsExact(fd, disk, name)});
    });
  }

  bool Listable() const override { return listable_; }

  std::optional<DirectoryIdentity> Identity() override {
    struct stat st;
    if (fstat(fd_.get(), &st) != 0) return std::nullopt;
    return DirectoryIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
  }

  Opened<Directory> OpenDirectory(Name name) override {
    return Within(name, [](PosixDirectory& in, Name leaf) { return in.OpenDirectoryHere(leaf); });
  }

  Opened<File> OpenFile(Name name) override {
    return Within(name, [](PosixDirectory& in, Name leaf) -> Opened<File> {
      struct stat st;
      int fd = -1;
      int error = in.Lookup(
          leaf, [&](const char* disk) { return OpenRegularAt(in.fd_.get(), disk, in.links_, st, fd); });
      if (error != 0) return FaultOf(error);
      // Reads of a regular file do not block; the flag is cleared anyway so a short read means its end.
      int flags = fcntl(fd, F_GETFL);
      if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
      return Opened<File>(std::make_unique<PosixFile>(fd));
    });
  }

  Fault FileSize(Name name, uint64_t& size) override {
    return Within(name, [&size](PosixDirectory& in, Name leaf) {
      const int statFlags = in.links_ == Links::kNever ? AT_SYMLINK_NOFOLLOW : 0;
      struct stat st;
      int error = in.Lookup(leaf, [&](const char* disk) {
        if (fstatat(in.fd_.get(), disk, &st, statFlags) != 0) return errno;
        return S_ISREG(st.st_mode)   ? 0
               : S_ISLNK(st.st_mode) ? ELOOP
               : S_ISDIR(st.st_mode) ? EISDIR
                                     : kNotRegularError;
      });
      if (error == 0) size = static_cast<uint64_t>(st.st_size);
      return FaultOf(error);
    });
  }

  FileHead ReadHead(Name name, void* buffer, size_t size) override {
    return Within(name, [buffer, size](PosixDirectory& in, Name leaf) {
      FileHead head;
      struct stat st;
      int fd = -1;
      int error = in.Lookup(
          leaf, [&](const char* disk) { return OpenRegularAt(in.fd_.get(), disk, in.links_, st, fd); });
      head.fault = FaultOf(error);
      if (error != 0) return head;
      Fd file(fd);
      head.opened = true;
      head.lastWrite = LocalDosDateTimeOf(static_cast<int64_t>(st.st_mtim.tv_sec));
      // The size says when the file ends, so a short file costs no second read to find its end.
      size_t want =
          st.st_size > 0 && static_cast<uint64_t>(st.st_size) < size ? static_cast<size_t>(st.st_size) : size;
      auto* out = static_cast<char*>(buffer);
      while (head.got < want) {
        ssize_t n = read(file.get(), out + head.got, want - head.got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) head.readFailed = true;
        if (n <= 0) break;
        head.got += static_cast<size_t>(n);
      }
      return head;
    });
  }

  // The directory at `name` below this one, reached one component at a time; each component found by the
  // lookup rules.
  Opened<Directory> OpenDirectoryHere(Name name) {
    int fd = -1;
    bool listable = true;
    int error = Lookup(
        name, [&](const char* disk) { return OpenDirectoryAt(fd_.get(), disk, links_, fd, listable); });
    if (error != 0) return FaultOf(error);
    return Opened<Directory>(std::make_unique<PosixDirectory>(fd, listable, links_));
  }

  void SetLinks(Links links) { links_ = links; }

 private:
  // Runs `act(directory, leaf)` in the directory that holds the last component of `name`: this one, or one
  // below it when the name holds separators (a name the program made from a record, as a path on Windows
  // would take it). Where links are never followed, "." and ".." are not names either: the walk stays below.
  template <typename Act>
  auto Within(Name name, Act act) -> decltype(act(*this, name)) {
    const size_t cut = name.disk ? std::string_view::npos : name.text.rfind('/');
    if (cut == std::string_view::npos) {
      if (links_ == Links::kNever && !name.disk && (name.text == "." || name.text == "..")) {
        return Failure{Fault::kMissing};
      }
      return act(*this, name);
    }
    PosixDirectory* in = this;
    std::unique_ptr<Directory> held;
    std::string_view rest = name.text.substr(0, cut);
    while (!rest.empty()) {
      const size_t slash = rest.find('/');
      const std::string_view component = rest.substr(0, slash);
      rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
      if (component.empty()) continue;
      if (links_ == Links::kNever && (component == "." || component == "..")) {
        return Failure{Fault::kMissing};
      }
      Opened<Directory> next = in->OpenDirectoryHere(component);
      if (!next) return Failure{next.fault};
      held = std::move(next.handle);
      in = static_cast<PosixDirectory*>(held.get());
    }
    return act(*in, Name(name.text.substr(cut + 1)));
  }

  // Tries `attempt(diskName)`, an open or status call that gives an error number (0 when it worked), for each
  // disk name `name` may stand for until one exists: its exact form; its raw bytes, for a name that is not
  // UTF-8; then the entry equal to it ignoring ASCII letter case, among the exact names only.
  template <typename Attempt>
  int Lookup(Name name, Attempt attempt) {
    if (name.text.empty() || name.text.find('\0') != std::string_view::npos) return ENOENT;
    if (name.disk) return attempt(std::string(name.text).c_str());
    const std::optional<std::string> exact = DiskForm(name.text);
    if (exact) {
      int error = attempt(exact->c_str());
      if (error != ENOENT) return error;
    }
    if (!IsUtf8(name.text)) {
      int error = attempt(std::string(name.text).c_str());
      if (error != ENOENT) return error;
    }
    std::string found;
    if (int error = FindIgnoringCase(name.text, found); error != 0) return error;
    return attempt(found.c_str());
  }

  // The exact entry whose CP932 name equals `name` ignoring ASCII letter case (the first in byte order when
  // several do), or an error number: ENOENT when there is none. The directory is listed once, at the first
  // name that needs it, by whichever reader needs it first; after that the listing never changes, and every
  // reader looks it up without waiting for another. A listing that failed is not kept: the lookup fails with
  // it, and the next one tries again.
  int FindIgnoringCase(std::string_view name, std::string& found) {
    std::lock_guard lock(listingMutex_);
    if (!listed_) {
      if (!listable_) return ENOENT;  // search permission alone: only exact names can be found
      entries_.clear();
      Fault fault = ReadEntries(fd_.get(), [&](const dirent& entry, int fd) {
        std::string cp932 = PosixFileSystem::NameFromDisk(entry.d_name);
        if (IsExact(fd, entry.d_name, cp932)) entries_.emplace_back(std::move(cp932), entry.d_name);
      });
      if (fault != Fault::kNone) {
        entries_.clear();
        return fault == Fault::kExhausted ? EMFILE : EIO;
      }
      std::sort(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
        int order = CompareNoCase(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
      });
      listed_ = true;
    }
    auto first = std::lower_bound(
        entries_.begin(), entries_.end(), name,
        [](const auto& entry, std::string_view n) { return CompareNoCase(entry.first, n) < 0; });
    if (first == entries_.end() || !EqualsNoCase(first->first, name)) return ENOENT;
    found = first->second;
    return 0;
  }

  Fd fd_;
  const bool listable_;
  Links links_;
  std::mutex listingMutex_;
  bool listed_ = false;
  std::vector<std::pair<std::string, std::string>> entries_;  // (CP932 name, disk name), exact ones only
};

// The directory a path starts from: the root for an absolute path, the working directory otherwise.
Opened<Directory> StartOf(std::string_view path) {
  int fd = -1;
  bool listable = true;
  int error = OpenDirectoryAt(AT_FDCWD, path.front() == '/' ? "/" : ".", Links::kFollow, fd, listable);
  if (error != 0) return FaultOf(error);
  return Opened<Directory>(std::make_unique<PosixDirectory>(fd, listable, Links::kFollow));
}

bool Unusable(std::string_view path) {
  // A NUL would silently cut the path short in every system call.
  return path.empty() || path.find('\0') != std::string_view::npos;
}

}  // namespace

std::string PosixFileSystem::NameFromDisk(std::string_view diskName) {
  // A UTF-8 name converts character by character, as Windows converts a name for the program: a character
  // without a code must not turn the whole name into bytes that would then be read as CP932.
  if (IsUtf8(diskName)) return Utf8ToCp932Lossy(diskName);
  return std::string(diskName);
}

Opened<Directory> PosixFileSystem::OpenDirectory(std::string_view path, Links links) {
  if (Unusable(path)) return Fault::kMissing;
  // The whole path in its exact form first: one call for every path whose letters are right.
  if (auto exact = DiskForm(path)) {
    int fd = -1;
    bool listable = true;
    int error = OpenDirectoryAt(AT_FDCWD, exact->c_str(), Links::kFollow, fd, listable);
    if (error == 0) return Opened<Directory>(std::make_unique<PosixDirectory>(fd, listable, links));
    if (error != ENOENT) return FaultOf(error);
  }
  // Otherwise one component at a time, each found by the lookup rules.
  Opened<Directory> start = StartOf(path);
  if (!start) return start;
  std::string_view rest = path;
  while (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
  Opened<Directory> found = rest.empty() ? std::move(start) : start->OpenDirectory(rest);
  if (found) static_cast<PosixDirectory&>(*found).SetLinks(links);
  return found;
}

Opened<File> PosixFileSystem::OpenRead(std::string_view path) {
  if (Unusable(path)) return Fault::kMissing;
  if (auto exact = DiskForm(path)) {
    struct stat st;
    int fd = -1;
    int error = OpenRegularAt(AT_FDCWD, exact->c_str(), Links::kFollow, st, fd);
    if (error == 0) {
      int flags = fcntl(fd, F_GETFL);
      if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
      return Opened<File>(std::make_unique<PosixFile>(fd));
    }
    if (error != ENOENT) return FaultOf(error);
  }
  const size_t cut = path.rfind('/');
  if (cut == std::string_view::npos) {
    Opened<Directory> here = StartOf(path);
    if (!here) return here.fault;
    return here->OpenFile(path);
  }
  Opened<Directory> directory = OpenDirectory(cut == 0 ? std::string_view("/") : path.substr(0, cut));
  if (!directory) return directory.fault;
  return directory->OpenFile(path.substr(cut + 1));
}

std::string PosixFileSystem::AbsolutePath(std::string_view path) {
  auto disk = Unusable(path) ? std::nullopt : DiskForm(path);
  if (!disk) return std::string(path);
  char* resolved = realpath(disk->c_str(), nullptr);
  if (resolved == nullptr) return std::string(path);
  std::string absolute = NameFromDisk(resolved);
  free(resolved);  // NOLINT(cppcoreguidelines-no-malloc): realpath's own allocation
  return absolute;
}

std::string PosixFileSystem::Describe(std::string_view diskName) {
  if (auto utf16 = IsUtf8(diskName) ? Utf8ToUtf16(diskName) : std::nullopt) return DescribeUtf16(*utf16);
  std::string text;
  for (char c : diskName) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '\t' || c == '\n' || c == '\r') {
      text += c == '\\' ? "\\\\" : c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
    } else if (byte < 0x80) {
      text += c;
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
    }
  }
  return text;
}

FileSystem& NativeFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

}  // namespace tovir::fs

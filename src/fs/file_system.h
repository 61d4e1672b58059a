// Read-only access to directories and files. Paths and names are CP932 byte strings; the implementations
// convert them to and from the disk's own encoding. Nothing here ever writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/dos_time.h"

namespace tovir::fs {

// Why a call did not give what it was asked for. The first four are the data's own state, which the program
// passes over as the data not having that entry; the last two are failures of the medium or of the machine,
// which the program always says, never takes for the data's state.
enum class Fault : uint8_t {
  kNone,
  kMissing,     // no such entry, or not of the kind asked for (a file where a directory was wanted)
  kDenied,      // not allowed, or held locked by another program
  kLink,        // a link, where links are not followed
  kNotRegular,  // a FIFO, a device or a socket: never opened
  kMedium,      // the medium failed: an input/output error, a listing that broke off
  kExhausted,   // no file descriptors or memory left for the call: another try with fewer in flight may work
};

constexpr bool IsFailure(Fault fault) {
  return fault == Fault::kMedium || fault == Fault::kExhausted;
}

// How the program names a fault on standard error ("input/output error", ...).
std::string_view FaultText(Fault fault);

// An open regular file, opened read-only in binary mode and shared for reading, writing and deleting with
// other programs, so the CAD system can still save, rename or delete a drawing while we read it. Reading it
// does not change its access time where the system allows that. Closed when destroyed.
class File {
 public:
  virtual ~File() = default;

  // Reads up to `size` bytes. Returns fewer only at the end of the file, and 0 at the end or when the read
  // fails.
  virtual size_t Read(void* buffer, size_t size) = 0;

  // Whether a read failed, rather than reached the end of the file: what was read before it stands, the rest
  // of the file is lost, and the reader says so.
  virtual bool Failed() const { return false; }

  // The last-write time in local time as DOS words; nullopt when the file system cannot give it or when the
  // DOS form cannot hold it.
  virtual std::optional<DosDateTime> LastWriteTime() = 0;
};

// What one read of a file's head gives: whether the file could be opened (and if not, why), how many bytes
// were read, whether the read failed part-way, and its last-write time (local DOS words; nullopt when the
// file system cannot give it or the DOS form cannot hold it).
struct FileHead {
  bool opened = false;
  Fault fault = Fault::kMissing;  // kNone when opened
  bool readFailed = false;        // `got` bytes were read, then the medium failed
  size_t got = 0;
  std::optional<DosDateTime> lastWrite;
};

// What a directory entry is, as the directory tells it, links not followed.
enum class EntryKind : uint8_t {
  kDirectory,
  kFile,
  kLink,   // a symbolic link, a Windows junction or any other reparse point, whatever it points at
  kOther,  // a FIFO, a device, a socket: never opened
};

// One entry of a listing.
struct Entry {
  // The name as the program shows it, CP932: on Windows what a Japanese system's ANSI listing gives.
  std::string_view name;
  // The entry's own name on the disk, in the file system's form: the only sure way back to this very entry.
  std::string_view disk;
  EntryKind kind = EntryKind::kOther;
  // Whether `name` leads back to this entry. A name that CP932 cannot hold exactly ("a☃" shows as "a?") may
  // name another entry, or none: such an entry is never reached through it, only through `disk`.
  bool exact = true;
};

// What names a directory itself, the same through every path that reaches it.
struct DirectoryIdentity {
  uint64_t volume = 0;
  uint64_t index = 0;
  bool operator==(const DirectoryIdentity&) const = default;
};

// Which entry of a directory to open: a name the program made or keeps (CP932, looked up as the file system's
// rules say: the exact letters first, then ignoring ASCII letter case, never through a name that is not
// exact), or the disk form a listing gave, taken as it stands.
struct Name {
  std::string_view text;
  bool disk = false;

  Name(std::string_view cp932) : text(cp932) {}  // NOLINT(google-explicit-constructor): most names are these
  Name(const char* cp932) : text(cp932) {}       // NOLINT(google-explicit-constructor)
  Name(const std::string& cp932) : text(cp932) {}  // NOLINT(google-explicit-constructor)
  static Name Disk(std::string_view diskName) {
    Name name(diskName);
    name.disk = true;
    return name;
  }
};

// A handle the file layer opened, or why it could not.
template <typename Handle>
struct Opened {
  std::unique_ptr<Handle> handle;
  Fault fault = Fault::kMissing;

  Opened() = default;
  Opened(Fault why) : fault(why) {}       // NOLINT(google-explicit-constructor)
  Opened(std::unique_ptr<Handle> opened)  // NOLINT(google-explicit-constructor)
      : handle(std::move(opened)), fault(handle ? Fault::kNone : Fault::kMissing) {}
  template <typename Derived>
  Opened(Opened<Derived>&& other)  // NOLINT(google-explicit-constructor)
      : handle(std::move(other.handle)), fault(other.fault) {}

  explicit operator bool() const { return handle != nullptr; }
  friend bool operator==(const Opened& opened, std::nullptr_t) { return opened.handle == nullptr; }
  Handle* operator->() const { return handle.get(); }
  Handle& operator*() const { return *handle; }
};

// Whether links are followed below a directory: the window follows them, as a Windows program does; the
// catalog never does, so that it stays inside its root.
enum class Links : uint8_t { kFollow, kNever };

using EntryCallback = std::function<void(const Entry& entry)>;

// An open directory. Everything below it is opened relative to it, so a path never has to be spelled out
// again and no limit of path length applies. Every call may be made from several threads at once.
class Directory {
 public:
  virtual ~Directory() = default;

  // Lists the entries, "." and ".." left out, in the order the file system returns them. kNone when every
  // entry was given; otherwise why the listing could not be made, or why it broke off (the entries given
  // before that stand).
  virtual Fault List(const EntryCallback& onEntry) = 0;
  // Whether it could be opened for listing: a directory reached with search permission alone opens the files
  // in it but cannot list them.
  virtual bool Listable() const = 0;
  // What names it, where the file system can tell.
  virtual std::optional<DirectoryIdentity> Identity() = 0;

  // A directory in this one. A name holding separators reaches further down, one directory at a time.
  virtual Opened<Directory> OpenDirectory(Name name) = 0;
  // A regular file in this one, opened for reading; never a FIFO or a device.
  virtual Opened<File> OpenFile(Name name) = 0;
  // The size of a regular file in this one, taken without opening it.
  virtual Fault FileSize(Name name, uint64_t& size) = 0;
  // Up to `size` bytes from the start of a regular file in this one, with its last-write time: one open, one
  // status call for both the kind of file and its time, one read and one close.
  virtual FileHead ReadHead(Name name, void* buffer, size_t size) = 0;
};

// Every call may be made from several threads at once: the full display's readers share one file system.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens a directory by its path, links followed on the way: whoever names a path means where it leads.
  // Below it, `links` says whether links are followed. A component of the path that does not exist with its
  // exact letter case is looked up ignoring ASCII letter case, as the Windows file system would.
  virtual Opened<Directory> OpenDirectory(std::string_view path, Links links = Links::kFollow) = 0;
  // Opens an existing regular file by its path for reading, links followed.
  virtual Opened<File> OpenRead(std::string_view path) = 0;

  // The path made absolute, as the file system names it, "." and ".." and links resolved; the path itself
  // when it cannot be.
  virtual std::string AbsolutePath(std::string_view path) { return std::string(path); }
  // A listing's disk name written exactly, for naming an entry whose CP932 name is not exact: every character
  // CP932 holds as itself, any other as "\u{2603}", and bytes that are no character as "\xff"; a tab, a line
  // feed, a carriage return and a backslash as "\t", "\n", "\r" and "\\", so that the name never breaks a
  // line of text.
  virtual std::string Describe(std::string_view diskName) { return std::string(diskName); }
};

// A name in UTF-16 written as FileSystem::Describe writes it.
std::string DescribeUtf16(std::u16string_view name);

// Lists the directory at `path`; see Directory::List.
Fault ListDirectory(FileSystem& fs, std::string_view path, const EntryCallback& onEntry);

// The file system of the machine the program runs on.
FileSystem& NativeFileSystem();

}  // namespace tovir::fs

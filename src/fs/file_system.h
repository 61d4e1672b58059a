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

// An open regular file, opened read-only in binary mode and shared for reading, writing and deleting with
// other programs, so the CAD system can still save, rename or delete a drawing while we read it. Where the
// system allows, reading it does not change its access time. Closed when destroyed.
class File {
 public:
  virtual ~File() = default;

  // Reads up to `size` bytes. Returns fewer only at the end of the file, and 0 at the end or when the read
  // fails.
  virtual size_t Read(void* buffer, size_t size) = 0;

  // Whether a read failed, rather than reached the end of the file: the reader then says the file was not
  // read whole.
  virtual bool Failed() const { return false; }

  // The last-write time in local time as DOS words; nullopt when the file system cannot give it or when the
  // DOS form cannot hold it.
  virtual std::optional<DosDateTime> LastWriteTime() = 0;
};

// What one read of a file's head gives: whether the file could be opened, how many bytes were read, and its
// last-write time (local DOS words; nullopt when the file system cannot give it or the DOS form cannot hold
// it).
struct FileHead {
  bool opened = false;
  size_t got = 0;
  std::optional<DosDateTime> lastWrite;
};

// A directory held open for reading many files in it: each costs one open, one status call for both the kind
// of file and its last-write time, one read and one close. ReadHead may be called from several threads at
// once.
class Directory {
 public:
  virtual ~Directory() = default;

  // Reads up to `size` bytes from the start of the regular file `name` in this directory. A name that does
  // not exist with its exact letter case is looked up ignoring ASCII letter case, as in FileSystem::OpenRead.
  virtual FileHead ReadHead(std::string_view name, void* buffer, size_t size) = 0;
};

// What a directory entry is, as the directory tells it, links not followed.
enum class EntryKind {
  kDirectory,
  kFile,
  kLink,   // a symbolic link, a Windows junction or any other reparse point, whatever it points at
  kOther,  // a FIFO, a device, a socket: never opened
};

// What names a directory itself, the same through every path that reaches it.
struct DirectoryIdentity {
  uint64_t volume = 0;
  uint64_t index = 0;
  bool operator==(const DirectoryIdentity&) const = default;
};

// Every call may be made from several threads at once: the full display's readers share one file system.
class FileSystem {
 public:
  using EntryCallback = std::function<void(std::string_view name)>;
  using KindCallback = std::function<void(std::string_view name, EntryKind kind)>;

  virtual ~FileSystem() = default;

  // Lists the entries of a directory in the order the file system returns them, "." and ".." included.
  // Returns false, without calling back, when `path` is not a directory that can be listed.
  virtual bool ListDirectory(std::string_view path, const EntryCallback& onEntry) = 0;

  // Whether `path` could be opened for listing (it is opened and closed again, nothing is read).
  virtual bool CanList(std::string_view path) = 0;

  // Opens an existing regular file for reading; nullptr when it is missing, is a directory, a device or a
  // pipe, or cannot be opened for any other reason.
  virtual std::unique_ptr<File> OpenRead(std::string_view path) = 0;

  // The size of an existing regular file, taken without opening it; nullopt when OpenRead would fail.
  virtual std::optional<uint64_t> FileSize(std::string_view path) = 0;

  // Opens a directory for reading the files in it; nullptr when it cannot be opened.
  virtual std::unique_ptr<Directory> OpenDirectory(std::string_view path) = 0;

  // Lists a directory's entries with what each one is ("." and ".." left out), without following links.
  // Returns false, without calling back, when `path` cannot be listed. File systems without links tell
  // directories from files by whether they can be listed.
  virtual bool ListEntries(std::string_view path, const KindCallback& onEntry);
  // The directory's identity, or nullopt where the file system cannot tell; a walk that meets one of its own
  // ancestors again has come round a loop.
  virtual std::optional<DirectoryIdentity> IdentityOf(std::string_view /*path*/) { return std::nullopt; }
};

// A directory whose files are read through their file system's paths, one OpenRead each: for file systems
// that have nothing faster (the in-memory ones of the tests).
class PathDirectory final : public Directory {
 public:
  PathDirectory(FileSystem& fs, std::string_view path) : fs_(fs), path_(path) {}
  FileHead ReadHead(std::string_view name, void* buffer, size_t size) override;

 private:
  FileSystem& fs_;
  std::string path_;
};

// The file system of the machine the program runs on.
FileSystem& NativeFileSystem();

}  // namespace tovir::fs

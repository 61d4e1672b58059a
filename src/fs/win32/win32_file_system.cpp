// Read-only file system access on Windows.
#include "fs/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/encoding.h"

namespace tovir::fs {

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  ~FileHandle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  FileHandle(FileHandle&& other) noexcept : h_(other.Detach()) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
      h_ = other.Detach();
    }
    return *this;
  }
  HANDLE get() const { return h_; }
  HANDLE Detach() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h;
  }

 private:
  HANDLE h_;
};

Fault FaultOf(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return Fault::kNone;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_PARAMETER:
      return Fault::kMissing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return Fault::kDenied;
    case ERROR_CANT_ACCESS_FILE:
    case ERROR_CANT_RESOLVE_FILENAME:
      return Fault::kLink;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
    case ERROR_NO_SYSTEM_RESOURCES:
    case ERROR_NOT_ENOUGH_QUOTA:
      return Fault::kExhausted;
    default:
      return Fault::kMedium;
  }
}

Fault LastFault() {
  return FaultOf(GetLastError());
}

std::wstring Wide(std::u16string_view utf16) {
  return std::wstring(utf16.begin(), utf16.end());
}

// A name as the program sees it: what a Japanese system's ANSI APIs would give, through the program's table.
std::string NarrowName(std::wstring_view name) {
  return Utf16ToCp932Lossy(std::u16string(name.begin(), name.end()));
}

// Whether the CP932 form of a name converts back to the very name.
bool IsExact(std::wstring_view name, std::string_view cp932) {
  auto back = Cp932ToUtf16Exact(cp932);
  return back && back->size() == name.size() && std::equal(back->begin(), back->end(), name.begin());
}

// A listing's disk name travels as the bytes of its UTF-16 units.
std::string DiskBytes(std::wstring_view name) {
  return std::string(reinterpret_cast<const char*>(name.data()), name.size() * sizeof(wchar_t));
}
std::wstring FromDiskBytes(std::string_view bytes) {
  std::wstring name(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(name.data(), bytes.data(), name.size() * sizeof(wchar_t));
  return name;
}

// Past MAX_PATH the plain form fails; the "\\?\" form has no such limit but takes the path literally, so it
// is kept for paths that need it.
std::wstring Extended(std::wstring wide) {
  if (wide.size() >= MAX_PATH - 12) {
    if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
    if (wide.rfind(L"\\\\", 0) == 0 && wide.rfind(L"\\\\?\\", 0) != 0 && wide.rfind(L"\\\\.\\", 0) != 0) {
      return L"\\\\?\\UNC\\" + wide.substr(2);
    }
  }
  return wide;
}

// Shared for deleting too: the CAD system may rename or delete a drawing while we read it, and must not be
// told the file is in use.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Whether an open handle is a file on a disk, not a directory, with its attributes and times. Names such as
// CON, NUL or COM1 open devices, and a pipe can block: only files on a disk are read. The basic information
// is asked for alone: GetFileInformationByHandle also asks for the volume's serial number, one more request
// to the file system per file (another round trip to a file server; under Wine, a call through the mount
// manager's process that costs more than the rest of the file's reading).
Fault DiskFileFault(HANDLE h, Links links, FILE_BASIC_INFO& info) {
  if (GetFileType(h) != FILE_TYPE_DISK) return Fault::kNotRegular;
  if (!GetFileInformationByHandleEx(h, FileBasicInfo, &info, sizeof info)) return LastFault();
  if ((info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Fault::kMissing;
  if (links == Links::kNever && (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
    return Fault::kLink;
  return Fault::kNone;
}

// Opens a file for reading; where links are never followed, the handle is the entry's own, a link included,
// and is refused when it is one.
Fault OpenFileHandle(const std::wstring& path, Links links, FileHandle& out, FILE_BASIC_INFO& info) {
  const DWORD flags = FILE_ATTRIBUTE_NORMAL | (links == Links::kNever ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
  FileHandle h(
      CreateFileW(Extended(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
  if (h.get() == INVALID_HANDLE_VALUE) return LastFault();
  if (Fault fault = DiskFileFault(h.get(), links, info); fault != Fault::kNone) return fault;
  out = std::move(h);
  return Fault::kNone;
}

std::optional<DosDateTime> DosTimeOf(const LARGE_INTEGER& time) {
  FILETIME written;
  written.dwLowDateTime = static_cast<DWORD>(time.QuadPart);
  written.dwHighDateTime = static_cast<DWORD>(static_cast<ULONGLONG>(time.QuadPart) >> 32);
  FILETIME local;
  WORD date = 0;
  WORD clock = 0;
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToDosDateTime(&local, &date, &clock)) {
    return std::nullopt;
  }
  return DosDateTime{date, clock};
}

class Win32File final : public File {
 public:
  explicit Win32File(HANDLE h) : h_(h) {}

  size_t Read(void* buffer, size_t size) override {
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < size) {
      DWORD chunk = static_cast<DWORD>(size - done > 0x40000000 ? 0x40000000 : size - done);
      DWORD got = 0;
      if (!ReadFile(h_.get(), out + done, chunk, &got, nullptr)) {
        failed_ = true;
        break;
      }
      if (got == 0) break;
      done += got;
    }
    return done;
  }

  bool Failed() const override { return failed_; }

  std::optional<DosDateTime> LastWriteTime() override {
    FILETIME written;
    if (!GetFileTime(h_.get(), nullptr, nullptr, &written)) return std::nullopt;
    LARGE_INTEGER time;
    time.LowPart = written.dwLowDateTime;
    time.HighPart = static_cast<LONG>(written.dwHighDateTime);
    return DosTimeOf(time);
  }

 private:
  FileHandle h_;
  bool failed_ = false;
};

// A path below a directory: a drive's root already ends in its separator.
std::wstring Child(const std::wstring& directory, std::wstring_view name) {
  std::wstring path = directory;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path.append(name);
  return path;
}

// Opens the listing of path + "\*.*". An existing directory with no entries at all (an empty drive root) can
// still be listed, it just has nothing to give.
HANDLE OpenListing(const std::wstring& path, WIN32_FIND_DATAW& data, Fault& fault) {
  const std::wstring pattern = Extended(Child(path, L"*.*"));
  HANDLE h = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                              FIND_FIRST_EX_LARGE_FETCH);
  fault = h == INVALID_HANDLE_VALUE ? LastFault() : Fault::kNone;
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
    DWORD attributes = GetFileAttributesW(Extended(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      fault = Fault::kNone;
    }
  }
  return h;
}

// Windows opens a file by its whole path as cheaply as relative to a handle, and its file system already
// ignores letter case: a directory is the path it was opened with, and each file one CreateFileW, one status
// call (kind and last-write time), one ReadFile and one CloseHandle. Where links are never followed, the
// directory is also held open, without sharing deletion, so that while anything below it is read it can be
// neither renamed nor replaced by a link; every entry below it is opened as itself (a link's own entry) and
// refused when it is a reparse point.
class Win32Directory final : public Directory {
 public:
  Win32Directory(std::wstring path, Links links, FileHandle held, bool listable)
      : path_(std::move(path)), links_(links), held_(std::move(held)), listable_(listable) {}

  Fault List(const EntryCallback& onEntry) override {
    WIN32_FIND_DATAW data;
    Fault fault = Fault::kNone;
    FindHandle listing(OpenListing(path_, data, fault));
    if (listing.get() == INVALID_HANDLE_VALUE) return fault;
    std::string name;
    std::string disk;
    do {
      const std::wstring_view wide = data.cFileName;
      if (wide == L"." || wide == L"..") continue;
      // A junction, a symbolic link or a mounted volume is a reparse point: never entered.
      const DWORD a = data.dwFileAttributes;
      const EntryKind kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? EntryKind::kLink
                             : (a & FILE_ATTRIBUTE_DIRECTORY) != 0   ? EntryKind::kDirectory
                             : (a & FILE_ATTRIBUTE_DEVICE) != 0      ? EntryKind::kOther
                                                                     : EntryKind::kFile;
      name = NarrowName(wide);
      disk = DiskBytes(wide);
      onEntry(Entry{name, disk, kind, IsExact(wide, name)});
    } while (FindNextFileW(listing.get(), &data));
    // The end of the listing, or a listing that broke off: only the error tells them apart.
    const DWORD error = GetLastError();
    if (error == ERROR_NO_MORE_FILES) return Fault::kNone;
    return FaultOf(error) == Fault::kExhausted ? Fault::kExhausted : Fault::kMedium;
  }

  bool Listable() const override { return listable_; }

  std::optional<DirectoryIdentity> Identity() override {
    FileHandle temporary;
    HANDLE h = held_.get();
    if (h == INVALID_HANDLE_VALUE) {
      temporary = FileHandle(CreateFileW(Extended(path_).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
      h = temporary.get();
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (h == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h, &info)) return std::nullopt;
    return DirectoryIdentity{info.dwVolumeSerialNumber,
                             (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  }

  Opened<Directory> OpenDirectory(Name name) override {
    std::wstring path;
    std::unique_ptr<Directory> parent;
    if (Fault fault = Place(name, path, parent); fault != Fault::kNone) return fault;
    return OpenDirectoryAt(std::move(path), links_);
  }

  Opened<File> OpenFile(Name name) override {
    std::wstring path;
    std::unique_ptr<Directory> parent;
    if (Fault fault = Place(name, path, parent); fault != Fault::kNone) return fault;
    FileHandle h;
    FILE_BASIC_INFO info;
    if (Fault fault = OpenFileHandle(path, links_, h, info); fault != Fault::kNone) return fault;
    return Opened<File>(std::make_unique<Win32File>(h.Detach()));
  }

  Fault FileSize(Name name, uint64_t& size) override {
    std::wstring path;
    std::unique_ptr<Directory> parent;
    if (Fault fault = Place(name, path, parent); fault != Fault::kNone) return fault;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Extended(path).c_str(), GetFileExInfoStandard, &data)) return LastFault();
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Fault::kMissing;
    if (links_ == Links::kNever && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      return Fault::kLink;
    }
    size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    return Fault::kNone;
  }

  FileHead ReadHead(Name name, void* buffer, size_t size) override {
    FileHead head;
    std::wstring path;
    std::unique_ptr<Directory> parent;
    if (head.fault = Place(name, path, parent); head.fault != Fault::kNone) return head;
    FileHandle h;
    FILE_BASIC_INFO info;
    head.fault = OpenFileHandle(path, links_, h, info);
    if (head.fault != Fault::kNone) return head;
    head.opened = true;
    head.lastWrite = DosTimeOf(info.LastWriteTime);
    DWORD got = 0;
    DWORD want = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
    if (want > 0 && !ReadFile(h.get(), buffer, want, &got, nullptr)) head.readFailed = true;
    head.got = got;
    return head;
  }

  // Opens the directory at `path`; `below` says whether links are followed below it. Its own last component
  // is refused when it is a link, unless `followThis` (the path a user named is followed wherever it leads).
  static Opened<Directory> OpenDirectoryAt(std::wstring path, Links below, bool followThis = false) {
    const DWORD attributes = GetFileAttributesW(Extended(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastFault();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Fault::kMissing;
    FileHandle held;
    if (below == Links::kNever) {
      const bool refuseLink = !followThis;
      if (refuseLink && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return Fault::kLink;
      held = FileHandle(
          CreateFileW(Extended(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING,
                      FILE_FLAG_BACKUP_SEMANTICS | (refuseLink ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr));
      if (held.get() == INVALID_HANDLE_VALUE) return LastFault();
      // Looked at again through the handle: the entry could have changed since its attributes were read.
      FILE_BASIC_INFO info;
      if (!GetFileInformationByHandleEx(held.get(), FileBasicInfo, &info, sizeof info)) return LastFault();
      if (refuseLink && (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return Fault::kLink;
      if ((info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Fault::kMissing;
    }
    // Opened for listing, as the program's listing opens it: a directory that lets us in but not list it.
    WIN32_FIND_DATAW data;
    Fault fault = Fault::kNone;
    FindHandle probe(OpenListing(path, data, fault));
    if (fault == Fault::kExhausted || fault == Fault::kMedium) return fault;
    return Opened<Directory>(
        std::make_unique<Win32Directory>(std::move(path), below, std::move(held), fault == Fault::kNone));
  }

 private:
  // The full path of the entry `name` below this directory. Where links are followed, a name holding
  // separators is left to Windows, as it would take such a path; where they are not, it is walked one
  // directory at a time, each checked, and "." and ".." do not lead out. `parent` keeps the last directory of
  // the walk held while its entry is opened.
  Fault Place(Name name, std::wstring& path, std::unique_ptr<Directory>& parent) {
    std::wstring wide;
    if (name.disk) {
      wide = FromDiskBytes(name.text);
    } else {
      if (name.text.empty() || name.text.find('\0') != std::string_view::npos) return Fault::kMissing;
      wide = Wide(Cp932ToUtf16(name.text));
    }
    if (links_ == Links::kFollow || name.disk) {
      path = Child(path_, wide);
      return Fault::kNone;
    }
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (size_t i = 0; i <= wide.size(); ++i) {
      if (i == wide.size() || wide[i] == L'\\' || wide[i] == L'/') {
        if (i > start) parts.push_back(wide.substr(start, i - start));
        start = i + 1;
      }
    }
    if (parts.empty()) return Fault::kMissing;
    std::wstring at = path_;
    for (size_t i = 0; i < parts.size(); ++i) {
      if (parts[i] == L"." || parts[i] == L"..") return Fault::kMissing;
      if (i + 1 == parts.size()) break;
      Opened<Directory> next = OpenDirectoryAt(Child(at, parts[i]), links_);
      if (!next) return next.fault;
      at = static_cast<Win32Directory&>(*next).path_;
      parent = std::move(next.handle);
    }
    path = Child(at, parts.back());
    return Fault::kNone;
  }

  std::wstring path_;  // full
  Links links_;
  FileHandle held_;
  bool listable_;
};

// A path made whole: relative paths and "." or ".." inside it resolved, so that the paths of everything below
// it can take the long form.
std::wstring FullPath(const std::wstring& wide) {
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::wstring full(needed, L'\0');
  DWORD got = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (got == 0 || got >= needed) return wide;
  full.resize(got);
  // "A:\" keeps its separator; any other directory is named without one.
  while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
  return full;
}

// An empty path would list the current directory's root; a NUL would cut the path short.
bool Unusable(std::string_view path) {
  return path.empty() || path.find('\0') != std::string_view::npos;
}

}  // namespace

std::wstring Win32FileSystem::WidePath(std::string_view path) {
  // The same conversion the ANSI file APIs make on a Japanese system.
  return Extended(Wide(Cp932ToUtf16(path)));
}

Opened<Directory> Win32FileSystem::OpenDirectory(std::string_view path, Links links) {
  if (Unusable(path)) return Fault::kMissing;
  // The path itself is followed wherever it leads: its user named it.
  return Win32Directory::OpenDirectoryAt(FullPath(Wide(Cp932ToUtf16(path))), links, true);
}

Opened<File> Win32FileSystem::OpenRead(std::string_view path) {
  if (Unusable(path)) return Fault::kMissing;
  FileHandle h;
  FILE_BASIC_INFO info;
  if (Fault fault = OpenFileHandle(WidePath(path), Links::kFollow, h, info); fault != Fault::kNone) {
    return fault;
  }
  return Opened<File>(std::make_unique<Win32File>(h.Detach()));
}

std::string Win32FileSystem::AbsolutePath(std::string_view path) {
  if (Unusable(path)) return std::string(path);
  const std::wstring full = FullPath(Wide(Cp932ToUtf16(path)));
  return Utf16ToCp932Lossy(std::u16string(full.begin(), full.end()));
}

std::string Win32FileSystem::Describe(std::string_view diskName) {
  const std::wstring name = FromDiskBytes(diskName);
  return DescribeUtf16(std::u16string(name.begin(), name.end()));
}

FileSystem& NativeFileSystem() {
  static Win32FileSystem instance;
  return instance;
}

}  // namespace tovir::fs

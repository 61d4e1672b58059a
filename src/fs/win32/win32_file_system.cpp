// Read-only file system access on Windows.
#include "fs/win32/win32_file_system.h"

#include <windows.h>

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
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return h_; }
  HANDLE Detach() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h;
  }

 private:
  HANDLE h_;
};

// A name as the program sees it: what a Japanese system's ANSI APIs would give, through the program's table.
std::string NarrowName(const wchar_t* name) {
  return Utf16ToCp932Lossy(std::u16string(name, name + wcslen(name)));
}

// Shared for deleting too: the CAD system may rename or delete a drawing while we read it, and must not be
// told the file is in use.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Whether an open handle is a file on a disk, not a directory, with its attributes and times. Names such as
// CON, NUL or COM1 open devices, and a pipe can block: only files on a disk are read. The basic information
// is asked for alone: GetFileInformationByHandle also asks for the volume's serial number, one more request
// to the file system per file (another round trip to a file server; under Wine, a call through the mount
// manager's process that costs more than the rest of the file's reading).
bool IsDiskFile(HANDLE h, FILE_BASIC_INFO& info) {
  if (GetFileType(h) != FILE_TYPE_DISK) return false;
  return GetFileInformationByHandleEx(h, FileBasicInfo, &info, sizeof info) &&
         (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// An empty path would list the current directory's root; a NUL would cut the path short.
bool Unusable(std::string_view path) {
  return path.empty() || path.find('\0') != std::string_view::npos;
}

// Opens the listing of path + "\*.*". An existing directory with no entries at all (an empty drive root) can
// still be listed, it just has nothing to give.
HANDLE OpenListing(std::string_view path, WIN32_FIND_DATAW& data, bool& empty) {
  empty = false;
  std::wstring pattern = Win32FileSystem::WidePath(path) + L"\\*.*";
  HANDLE h = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                              FIND_FIRST_EX_LARGE_FETCH);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
    DWORD attributes = GetFileAttributesW(Win32FileSystem::WidePath(path).c_str());
    empty = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  return h;
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
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    if (!GetFileTime(h_.get(), nullptr, nullptr, &written)) return std::nullopt;
    if (!FileTimeToLocalFileTime(&written, &local)) return std::nullopt;
    if (!FileTimeToDosDateTime(&local, &date, &time)) return std::nullopt;
    return DosDateTime{date, time};
  }

 private:
  FileHandle h_;
  bool failed_ = false;
};

// Windows opens a file by its whole path as cheaply as relative to a handle, and its file system already
// ignores letter case: the directory is the path it was opened with, and each file one CreateFileW, one
// GetFileInformationByHandle (kind and last-write time), one ReadFile and one CloseHandle.
class Win32Directory final : public Directory {
 public:
  explicit Win32Directory(std::string_view path) : path_(path) { path_ += '\\'; }

  FileHead ReadHead(std::string_view name, void* buffer, size_t size) override {
    FileHead head;
    if (Unusable(name)) return head;
    std::wstring wide = Win32FileSystem::WidePath(path_ + std::string(name));
    FileHandle h(CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) return head;
    FILE_BASIC_INFO info;
    if (!IsDiskFile(h.get(), info)) return head;
    head.opened = true;
    FILETIME written;
    written.dwLowDateTime = static_cast<DWORD>(info.LastWriteTime.QuadPart);
    written.dwHighDateTime = static_cast<DWORD>(static_cast<ULONGLONG>(info.LastWriteTime.QuadPart) >> 32);
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    if (FileTimeToLocalFileTime(&written, &local) && FileTimeToDosDateTime(&local, &date, &time)) {
      head.lastWrite = DosDateTime{date, time};
    }
    DWORD got = 0;
    DWORD want = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
    if (want > 0 && ReadFile(h.get(), buffer, want, &got, nullptr)) head.got = got;
    return head;
  }

 private:
  std::string path_;
};

}  // namespace

std::wstring Win32FileSystem::WidePath(std::string_view path) {
  // The same conversion the ANSI file APIs make on a Japanese system.
  const std::u16string utf16 = Cp932ToUtf16(path);
  std::wstring wide(utf16.begin(), utf16.end());
  // Past MAX_PATH the plain form fails; the "\\?\" form has no such limit but takes the path literally, so it
  // is kept for paths that need it.
  if (wide.size() >= MAX_PATH - 12) {
    if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
    if (wide.rfind(L"\\\\", 0) == 0 && wide.rfind(L"\\\\?\\", 0) != 0 && wide.rfind(L"\\\\.\\", 0) != 0) {
      return L"\\\\?\\UNC\\" + wide.substr(2);
    }
  }
  return wide;
}

namespace {

// Calls `each` with every entry path + "\*.*" finds; false when the directory cannot be listed.
template <typename Each>
bool ForEachFound(std::string_view path, Each each) {
  if (Unusable(path)) return false;
  WIN32_FIND_DATAW data;
  bool empty = false;
  FindHandle listing(OpenListing(path, data, empty));
  if (listing.get() == INVALID_HANDLE_VALUE) return empty;
  do {
    each(data);
  } while (FindNextFileW(listing.get(), &data));
  return true;
}

}  // namespace

bool Win32FileSystem::ListDirectory(std::string_view path, const EntryCallback& onEntry) {
  return ForEachFound(path, [&](const WIN32_FIND_DATAW& data) { onEntry(NarrowName(data.cFileName)); });
}

bool Win32FileSystem::CanList(std::string_view path) {
  if (Unusable(path)) return false;
  WIN32_FIND_DATAW data;
  bool empty = false;
  FindHandle listing(OpenListing(path, data, empty));
  return listing.get() != INVALID_HANDLE_VALUE || empty;
}

std::unique_ptr<File> Win32FileSystem::OpenRead(std::string_view path) {
  if (Unusable(path)) return nullptr;
  std::wstring wide = WidePath(path);
  FileHandle h(CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (h.get() == INVALID_HANDLE_VALUE) return nullptr;
  FILE_BASIC_INFO info;
  if (!IsDiskFile(h.get(), info)) return nullptr;
  return std::make_unique<Win32File>(h.Detach());
}

std::optional<uint64_t> Win32FileSystem::FileSize(std::string_view path) {
  if (Unusable(path)) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::unique_ptr<Directory> Win32FileSystem::OpenDirectory(std::string_view path) {
  if (Unusable(path)) return nullptr;
  DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return nullptr;
  return std::make_unique<Win32Directory>(path);
}

bool Win32FileSystem::ListEntries(std::string_view path, const KindCallback& onEntry) {
  return ForEachFound(path, [&](const WIN32_FIND_DATAW& data) {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") return;
    // A junction, a symbolic link or a mounted volume is a reparse point: never entered.
    const DWORD a = data.dwFileAttributes;
    const EntryKind kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? EntryKind::kLink
                           : (a & FILE_ATTRIBUTE_DIRECTORY) != 0   ? EntryKind::kDirectory
                           : (a & FILE_ATTRIBUTE_DEVICE) != 0      ? EntryKind::kOther
                                                                   : EntryKind::kFile;
    onEntry(NarrowName(data.cFileName), kind);
  });
}

std::optional<DirectoryIdentity> Win32FileSystem::IdentityOf(std::string_view path) {
  if (Unusable(path)) return std::nullopt;
  FileHandle h(CreateFileW(WidePath(path).c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (h.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h.get(), &info)) return std::nullopt;
  return DirectoryIdentity{info.dwVolumeSerialNumber,
                           (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

FileSystem& NativeFileSystem() {
  static Win32FileSystem instance;
  return instance;
}

}  // namespace tovir::fs

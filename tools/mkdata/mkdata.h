// Builds drawing-data folders (group directories, index files, drawing files) for tests, benchmarks and the
// bundled sample. Names and texts are CP932 byte strings, as inside the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dos_time.h"

namespace tovir::mkdata {

inline constexpr size_t kHeaderSize = 64;
inline constexpr size_t kRecordSize = 192;

// One drawing record as the CAD system writes it; fields longer than their place are cut, shorter ones padded
// with blanks.
struct Record {
  char status = '1';       // "0" marks a deleted drawing
  std::string fileNumber;  // 6 bytes
  std::string pn;          // 16 bytes
  std::string fn;          // 4 bytes
};

// The 192 bytes of a record.
std::string EncodeRecord(const Record& record);
// A 64-byte header followed by the given raw records, each taken byte for byte.
std::string IndexFileBytes(const std::vector<std::string>& rawRecords);
// A drawing file of `size` bytes (at least 160 unless given smaller) holding `note` at offset 104,
// NUL-padded.
std::string DrawingFileBytes(std::string_view note, size_t size = 256);

// Writing. Every path is a CP932 path with the platform's separator; parent directories are created as
// needed.
bool MakeDirectories(std::string_view path);
bool WriteFile(std::string_view path, std::string_view bytes);
bool AppendFile(std::string_view path, std::string_view bytes);
// Sets a file's last-write time so that the program reads it back as this local time.
bool SetLastWriteTime(std::string_view path, const CivilTime& localTime);
// Appends `bytes` to index file `name` of `group` in `folder`, writing a header first when the file is new.
bool AppendRawRecords(std::string_view folder, std::string_view group, std::string_view name,
                      std::string_view bytes);
// Removes a directory tree; for tests cleaning up after themselves.
void RemoveTree(std::string_view path);

struct Options {
  int groups = 2;
  int usersPerGroup = 3;
  int drawingsPerUser = 20;
  uint64_t seed = 1;
  bool indexOnly = false;  // index files only: no user directories, no drawing files
};

struct Summary {
  int groups = 0;
  int indexFiles = 0;
  long long drawings = 0;
};

// The user of index file `u` (from 0) of a made-up group: a few made-up names first, then "U" and the number
// while that fits the six bytes an index file name gives its user, then a letter from "V" on and five base-36
// digits. Every user of a group has a name of its own, so no index file overwrites another however many there
// are.
std::string UserName(int u);

// Fills `folder` with groups, users and drawings made up from `options.seed`: the same options always give
// the same bytes, names and times.
std::optional<Summary> Generate(std::string_view folder, const Options& options);

// Fills `root` with an archive of `folders` drawing-data folders, as copies of removable media are kept:
// root/1995/disk000/MCADAM, root/1995/disk001/MCADAM, ... (a hundred disks a year), each made up as Generate
// makes one, from `options.seed` plus the folder's number.
std::optional<Summary> GenerateArchive(std::string_view root, int folders, const Options& options);

// Fills `folder` with drawings whose names and notes hold every CP932 code, each whole in some field: every
// single byte, and every lead byte followed by every byte. A second group, and its user, are named with the
// single bytes that only code page 932 has (0x80, 0xA0, 0xFD to 0xFF).
std::optional<Summary> GenerateEveryCode(std::string_view folder);

}  // namespace tovir::mkdata

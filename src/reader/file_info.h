// Reads a drawing file's update date and note.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "fs/file_system.h"

namespace tovir {

inline constexpr size_t kNoteOffset = 104;
inline constexpr size_t kNoteSize = 56;

struct FileInfo {
  bool opened = false;
  std::string updateDate;  // "yy/mm/dd hh:mm", or empty when the file has no time the DOS form can hold
  std::string note;        // up to 56 bytes, untrimmed, ended by the first NUL
};

// The group directory of an index directory path, with its trailing separator: the path cut after its last
// separator (or drive colon) that is a character of its own.
std::string_view GroupDirectoryOf(std::string_view indexDirectory);

// The path of a drawing file: group directory + user + separator + drawing file name.
std::string DrawingFilePath(std::string_view indexDirectory, std::string_view user,
                            std::string_view drawingFile);

// Opens the drawing file of `user` named `drawingFile` in the group of `indexDirectory` and reads its update
// date and note. `opened` is false, and nothing else is set, when it cannot be opened.
FileInfo ReadFileInfo(fs::FileSystem& fs, std::string_view indexDirectory, std::string_view user,
                      std::string_view drawingFile);

// Reads the update dates and notes of the drawings of one group, as the full display does for every drawing:
// each user directory is opened once, at its first drawing, and every drawing file is then read relative to
// it with one open, one status call, one read and one close.
class DrawingFileReader {
 public:
  DrawingFileReader(fs::FileSystem& fs, std::string_view indexDirectory);
  DrawingFileReader(const DrawingFileReader&) = delete;
  DrawingFileReader& operator=(const DrawingFileReader&) = delete;

  // The same result as ReadFileInfo for the same user and drawing file name.
  FileInfo Read(std::string_view user, std::string_view drawingFile);

 private:
  fs::FileSystem& fs_;
  std::string group_;  // the group directory with its trailing separator
  // The user directories opened so far; a null entry is one that could not be opened. A group has one user
  // per index file, so this stays small; past a limit the handles are given back and opened again as needed.
  std::map<std::string, std::unique_ptr<fs::Directory>, std::less<>> directories_;
};

}  // namespace tovir

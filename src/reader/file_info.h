// Reads a drawing file's update date and note.
#pragma once

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

}  // namespace tovir

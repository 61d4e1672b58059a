// Reads a drawing file's update date and note.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"
#include "reader/read_ahead.h"

namespace tovir {

inline constexpr size_t kNoteOffset = 104;
inline constexpr size_t kNoteSize = 56;

struct FileInfo {
  bool opened = false;
  fs::Fault fault = fs::Fault::kMissing;  // why it was not opened; kNone when it was
  bool readFailed = false;                // opened, then its reading failed: the note may be cut short
  std::string updateDate;  // "yy/mm/dd hh:mm", or empty when the file has no time the DOS form can hold
  std::string note;        // up to 56 bytes, untrimmed, ended by the first NUL

  // Whether the medium or the machine kept it from being read, rather than the data not holding it: what
  // is then missing must be said.
  bool Failed() const { return readFailed || fs::IsFailure(fault); }
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
// it with one open, one status call, one read and one close. Read may be called from several threads at once.
class DrawingFileReader {
 public:
  // Opens the directory of a user of the group.
  using UserDirectoryOpener = std::function<fs::Opened<fs::Directory>(std::string_view user)>;

  // The user directories of the group of `indexDirectory`, opened by their paths.
  DrawingFileReader(fs::FileSystem& fs, std::string_view indexDirectory);
  // The user directories as `open` opens them.
  explicit DrawingFileReader(UserDirectoryOpener open) : open_(std::move(open)) {}
  DrawingFileReader(const DrawingFileReader&) = delete;
  DrawingFileReader& operator=(const DrawingFileReader&) = delete;

  // The same result as ReadFileInfo for the same user and drawing file name.
  FileInfo Read(std::string_view user, std::string_view drawingFile);

  // A user directory, opened by the first reader that needs it while the others wait for it.
  class UserDirectory;
  // The directory of `user`, for reading many of its files with ReadIn; kept open while anyone holds it.
  std::shared_ptr<UserDirectory> DirectoryOf(std::string_view user);
  FileInfo ReadIn(UserDirectory& directory, std::string_view drawingFile);

  // Gives back every user directory handle nobody holds, as for a call that ran out of file descriptors; each
  // is opened again when next needed.
  void Relieve();

 private:
  UserDirectoryOpener open_;
  // The user directories opened so far. A group has one user per index file, so this stays small; past a
  // limit the handles are given back (each once its last reader is done with it) and opened again as needed.
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<UserDirectory>, std::less<>> directories_;
};

class DrawingFileReader::UserDirectory {
 public:
  explicit UserDirectory(std::string user) : user_(std::move(user)) {}
  // The open directory, or null and why it cannot be opened. An open that ran out of file descriptors or
  // memory is tried again the next time.
  fs::Directory* Open(const UserDirectoryOpener& open, fs::Fault& fault);

 private:
  std::mutex mutex_;
  std::string user_;
  bool tried_ = false;
  fs::Fault fault_ = fs::Fault::kNone;
  std::unique_ptr<fs::Directory> directory_;
};

// The full display's reading: the drawing files of one group read ahead by up to `readers` threads through a
// DrawingFileReader, their results taken back in the order they were asked for. The caller asks for drawings
// in row order while there is room, and takes each result in turn; the user and file names are copied, so the
// readers never see the drawing table. Memory stays the same whatever the group's size: a ring of small
// slots.
class DrawingFileReadAhead {
 public:
  DrawingFileReadAhead(fs::FileSystem& fs, std::string_view indexDirectory, size_t readers);

  // How many more drawings to ask for now: none until a run of slots is free (or none is pending), so that
  // the readers are woken once for many drawings.
  size_t Room() const;
  // Asks for the next drawing; it goes to the readers with the others asked for at the next Take.
  void Request(std::string_view user, std::string_view drawingFile);
  // Waits at most `timeout` for the oldest drawing asked for and not yet taken; when it is there, takes its
  // result into `info` and gives true. What its reading threw is thrown here.
  bool Take(FileInfo& info, std::chrono::milliseconds timeout);

  // No drawing not yet begun will be read; those being read are finished and their files closed.
  void Stop() { pool_.Stop(); }
  // Waits at most `timeout` for those (after Stop or Pause); true when none is being read any more.
  bool WaitStopped(std::chrono::milliseconds timeout) { return pool_.WaitStopped(timeout); }

  // For a result that ran out of file descriptors or memory: no drawing begins until ReadAlone, so that the
  // readers in flight finish and give theirs back (WaitStopped says when).
  void Pause() { pool_.Pause(); }
  // Then the drawing again, on the calling thread, with every user directory given back first; the readers
  // go on afterwards, half as many.
  FileInfo ReadAlone(std::string_view user, std::string_view drawingFile);

 private:
  struct Slot {
    std::string user;
    std::string file;
    FileInfo info;
  };
  // The user directory each reader used last: drawings of one user come one after another.
  struct LastDirectory {
    std::string user;
    std::shared_ptr<DrawingFileReader::UserDirectory> directory;
  };
  void Work(size_t slot, size_t reader);

  DrawingFileReader reader_;
  std::vector<Slot> slots_;
  std::vector<LastDirectory> last_;
  size_t asked_ = 0;    // asked for and not yet handed to the readers
  ReadAheadPool pool_;  // last: its threads stop before the slots and the reader go
};

}  // namespace tovir

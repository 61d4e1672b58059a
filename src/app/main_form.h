// TForm1: the main window. Its controls and private members are the program's whole state; its handlers are
// the program's behaviour, the same over every backend.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"
#include "export/copy.h"
#include "fs/file_system.h"
#include "kit/controls.h"
#include "reader/drawing_table.h"
#include "reader/file_info.h"
#include "reader/read_ahead.h"
#include "view/drawing_rows.h"

namespace tovir {

class TForm2;
class TForm4;
class TForm5;

class TForm1 : public kit::TForm {
 public:
  // The longest path the intake takes (its buffer holds 259 bytes and a terminating zero), and the longest
  // name the shell hands over for a dropped item.
  static constexpr size_t kMaxPath = 259;
  static constexpr size_t kMaxDroppedName = 254;

  // What went wrong in an intake or a group load, for callers that need more than the status line.
  enum class LoadProblem {
    kNone,
    kRefused,           // the path is not a drawing-data folder
    kFolderUnreadable,  // the folder exists but could not be listed: the medium or the machine failed
    kGroupsCut,        // groups may be missing: the folder's listing broke off, or groups could not be opened
    kNotVer3,          // the group has no index directory that can be listed
    kIndexListingCut,  // index files may be missing: the index directory's listing broke off
    kUnreadableIndexFiles,    // index files passed over
    kUnreadableDrawingFiles,  // drawing files the medium or the machine kept from being read
    kTooManyDrawings,         // the drawings did not all fit in memory
    kOutOfMemory,             // the load ran out of memory and shows nothing
  };
  struct Problem {
    LoadProblem kind = LoadProblem::kNone;
    std::string text;  // as the status line says it
  };

  // The window's design: its frame and every control's layout.
  static const kit::FormLayout& Design();

  // Creates the window, wires its controls' events to the handlers below and runs FormCreate, which takes
  // args[0], if there is one, as a drawing-data folder.
  // `startDisplay` is the display item chosen before the folder is taken (0 short, 1 full): the program
  // starts with the short one; tovir-cli asks for the full one so that it loads the group only once.
  // `readers`: how many threads read the index files and drawing files ahead (1 makes the file calls in the
  // order of a plain loop).
  TForm1(kit::Application& app, fs::FileSystem& fs, const std::vector<std::string>& args,
         int startDisplay = 0, size_t readers = kDefaultReaders);
  // The windows created after this one.
  void AttachWindows(TForm2& form2, TForm4& form4, TForm5& form5);

  // Event handlers.
  void FormCreate(const std::vector<std::string>& args);
  void FormCloseQuery(bool& canClose);
  void Exit1Click();
  void WMDropFiles(std::string_view firstItem);
  void ListBox1Click();
  void RadioGroup1Click();
  void ListBox13MouseDown(kit::MouseButton button, kit::ShiftState shift, int x, int y);
  void BitBtn1Click();
  void Copy1Click();
  void Copy2Click();
  void Copy3Click();
  void Copy4Click();
  void p1Click() { Copy1Click(); }
  void p2Click() { Copy2Click(); }
  void p3Click() { Copy3Click(); }
  void p4Click() { Copy4Click(); }
  void htukiClick();
  void hnasiClick();
  void K1Click();
  void About1Click();

  // The stages of loading a group, and the drawing file reader.
  bool ScanGroups(std::string_view folder);
  // `reachable` is false for a group whose name CP932 cannot hold exactly: it loads as a group without an
  // index directory, since its name could lead only to another entry.
  void ScanIndexDirectory(std::string_view indexDirectory, bool reachable = true);
  void ReadIndexFiles();
  void FillDrawingList();
  FileInfo ReadFileInfo(size_t drawing);

  // The private members, for display and inspection.
  const std::string& GetCurrentGroup() const { return CurrentGroup; }
  int GetForceReload() const { return ForceReload; }
  int GetSearchRow() const { return SearchRow; }
  int GetSearchHit() const { return SearchHit; }
  int GetReadCancelled() const { return ReadCancelled; }
  // The problems of the last intake (the folder's own), and of the last group load, in the order they were
  // met; LastProblem is the last of either.
  const std::vector<Problem>& IntakeProblems() const { return intakeProblems_; }
  const std::vector<Problem>& LoadProblems() const { return loadProblems_; }
  LoadProblem LastProblem() const;
  // Every position the last full display set on the progress bar, in order.
  const std::vector<int>& ProgressTrace() const { return progressTrace_; }
  // The pass of the running full display (the drawing being read, from 0), or -1 when none runs.
  int ReadingPass() const { return readingPass_; }
  // How many full displays have begun since the window was made: tells a new reading from the same one seen
  // again (messages are processed many times at one pass while a reader is awaited).
  int Readings() const { return readings_; }
  // The rows read so far and the progress bar drawn at once, whatever the pacing of redraws has held back:
  // for the moments the reading stands still.
  void ShowReadingNow();

  // Controls shown in the window, in the order they are created.
  kit::TBevel Bevel1;
  kit::TLabel Label8;
  kit::TEdit Edit8;
  kit::TLabel Label1;
  kit::TListBox ListBox1;
  kit::TLabel Label2;
  kit::TListBox ListBox8;
  kit::TRadioGroup RadioGroup1;
  kit::TLabel Label11;
  kit::TEdit Edit10;
  kit::TButton BitBtn1;
  kit::TLabel Label5;
  kit::TLabel Label3;
  kit::TLabel Label4;
  kit::TLabel Label6;
  kit::TLabel Label7;
  kit::TLabel Label12;
  kit::TListBox ListBox13;
  kit::TProgressBar ProgressBar1;
  kit::TStatusBar StatusBar1;
  kit::TMenu MainMenu1;
  kit::TMenu PopupMenu1;
  kit::TMenuItem& htuki;
  kit::TMenuItem& hnasi;

  // The most drawings a group's table holds: as many as memory allows unless set lower. Past it a group shows
  // the drawings that fit and says so on the status line.
  void SetDrawingLimit(size_t limit) { drawingLimit_ = limit; }

  // The copy text of a copy command, handed to `write` in pieces of about `chunkBytes` as it is made, exactly
  // as the command would put it on the clipboard; nothing when it would leave the clipboard as it is.
  void StreamCopy(CopyCommand command, size_t chunkBytes, const std::function<void(std::string_view)>& write);

  // Hidden lists and edits, never shown. The per-drawing and per-row lists are views of the drawing table.
  StringList ListBox2{StringList::Order::kSorted};  // the shown group's index file names ("MC..."), sorted
  const RowSource& ListBox3;   // per drawing: its user, from the name of the index file that holds it
  const RowSource& ListBox4;   // per drawing: its name "PN,FN", padded with blanks
  const RowSource& ListBox5;   // per drawing: the name of its drawing file in the user's folder
  const RowSource& ListBox9;   // per row: the drawing's note (full display; empty in the short one)
  const RowSource& ListBox12;  // per row: the drawing's update date and time (full display; empty in short)
  std::string Edit0;           // the shown group's index directory
  std::string Edit6;           // the drawing-data folder exactly as it was dropped or given
  std::string Edit7;           // the copy commands' text, empty between commands

 private:
  // Fills both menus from the menu table, wires their items to the handlers and returns htuki.
  kit::TMenuItem& BuildMenus();
  void Intake(std::string_view path, bool dropped);
  // Every list but the group list, in the order a load empties them.
  void ClearGroupLists();
  void LoadGroup(const std::string& indexDirectory, bool reachable);
  // A load that failed half-way (memory ran out, the file layer threw) shows nothing rather than lists out of
  // step; running out of memory is said on the status line. The exception goes on to be reported.
  void FailLoad(bool outOfMemory);
  void FullDisplay();
  // After messages were processed inside the reading: whether it goes on. A cancel ends it with a beep; input
  // that waits for the reading to end, and the program's end, end it silently.
  bool ReadingGoesOn();
  // The next drawing's result, taken as soon as it is there; messages are processed while it is not, so the
  // windows live and hear Cancel even while one file's open hangs. False when the reading ends meanwhile.
  bool AwaitFileInfo(DrawingFileReadAhead& readAhead, FileInfo& info);
  // A drawing file whose open ran out of file descriptors or memory, read again once the readers in flight
  // have given theirs back; false when the reading ends meanwhile.
  bool ReadAgainAlone(DrawingFileReadAhead& readAhead, size_t drawing, FileInfo& info);
  // No drawing file not yet begun is read; those being read are finished and closed, with messages processed
  // meanwhile, so that nothing outlives the reading.
  void StopReaders(DrawingFileReadAhead& readAhead);
  // However the full display's reading ends: the reading state, both bars and the progress window back as
  // they were, then whatever input waited.
  void EndReading();
  void ReportError(std::string_view message);
  // Says a problem of the intake or the load on the status line, with the beep unless it is only a note, and
  // records it for the callers that need it.
  void Report(std::vector<Problem>& problems, LoadProblem kind, std::string text, bool beep = true);
  void CopyClick(CopyCommand command);
  void Copy(CopyCommand command, bool heading);
  // What a copy command takes: the rows, the selection (asked of the list once), the heading.
  CopyRequest CopyRequestFor(CopyCommand command, const CopyRows& rows, std::vector<size_t>& selected,
                             bool heading);
  void Search(const std::string& text);
  // The trimmed name of the group the group list's selection would load, or nothing when a click on it has
  // nothing to re-read.
  std::optional<std::string> GroupToLoad() const;

  // What waits while the full display reads, in the order it came: a drop, a group click or a display change
  // (which reload the lists, and end the reading at its next pass), or input given after one of them.
  enum class Waiting { kIntake, kReload, kAfterReload };
  bool DeferWhileReading(std::function<void()> action, Waiting kind = Waiting::kReload);
  bool Waits(Waiting kind) const;
  void RunDeferred();

  kit::Application& app_;
  fs::FileSystem& fs_;
  const size_t readers_;

  // The drawing table of the shown group and the rows of the drawing list composed from it.
  CompactDrawingTable table_;
  size_t drawingLimit_ = static_cast<size_t>(-1);
  DrawingRows rows_{table_};
  TableColumn users_{table_, TableColumn::Column::kUser};
  TableColumn names_{table_, TableColumn::Column::kName};
  TableColumn files_{table_, TableColumn::Column::kFileName};
  RowColumn notes_{rows_, RowColumn::Column::kNote};
  RowColumn dates_{rows_, RowColumn::Column::kUpdateDate};
  TForm2* form2_ = nullptr;
  TForm4* form4_ = nullptr;
  TForm5* form5_ = nullptr;

  std::string CurrentGroup;
  int ForceReload = 0;
  int SearchRow = 0;
  int SearchHit = 0;
  int ReadCancelled = 0;
  std::vector<Problem> intakeProblems_;
  std::vector<Problem> loadProblems_;

  bool reading_ = false;
  int readingPass_ = -1;
  int readings_ = 0;
  std::vector<int> progressTrace_;
  struct Deferred {
    std::function<void()> action;
    Waiting kind;
  };
  std::deque<Deferred> deferred_;
  bool runningDeferred_ = false;
};

}  // namespace tovir

// TForm1: the main window's behaviour.
#include "app/main_form.h"

#include <chrono>
#include <exception>
#include <new>
#include <optional>
#include <span>
#include <utility>

#include "app/menus.h"
#include "base/cp932.h"
#include "base/messages.h"
#include "base/path.h"
#include "export/copy.h"
#include "forms/info_windows.h"
#include "forms/progress_window.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"
#include "reader/problems.h"
#include "view/rows.h"

namespace tovir {

namespace {

using Order = StringList::Order;
using Selection = kit::TListBox::Selection;

// The longest the windows go without their messages while the full display waits for a reader, however long
// the medium takes: the progress window animates and Cancel is heard within a tenth of a second.
constexpr std::chrono::milliseconds kMessageSlice{50};

std::string Cat(std::string_view a, std::string_view b) {
  std::string out(a);
  out += b;
  return out;
}

// The drive display: the first character of the path (a double-byte character is kept whole).
std::string_view FirstCharacter(std::string_view path) {
  if (path.empty()) return {};
  return path.substr(0, IsLeadByte(static_cast<unsigned char>(path[0])) && path.size() > 1 ? 2 : 1);
}

}  // namespace

TForm1::TForm1(kit::Application& app, fs::FileSystem& fs, const std::vector<std::string>& args,
               int startDisplay, size_t readers)
    : kit::TForm(app, Design(), true),
      Bevel1(*this, "Bevel1"),
      Label8(*this, "Label8"),
      Edit8(*this, "Edit8"),
      Label1(*this, "Label1"),
      ListBox1(*this, "ListBox1", Order::kSorted, Selection::kSingle),
      Label2(*this, "Label2"),
      ListBox8(*this, "ListBox8", Order::kSorted, Selection::kSingle),
      RadioGroup1(*this, "RadioGroup1", {std::string(msg::kRadioShort), std::string(msg::kRadioAll)}, 0),
      Label11(*this, "Label11"),
      Edit10(*this, "Edit10"),
      BitBtn1(*this, "BitBtn1"),
      Label5(*this, "Label5"),
      Label3(*this, "Label3"),
      Label4(*this, "Label4"),
      Label6(*this, "Label6"),
      Label7(*this, "Label7"),
      Label12(*this, "Label12"),
      ListBox13(*this, "ListBox13", Order::kAdded, Selection::kExtended),
      ProgressBar1(*this, "ProgressBar1"),
      StatusBar1(*this, "StatusBar1"),
      MainMenu1(*this, "MainMenu1", kit::TMenu::Kind::kMainMenu),
      PopupMenu1(*this, "PopupMenu1", kit::TMenu::Kind::kPopupMenu),
      htuki(BuildMenus()),
      hnasi(*MainMenu1.Find("hnasi")),
      ListBox3(users_),
      ListBox4(names_),
      ListBox5(files_),
      ListBox9(notes_),
      ListBox12(dates_),
      app_(app),
      fs_(fs),
      readers_(readers) {
  ListBox13.SetRows(&rows_);
  if (startDisplay != 0) RadioGroup1.SetItemIndex(startDisplay);
  Menu = &MainMenu1;
  ListBox13.PopupMenu = &PopupMenu1;
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnDropFiles = [this](const std::vector<std::string>& names) {
    if (!names.empty()) WMDropFiles(names[0]);
  };
  ListBox1.OnClick = [this] { ListBox1Click(); };
  RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
  ListBox13.OnMouseDown = [this](kit::MouseButton button, kit::ShiftState shift, int x, int y) {
    ListBox13MouseDown(button, shift, x, y);
  };
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  FormCreate(args);
}

kit::TMenuItem& TForm1::BuildMenus() {
  // Runs while the window is being constructed: the two menus exist, the rest of the members may not yet.
  auto fill = [this](kit::TMenu& menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
      kit::TMenuItem& item = menu.Add(entry.name, entry.parent, entry.caption, entry.shortcut, entry.checked);
      if (entry.handler != nullptr) item.OnClick = [this, handler = entry.handler] { (this->*handler)(); };
    }
  };
  fill(MainMenu1, MainMenu());
  fill(PopupMenu1, PopupMenu());
  return *MainMenu1.Find("htuki");
}

void TForm1::AttachWindows(TForm2& form2, TForm4& form4, TForm5& form5) {
  form2_ = &form2;
  form4_ = &form4;
  form5_ = &form5;
  form2_->SetCancelTarget(&ReadCancelled);
}

void TForm1::FormCreate(const std::vector<std::string>& args) {
  Peer().DeleteSystemMenuEntry(2);  // the Size command of a sizeable window's system menu
  ForceReload = 0;
  Label12.SetCaption("");
  Peer().AcceptDroppedFiles();
  // The progress, usage and version windows do not exist yet; the display mode is the short one, so the
  // intake never needs them.
  if (!args.empty()) Intake(args[0], false);
}

void TForm1::FormCloseQuery(bool& canClose) {
  // Nothing to save and nothing to ask; a full display that is reading ends at its next pass.
  canClose = true;
}

void TForm1::Exit1Click() {
  Close();
}

void TForm1::WMDropFiles(std::string_view firstItem) {
  std::string name(firstItem.substr(0, kMaxDroppedName));
  if (DeferWhileReading([this, name] { WMDropFiles(name); }, Waiting::kIntake)) return;
  Intake(name, true);
}

void TForm1::Intake(std::string_view path, bool dropped) {
  intakeProblems_.clear();
  loadProblems_.clear();
  StatusBar1.SetSimpleText("");
  Edit8.Clear();
  ListBox1.Clear();
  ClearGroupLists();
  Edit6.assign(CutAtNul(path));
  // A command-line argument longer than the path buffer is refused like any other path that is not a folder.
  if (Edit6.size() > kMaxPath || !IsDrawingDataFolder(Edit6)) {
    Report(intakeProblems_, LoadProblem::kRefused, std::string(msg::kMsgDropMcadam));
    return;
  }
  SearchRow = 0;
  SearchHit = 0;
  Edit8.SetText(FirstCharacter(Edit6));
  try {
    if (!ScanGroups(Edit6)) return;
  } catch (const std::bad_alloc&) {
    ListBox1.Clear();
    FailLoad(true);
    throw;
  } catch (...) {
    ListBox1.Clear();
    FailLoad(false);
    throw;
  }
  if (ListBox1.Count() == 0) return;
  std::string first(Trim(ListBox1[0]));
  std::string indexDirectory = IndexDirectoryOf(Edit6, first);
  const bool reachable = !ListBox1.Items().Inexact(0);
  if (dropped) app_.SetFocus(ListBox1);
  CurrentGroup.swap(first);  // nothing left to allocate before the load: the name stays with its lists
  LoadGroup(indexDirectory, reachable);
}

bool TForm1::ScanGroups(std::string_view folder) {
  ScanResult result = tovir::ScanGroups(fs_, folder, ListBox1.MutableItems());
  ListBox1.ItemsChanged();
  // A folder that is missing, or is a file, ends the intake in silence; one the medium or the machine kept
  // from being read is said.
  if (!result.listed) {
    if (fs::IsFailure(result.fault)) {
      Report(intakeProblems_, LoadProblem::kFolderUnreadable, Cat(msg::kMsgFolderUnreadable, folder));
    }
    return false;
  }
  if (fs::IsFailure(result.fault)) {
    Report(intakeProblems_, LoadProblem::kGroupsCut, Cat(msg::kMsgListingCut, folder));
  }
  if (result.failed > 0) {
    Report(intakeProblems_, LoadProblem::kGroupsCut,
           NamedCountText(msg::kMsgGroupsUnreadable, result.firstFailed, result.failed));
  }
  return true;
}

void TForm1::LoadGroup(const std::string& indexDirectory, bool reachable) {
  loadProblems_.clear();
  try {
    ScanIndexDirectory(indexDirectory, reachable);
    ReadIndexFiles();
    FillDrawingList();
  } catch (const std::bad_alloc&) {
    FailLoad(true);
    throw;
  } catch (...) {
    FailLoad(false);
    throw;
  }
  // An absurd index file (gigabytes of zeros read as millions of drawings) can hold more than memory: the
  // drawings that fit are listed, and the status line says that is not all.
  if (table_.Truncated())
    Report(loadProblems_, LoadProblem::kTooManyDrawings, std::string(msg::kMsgTooManyDrawings));
}

void TForm1::FailLoad(bool outOfMemory) {
  ClearGroupLists();
  Label12.SetCaption("");
  if (!outOfMemory) return;
  Report(loadProblems_, LoadProblem::kOutOfMemory, std::string(msg::kMsgOutOfMemory));
}

void TForm1::ClearGroupLists() {
  ListBox2.Clear();
  rows_.Clear();
  table_.Clear();
  ListBox8.Clear();
  ListBox13.Clear();
}

void TForm1::ScanIndexDirectory(std::string_view indexDirectory, bool reachable) {
  ClearGroupLists();
  Edit0.assign(CutAtNul(indexDirectory));
  ScanResult result;
  if (reachable) result = tovir::ScanIndexDirectory(fs_, Edit0, ListBox2, ListBox8.MutableItems());
  ListBox8.ItemsChanged();
  if (!result.listed) {
    // One the medium or the machine kept from being listed is said as such, not as data of another kind.
    Report(
        loadProblems_, LoadProblem::kNotVer3,
        fs::IsFailure(result.fault) ? Cat(msg::kMsgFolderUnreadable, Edit0) : std::string(msg::kMsgNotVer3));
  } else if (fs::IsFailure(result.fault)) {
    Report(loadProblems_, LoadProblem::kIndexListingCut, Cat(msg::kMsgListingCut, Edit0));
  }
}

void TForm1::ReadIndexFiles() {
  IndexReadResult result = tovir::ReadIndexFiles(fs_, Edit0, ListBox2, table_, drawingLimit_, readers_);
  if (result.unreadable == 0) return;
  // The other index files are read all the same; the status line says what is missing, without a beep, as a
  // note rather than an error.
  Report(loadProblems_, LoadProblem::kUnreadableIndexFiles, UnreadableIndexFilesText(result), false);
}

FileInfo TForm1::ReadFileInfo(size_t drawing) {
  return tovir::ReadFileInfo(fs_, Edit0, table_.User(drawing), table_.FileName(drawing));
}

void TForm1::FillDrawingList() {
  Repaint();
  if (RadioGroup1.ItemIndex() != 0) {
    FullDisplay();
    return;
  }
  // The rows are the table's drawings, composed when the list, a copy or the search reads them.
  const size_t n = table_.Count();
  rows_.ShowShort(n);
  ListBox13.ItemsChanged();
  Label12.SetCaption(FormatCount(static_cast<long long>(n)));
}

void TForm1::FullDisplay() {
  const size_t n = table_.Count();
  Label12.SetCaption(FormatCount(static_cast<long long>(n)));
  ReadCancelled = 0;
  if (form2_ != nullptr) {
    form2_->CenterOver(*this);
    form2_->ResetAnimation();
    form2_->Show();
  }
  StatusBar1.SetVisible(false);
  ProgressBar1.SetVisible(true);
  progressTrace_.clear();
  reading_ = true;
  ++readings_;
  std::optional<DrawingFileReadAhead> readAhead;
  std::exception_ptr failure;
  // Drawing files the medium or the machine kept from being read: their rows look like those of drawings
  // without a file, so they are said once the reading ends.
  size_t unreadable = 0;
  std::string firstUnreadable;
  try {
    rows_.BeginFull(n);
    // The readers read the drawing files in row order, ahead of this loop, each user directory opened once;
    // the loop takes their results in turn.
    readAhead.emplace(fs_, Edit0, readers_);
    size_t requested = 0;
    for (size_t i = 0; i < n; ++i) {
      int position = ProgressPosition(i, n);
      ProgressBar1.SetPosition(position);
      progressTrace_.push_back(position);
      readingPass_ = static_cast<int>(i);
      app_.ProcessMessagesWhileBusy();
      if (!ReadingGoesOn()) break;
      for (size_t room = readAhead->Room(); room > 0 && requested < n; --room, ++requested)
        readAhead->Request(table_.User(requested), table_.FileName(requested));
      FileInfo info;
      if (!AwaitFileInfo(*readAhead, info)) break;
      if (info.fault == fs::Fault::kExhausted && !ReadAgainAlone(*readAhead, i, info)) break;
      if (info.Failed() && unreadable++ == 0) {
        firstUnreadable = JoinPath(table_.User(i), table_.FileName(i));
      }
      rows_.AddFull(info.updateDate, info.note);
      ListBox13.RowsAdded();
    }
  } catch (...) {
    // The reading failed half-way (the file layer threw, memory ran out): the window must not stay in the
    // reading state, or every later drop and click would wait for a reading that never ends.
    failure = std::current_exception();
  }
  if (readAhead) StopReaders(*readAhead);
  readAhead.reset();
  if (unreadable > 0 && !failure) {
    Report(loadProblems_, LoadProblem::kUnreadableDrawingFiles,
           NamedCountText(msg::kMsgDrawingsUnreadable, firstUnreadable, unreadable));
  }
  EndReading();
  if (failure) std::rethrow_exception(failure);
}

bool TForm1::ReadingGoesOn() {
  if (ReadCancelled != 0) {
    app_.Beep();
    return false;
  }
  // A drop, a group click or a display change arrived, or the window is closing: they take over, silently.
  // Input that only waits its turn behind them ends nothing.
  return !Waits(Waiting::kIntake) && !Waits(Waiting::kReload) && !app_.Terminated();
}

bool TForm1::AwaitFileInfo(DrawingFileReadAhead& readAhead, FileInfo& info) {
  while (!readAhead.Take(info, kMessageSlice)) {
    // The medium keeps the reading waiting: the window shows how far it has come, not where the pacing of
    // redraws last left it.
    ShowReadingNow();
    app_.ProcessMessages();
    if (!ReadingGoesOn()) return false;
  }
  return true;
}

bool TForm1::ReadAgainAlone(DrawingFileReadAhead& readAhead, size_t drawing, FileInfo& info) {
  readAhead.Pause();
  while (!readAhead.WaitStopped(kMessageSlice)) {
    ShowReadingNow();
    app_.ProcessMessages();
    if (!ReadingGoesOn()) return false;
  }
  info = readAhead.ReadAlone(table_.User(drawing), table_.FileName(drawing));
  return true;
}

void TForm1::StopReaders(DrawingFileReadAhead& readAhead) {
  readAhead.Stop();
  while (!readAhead.WaitStopped(kMessageSlice)) app_.ProcessMessages();
}

void TForm1::ShowReadingNow() {
  ListBox13.FlushRows();
  ProgressBar1.Flush();
}

void TForm1::EndReading() {
  readingPass_ = -1;
  reading_ = false;
  StatusBar1.SetVisible(true);
  ProgressBar1.SetVisible(false);
  if (form2_ != nullptr) form2_->Close();
  // The rows the pacing held back reach the list once at the end; what waited runs even if that fails.
  try {
    ListBox13.FlushRows();
  } catch (...) {
    RunDeferred();
    throw;
  }
  RunDeferred();
}

bool TForm1::DeferWhileReading(std::function<void()> action, Waiting kind) {
  if (!reading_) return false;
  // Input that reloads nothing waits only to keep its place behind input that does.
  if (kind == Waiting::kAfterReload && deferred_.empty()) return false;
  deferred_.push_back({std::move(action), kind});
  return true;
}

bool TForm1::Waits(Waiting kind) const {
  for (const Deferred& waiting : deferred_) {
    if (waiting.kind == kind) return true;
  }
  return false;
}

void TForm1::RunDeferred() {
  if (reading_ || runningDeferred_) return;
  runningDeferred_ = true;
  // Each waiting input is an event of its own: one that fails is reported and the next still runs.
  while (!deferred_.empty() && !app_.Terminated()) {
    auto action = std::move(deferred_.front().action);
    deferred_.pop_front();
    kit::Deliver(app_, action);
  }
  deferred_.clear();
  runningDeferred_ = false;
}

void TForm1::ListBox1Click() {
  if (reading_) {
    // Judged now, against the group list and the group shown as the user saw them when clicking. A drop
    // that waits will replace that list: the click was made in it, and lapses with it.
    if (Waits(Waiting::kIntake)) return;
    // The shown group (the display change that began a reading has already set ForceReload back): nothing
    // to re-read, so the reading goes on. Behind a reload that waits, the click waits too: it is for the
    // group that reload will show.
    if (!Waits(Waiting::kReload) && !GroupToLoad()) {
      StatusBar1.SetSimpleText("");
      return;
    }
    const int chosen = ListBox1.ItemIndex();
    DeferWhileReading([this, chosen] {
      ListBox1.SetItemIndex(chosen);
      ListBox1Click();
    });
    return;
  }
  StatusBar1.SetSimpleText("");
  std::optional<std::string> group = GroupToLoad();
  if (!group) return;
  std::string indexDirectory = IndexDirectoryOf(Edit6, *group);
  const bool reachable = !ListBox1.Items().Inexact(static_cast<size_t>(ListBox1.ItemIndex()));
  ForceReload = 0;
  CurrentGroup.swap(*group);  // nothing left to allocate before the load: the name stays with its lists
  LoadGroup(indexDirectory, reachable);
}

std::optional<std::string> TForm1::GroupToLoad() const {
  const int selected = ListBox1.ItemIndex();
  if (selected < 0 || static_cast<size_t>(selected) >= ListBox1.Count()) return std::nullopt;
  std::string group(Trim(ListBox1[static_cast<size_t>(selected)]));
  if (group == CurrentGroup && ForceReload == 0) return std::nullopt;
  return group;
}

void TForm1::RadioGroup1Click() {
  const int mode = RadioGroup1.ItemIndex();
  if (DeferWhileReading([this, mode] {
        RadioGroup1.SetItemIndex(mode);
        RadioGroup1Click();
      })) {
    return;
  }
  if (ListBox1.Count() == 0) return;
  if (ListBox1.ItemIndex() < 0) ListBox1.SetItemIndex(0);
  ForceReload = 1;
  ListBox1Click();
}

void TForm1::ListBox13MouseDown(kit::MouseButton, kit::ShiftState, int, int) {
  // Whatever the button: the row is the list's focus row, which only a left press moves.
  const size_t rows = ListBox13.Count();
  if (rows == 0) return;
  int focus = ListBox13.ItemIndex();
  if (focus < 0 || static_cast<size_t>(focus) >= rows) return;
  const auto r = static_cast<size_t>(focus);
  SearchRow = focus;
  SearchHit = 0;
  if (RadioGroup1.ItemIndex() == 1) {
    StatusBar1.SetSimpleText(r < ListBox9.Count() ? ListBox9[r] : std::string_view());
    return;
  }
  Label12.SetCaption(FormatCount(static_cast<long long>(ListBox4.Count())));
  if (r >= ListBox4.Count()) return;
  FileInfo info = ReadFileInfo(r);
  // A file the medium or the machine kept from being read is not a missing one: it is said.
  if (info.Failed()) {
    ReportError(NamedCountText(msg::kMsgDrawingsUnreadable, JoinPath(table_.User(r), table_.FileName(r)), 1));
  } else if (info.opened) {
    StatusBar1.SetSimpleText(info.updateDate + " " + info.note);
  }
}

void TForm1::BitBtn1Click() {
  // Behind a drop, a group click or a display change that waits, the search is for the rows they bring (as
  // a copy is), with the text typed when the button was pressed.
  std::string text = Edit10.Text();
  if (DeferWhileReading([this, text] { Search(text); }, Waiting::kAfterReload)) return;
  Search(text);
}

void TForm1::Search(const std::string& text) {
  // The rows are the program's own, those read since the list last drew itself included.
  const size_t rows = ListBox13.Count();
  if (rows == 0) return;
  if (Trim(text).empty()) return;
  if (SearchHit == 1) {
    SearchHit = 0;
    ++SearchRow;
  }
  for (size_t i = SearchRow < 0 ? 0 : static_cast<size_t>(SearchRow); i < rows; ++i) {
    if (!RowMatches(ListBox13[i], text)) continue;
    SearchRow = static_cast<int>(i);
    ListBox13.ClearSelection();
    ListBox13.SetSelected(i, true);
    ListBox13.Repaint();
    SearchHit = 1;
    break;
  }
  if (SearchHit == 0) {
    app_.Beep();
    StatusBar1.SetSimpleText("");
    StatusBar1.SetSimpleText(msg::kMsgNotFound);
  }
}

CopyRequest TForm1::CopyRequestFor(CopyCommand command, const CopyRows& rows, std::vector<size_t>& selected,
                                   bool heading) {
  if (command.selectedOnly) selected = ListBox13.SelectedRows();
  return {.rows = rows,
          .group = CurrentGroup,
          .fullDisplay = RadioGroup1.ItemIndex() != 0,
          .heading = heading,
          .tabSeparated = command.tabSeparated,
          .selected = command.selectedOnly ? &selected : nullptr};
}

void TForm1::Copy(CopyCommand command, bool heading) {
  DrawingCopyRows rows(rows_);
  std::vector<size_t> selected;
  // Assembled once, at its exact size.
  Edit7 = CopyText(CopyRequestFor(command, rows, selected, heading));
  // An empty text leaves the clipboard as it was; tab-separated lines also go as a table for spreadsheets.
  bool placed = true;
  if (!Edit7.empty() && command.tabSeparated) {
    placed = app_.SetClipboardTable(Edit7);
  } else if (!Edit7.empty()) {
    placed = app_.SetClipboardText(Edit7);
  }
  std::string().swap(Edit7);
  // Another program held the clipboard for longer than a user waits: the copy did not happen, and the user
  // must not believe it did.
  if (!placed) ReportError(msg::kMsgClipboardBusy);
}

void TForm1::StreamCopy(CopyCommand command, size_t chunkBytes,
                        const std::function<void(std::string_view)>& write) {
  DrawingCopyRows rows(rows_);
  std::vector<size_t> selected;
  tovir::StreamCopy(CopyRequestFor(command, rows, selected, htuki.Checked()), chunkBytes, write);
}

void TForm1::CopyClick(CopyCommand command) {
  // With nothing waiting, a copy takes the rows read so far at once. Given after a drop, a group click or a
  // display change that waits for the reading to unwind, it waits behind them and copies what they bring:
  // the user asked for that display first, and a quick reading would have shown it before the copy. Copying
  // the rows of the reading being given up would hand over a part of a list the window is leaving, headed
  // by a display it no longer shows. The heading option counts as it stood when the copy was asked for.
  const bool heading = htuki.Checked();
  if (DeferWhileReading([this, command, heading] { Copy(command, heading); }, Waiting::kAfterReload)) return;
  Copy(command, heading);
}

void TForm1::Copy1Click() {
  CopyClick(kCopyAll);
}
void TForm1::Copy2Click() {
  CopyClick(kCopySelected);
}
void TForm1::Copy3Click() {
  CopyClick(kCopyAllTabbed);
}
void TForm1::Copy4Click() {
  CopyClick(kCopySelectedTabbed);
}

void TForm1::htukiClick() {
  htuki.SetChecked(true);
  hnasi.SetChecked(false);
}

void TForm1::hnasiClick() {
  htuki.SetChecked(false);
  hnasi.SetChecked(true);
}

void TForm1::K1Click() {
  if (form4_ == nullptr) return;
  form4_->CenterOver(*this);
  form4_->Show();
}

void TForm1::About1Click() {
  if (form5_ == nullptr) return;
  form5_->CenterOver(*this);
  form5_->Show();
}

void TForm1::ReportError(std::string_view message) {
  StatusBar1.SetSimpleText(message);
  app_.Beep();
}

void TForm1::Report(std::vector<Problem>& problems, LoadProblem kind, std::string text, bool beep) {
  if (beep) {
    ReportError(text);
  } else {
    StatusBar1.SetSimpleText(text);
  }
  problems.push_back({kind, std::move(text)});
}

TForm1::LoadProblem TForm1::LastProblem() const {
  if (!loadProblems_.empty()) return loadProblems_.back().kind;
  if (!intakeProblems_.empty()) return intakeProblems_.back().kind;
  return LoadProblem::kNone;
}

}  // namespace tovir

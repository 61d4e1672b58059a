// The controls the windows are made of, named and shaped as the program's design names them. A control keeps
// what the program sets, creates its own peer in the backend with that whole state, and passes on every later
// change. Input reaches the program only through the controls' events.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/row_source.h"
#include "base/string_list.h"
#include "kit/application.h"
#include "kit/keys.h"
#include "kit/layout.h"

namespace tovir::kit {

enum class MouseButton { kLeft, kRight, kMiddle };

struct ShiftState {
  bool shift = false;
  bool ctrl = false;
};

// Paces what the user only looks at (a list's row count, a progress bar) while rows come in: at most about 30
// updates a second, so that a window's cost does not grow with every row drawn and drawn again. The first
// update is due at once.
class Pacer {
 public:
  static constexpr std::chrono::milliseconds kInterval{33};
  bool Due() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kInterval) return false;
    last_ = now;
    return true;
  }
  void Restart() { last_ = {}; }

 private:
  std::chrono::steady_clock::time_point last_{};
};

// Anything a form owns by name: controls, menus and their items, timers.
class TComponent {
 public:
  TComponent(TForm& owner, std::string_view name);
  // Leaves its form's lists: a timer or a menu destroyed before its form is never reached through them.
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  TForm& Owner() const { return owner_; }
  Application& App() const;

 private:
  TForm& owner_;
  std::string name_;
};

// A control on a form: its layout comes from the form's table, under the control's name.
class TControl : public TComponent {
 public:
  TControl(TForm& owner, std::string_view name);
  ~TControl() override;

  // The class name the design gives the control ("TListBox", "TBitBtn").
  virtual std::string_view TypeName() const = 0;
  const ControlLayout& Layout() const { return layout_; }
  // Where the control stands in its form's client area; a control aligned to an edge takes the form's width.
  Rect Bounds() const;
  // The font the design gives the control: its own, or else its form's.
  const Font& DesignFont() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether the user can reach the control: shown and enabled, in a window that is shown and takes input.
  bool TakesInput() const;
  // Whether the control can take the focus by the keyboard.
  bool TabStop() const { return layout_.tabStop; }

 protected:
  // The peer this control's changes go to; set by each concrete control's constructor.
  virtual ControlPeer* BasePeer() const = 0;
  // The control has just been shown: what it holds back for pacing is due now.
  virtual void OnShown() {}
  void MoveTo(int left, int top);

 private:
  ControlLayout layout_;
  bool visible_;
  bool enabled_;
};

class TBevel final : public TControl {
 public:
  TBevel(TForm& owner, std::string_view name);
  std::string_view TypeName() const override { return "TBevel"; }

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::unique_ptr<ControlPeer> peer_;
};

// A label shows its caption on one line, never broken into lines. One marked fixed size keeps its box and
// clips; any other sizes itself to its caption in its font (see AutoSizedBounds).
class TLabel final : public TControl {
 public:
  // The caption is the design's, from the layout table.
  TLabel(TForm& owner, std::string_view name);
  std::string_view TypeName() const override { return "TLabel"; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool AutoSize() const { return !Layout().fixedSize; }

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::string caption_;
  std::unique_ptr<TextPeer> peer_;
};

// A push button (the design's bitmap-button class). A cancel button is also pressed by Esc in its window.
class TButton final : public TControl {
 public:
  enum class Kind { kPlain, kCancel };
  TButton(TForm& owner, std::string_view name, Kind kind = Kind::kPlain);
  std::string_view TypeName() const override { return "TBitBtn"; }
  const std::string& Caption() const { return caption_; }
  bool IsCancel() const { return kind_ == Kind::kCancel; }

  std::function<void()> OnClick;

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::string caption_;
  Kind kind_;
  std::unique_ptr<TextPeer> peer_;
};

// The status line with one simple text.
class TStatusBar final : public TControl {
 public:
  TStatusBar(TForm& owner, std::string_view name);
  std::string_view TypeName() const override { return "TStatusBar"; }
  const std::string& SimpleText() const { return text_; }
  void SetSimpleText(std::string_view text);

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::string text_;
  std::unique_ptr<TextPeer> peer_;
};

// A progress bar. Its position is the program's at once; the bar shows it at the pace of a Pacer, and
// whole once Flush is called or the bar is shown.
class TProgressBar final : public TControl {
 public:
  TProgressBar(TForm& owner, std::string_view name);
  std::string_view TypeName() const override { return "TProgressBar"; }
  int Position() const { return position_; }
  void SetPosition(int position);
  void Flush();

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  void OnShown() override { Flush(); }
  int position_ = 0;
  int shown_ = 0;
  Pacer pacer_;
  std::unique_ptr<ProgressBarPeer> peer_;
};

// A picture from the program's resources: `picture` numbers it (an animation frame, or 0 for the program's
// icon).
class TImage final : public TControl {
 public:
  TImage(TForm& owner, std::string_view name, int picture);
  std::string_view TypeName() const override { return "TImage"; }
  int Picture() const { return picture_; }
  int Left() const { return Bounds().left; }
  int Top() const { return Bounds().top; }
  void SetLeft(int left) { MoveTo(left, Top()); }
  void SetTop(int top) { MoveTo(Left(), top); }

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  int picture_;
  std::unique_ptr<ControlPeer> peer_;
};

// A single-line edit; the text is the user's once the window shows it.
class TEdit final : public TControl {
 public:
  TEdit(TForm& owner, std::string_view name);
  std::string_view TypeName() const override { return "TEdit"; }
  bool ReadOnly() const { return Layout().readOnly; }
  std::string Text() const { return peer_->Text(); }
  void SetText(std::string_view text) { peer_->SetText(CutAtNul(text)); }
  void Clear() { peer_->SetText({}); }
  EditPeer& Peer() { return *peer_; }

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::unique_ptr<EditPeer> peer_;
};

// A multi-line text; its scroll position is the user's and stays while the window is hidden.
class TMemo final : public TControl {
 public:
  TMemo(TForm& owner, std::string_view name, std::string text);
  std::string_view TypeName() const override { return "TMemo"; }
  bool ReadOnly() const { return Layout().readOnly; }
  // The design's text: CP932 lines joined by CR LF.
  const std::string& InitialText() const { return text_; }
  std::string Text() const { return peer_->Text(); }

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::string text_;
  std::unique_ptr<EditPeer> peer_;
};

class TMenu;

// A list box: its rows are data the window reads; selection flags and the focus row belong to the backend.
class TListBox final : public TControl {
 public:
  enum class Selection { kSingle, kExtended };
  TListBox(TForm& owner, std::string_view name, StringList::Order order, Selection selection);
  std::string_view TypeName() const override { return "TListBox"; }

  bool Sorted() const { return items_.Sorted(); }
  bool MultiSelect() const { return selection_ == Selection::kExtended; }

  const StringList& Items() const { return items_; }
  size_t Count() const { return rows_ != nullptr ? rows_->Count() : items_.Count(); }
  // With a row source, the row is composed on demand and the view is valid until the next call.
  std::string_view operator[](size_t i) const {
    return rows_ != nullptr ? rows_->Row(i, scratch_) : items_[i];
  }
  size_t Add(std::string_view text);
  void Clear();
  // For filling many rows at once: change Items through this, then call ItemsChanged once.
  StringList& MutableItems() { return items_; }
  void ItemsChanged();

  // A list whose rows are the program's own data, read through `rows` (which outlives the list) instead of
  // being stored: a group of a million drawings costs the list nothing. The source changes only with the
  // program's data; ItemsChanged tells the backend of a new set of rows, RowsAdded of rows added at the end.
  // Rows added one by one reach the backend at the pace of a Pacer, and all of them before anything asks the
  // backend about the list (its selection, its focus row) and when FlushRows is called.
  void SetRows(const RowSource* rows) { rows_ = rows; }
  void RowsAdded();
  void FlushRows() const;

  int ItemIndex() const { return Peer().ItemIndex(); }
  void SetItemIndex(int row) { Peer().SetItemIndex(row); }
  bool Selected(size_t row) const { return Peer().Selected(row); }
  // Every selected row, ascending, taken from the list in one piece: what walks the selection uses this,
  // never Selected row by row (a message each to a real list).
  std::vector<size_t> SelectedRows() const { return Peer().SelectedRows(); }
  void SetSelected(size_t row, bool selected) { Peer().SetSelected(row, selected); }
  void ClearSelection() { Peer().ClearSelection(); }
  void Repaint() { Peer().Repaint(); }
  ListBoxPeer& Peer() const {
    FlushRows();
    return *peer_;
  }

  // The menu a right click in the list opens.
  TMenu* PopupMenu = nullptr;
  std::function<void()> OnClick;
  std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseDown;

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  StringList items_;
  const RowSource* rows_ = nullptr;
  mutable std::string scratch_;
  Selection selection_;
  mutable bool rowsPending_ = false;
  Pacer pacer_;
  std::unique_ptr<ListBoxPeer> peer_;
};

class TRadioGroup final : public TControl {
 public:
  TRadioGroup(TForm& owner, std::string_view name, std::vector<std::string> items, int itemIndex);
  std::string_view TypeName() const override { return "TRadioGroup"; }
  const std::string& Caption() const { return caption_; }
  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const { return peer_->ItemIndex(); }
  void SetItemIndex(int index) { peer_->SetItemIndex(index); }
  RadioGroupPeer& Peer() { return *peer_; }

  // The user chose another item.
  std::function<void()> OnClick;

 private:
  ControlPeer* BasePeer() const override { return peer_.get(); }
  std::string caption_;
  std::vector<std::string> items_;
  std::unique_ptr<RadioGroupPeer> peer_;
};

class TMenuItem final : public TComponent {
 public:
  // `parent`: the item this one stands under, or "" for a menu of the menu bar or a pop-up menu's item.
  TMenuItem(TForm& owner, std::string_view name, std::string_view parent, std::string_view caption,
            std::string_view shortcut, bool checked);
  const std::string& Parent() const { return parent_; }
  const std::string& Caption() const { return caption_; }
  const std::optional<Key>& ShortCut() const { return shortcut_; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  std::function<void()> OnClick;

 private:
  std::string parent_;
  std::string caption_;
  std::optional<Key> shortcut_;
  bool checked_;
  std::unique_ptr<MenuItemPeer> peer_;
};

// A menu bar or a pop-up menu, with its items in the order they show.
class TMenu final : public TComponent {
 public:
  enum class Kind { kMainMenu, kPopupMenu };
  TMenu(TForm& owner, std::string_view name, Kind kind);
  Kind GetKind() const { return kind_; }
  TMenuItem& Add(std::string_view name, std::string_view parent, std::string_view caption,
                 std::string_view shortcut = {}, bool checked = false);
  const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
  TMenuItem* Find(std::string_view name) const;
  // The item whose shortcut is exactly this key, modifiers included, or nullptr.
  TMenuItem* FindShortCut(const Key& key) const;

 private:
  Kind kind_;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

// A timer: OnTimer runs every Interval milliseconds while it is enabled.
class TTimer final : public TComponent {
 public:
  TTimer(TForm& owner, std::string_view name, int intervalMs);
  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> OnTimer;

 private:
  int interval_;
  bool enabled_ = false;
  std::unique_ptr<TimerPeer> peer_;
};

// A top-level window. Closing asks OnCloseQuery first; a closed window is hidden, and closing the main window
// ends the program.
class TForm {
 public:
  TForm(Application& app, const FormLayout& layout, bool mainWindow);
  virtual ~TForm() = default;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  Application& App() const { return app_; }
  const FormLayout& Layout() const { return layout_; }
  const std::string& Name() const { return name_; }
  bool IsMainWindow() const { return mainWindow_; }

  int Left() const { return peer_->Bounds().left; }
  int Top() const { return peer_->Bounds().top; }
  int Width() const { return peer_->Bounds().width; }
  int Height() const { return peer_->Bounds().height; }
  // The client area in the design's pixels.
  int ClientWidth() const;
  int ClientHeight() const;
  void SetPosition(int left, int top) { peer_->SetPosition(left, top); }
  bool Visible() const { return peer_->Visible(); }
  void Show() { peer_->Show(); }
  void Hide() { peer_->Hide(); }
  void Repaint() { peer_->Repaint(); }
  FormPeer& Peer() { return *peer_; }
  const FormPeer& Peer() const { return *peer_; }
  // The visible, enabled control that takes the focus first by the keyboard, or nullptr.
  TControl* FirstInTabOrder() const;
  // Places this window centred over `other`, by outer sizes; halves are truncated toward zero and the result
  // is not kept on the screen.
  void CenterOver(const TForm& other);

  // Runs OnCloseQuery; if the close is allowed, hides the window, or for the main window ends the program.
  void Close();

  // The controls, in the order they were created, and the menus.
  const std::vector<TControl*>& Controls() const { return controls_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TControl* FindControl(std::string_view name) const;
  // The window's menu bar, if it has one.
  TMenu* Menu = nullptr;

  std::function<void(bool& canClose)> OnCloseQuery;
  // Files dropped from the shell, in the order the shell gives them.
  std::function<void(const std::vector<std::string>& names)> OnDropFiles;

 private:
  friend class TComponent;
  friend class TControl;

  Application& app_;
  const FormLayout& layout_;
  std::string name_;
  bool mainWindow_;
  std::vector<TControl*> controls_;
  std::vector<TComponent*> components_;
  std::unique_ptr<FormPeer> peer_;
};

// Where a label that sizes itself stands once its caption measures `width` x `height` in its font (an empty
// caption measures as one blank, so the label keeps a line's height): a right-justified one keeps its
// design's right edge and grows to the left, any other keeps its left edge.
Rect AutoSizedBounds(const Rect& design, TextAlign alignment, int width, int height);
// A caption's width in the design's pixels by the fonts' nominal cells (a single-byte character half the
// character height, a double-byte one the whole): what a backend without real fonts measures with.
int NominalTextWidth(const Font& font, std::string_view cp932);

// Routes a key typed into `window` as the system routes it: a shortcut of that window's menu or, while the
// main window takes input, of the main window's runs its item before the focused control sees the key; Esc
// presses the window's cancel button, and in a window without one does nothing (a multi-line text would
// otherwise close its dialog). Returns whether the key was taken; a key not taken is the focused control's
// own.
bool RouteKey(Application& app, TForm& window, TForm* mainWindow, const Key& key);

// The frame a backend adds around one form's client area: in the design's pixels at 96 DPI as Windows'
// classic metrics give them, or a real window's at its DPI.
struct FrameMetrics {
  int frame = 0;    // each side and the bottom
  int caption = 0;  // the title bar, above the top frame
  int menuBar = 0;  // added when the form has a menu bar
  // Windows' classic metrics at 96 DPI for a border style.
  static FrameMetrics Classic(BorderStyle style);
};
// Design pixels (96 DPI) at `dpi`, rounded to the nearest pixel as the system's MulDiv rounds.
int ScaleToDpi(int designPixels, int dpi);
// A form's outer bounds from its layout at `dpi`, with `metrics` at that DPI, centred on a screen of that
// size when the design centres it.
Rect OuterBounds(const FormLayout& layout, const FrameMetrics& metrics, int screenWidth, int screenHeight,
                 int dpi = 96);

// Where a form's edge-aligned controls stand in a client area of `clientWidth` x `clientHeight`: each stacked
// from its edge in the order the controls were made, a hidden one taking no room and standing where it would
// if shown. `scale` turns a design height into the client area's pixels.
struct AlignedPlace {
  TControl* control;
  Rect bounds;
};
std::vector<AlignedPlace> StackAligned(const TForm& form, int clientWidth, int clientHeight,
                                       const std::function<int(int)>& scale);

}  // namespace tovir::kit

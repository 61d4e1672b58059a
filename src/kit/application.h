// The toolkit layer's contract with a backend: application services, the peers that show controls and own
// what the user changes in them (selection, focus row, typed text, the chosen radio item, window bounds), and
// the view of that state that script mode dumps.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "kit/layout.h"

namespace tovir::kit {

class TControl;
class TBevel;
class TLabel;
class TButton;
class TStatusBar;
class TProgressBar;
class TImage;
class TEdit;
class TMemo;
class TListBox;
class TRadioGroup;
class TMenuItem;
class TTimer;
class TForm;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// What every shown control takes from the program. A peer is created by its control, which gives it the
// whole starting state; every later change is passed on as it happens.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void SetVisible(bool /*visible*/) {}
  virtual void SetEnabled(bool /*enabled*/) {}
  virtual void SetBounds(const Rect& /*bounds*/) {}
};

// A control that shows one text: a label, a button, the status line, the radio group's caption.
class TextPeer : public ControlPeer {
 public:
  virtual void SetText(std::string_view cp932) = 0;
};

class ProgressBarPeer : public ControlPeer {
 public:
  virtual void SetPosition(int position) = 0;
};

class ListBoxPeer : public ControlPeer {
 public:
  // The program added rows (the list now has `count`), or cleared the list (`count` 0), which also drops
  // every selection flag and the focus row. New rows come unselected.
  virtual void CountChanged(size_t count) = 0;
  // Multiple-selection lists: the focus (caret) row, -1 only while the list is empty. Single-selection lists:
  // the selected row, or -1.
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int row) = 0;
  virtual bool Selected(size_t row) const = 0;
  virtual void SetSelected(size_t row, bool selected) = 0;
  virtual void ClearSelection() = 0;
  virtual std::vector<size_t> SelectedRows() const = 0;
  virtual void Repaint() = 0;
};

// A single-line edit or the memo; the text is the user's once the window shows it.
class EditPeer : public ControlPeer {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view cp932) = 0;
};

class RadioGroupPeer : public ControlPeer {
 public:
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
};

class MenuItemPeer {
 public:
  virtual ~MenuItemPeer() = default;
  virtual void SetChecked(bool checked) = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  virtual void SetEnabled(bool enabled) = 0;
};

class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual Rect Bounds() const = 0;  // outer bounds, frame and caption included
  virtual void SetPosition(int left, int top) = 0;
  virtual bool Visible() const = 0;
  virtual void Show() = 0;  // shows the window, or brings it to the front when it is shown already
  virtual void Hide() = 0;
  virtual void Repaint() = 0;
  // Deletes an entry of the window's system menu by position.
  virtual void DeleteSystemMenuEntry(int /*position*/) {}
  // Registers the window as a target for files dropped from the shell.
  virtual void AcceptDroppedFiles() {}
  // Whether the window takes input at all (a window disabled by the system while another is modal does not).
  virtual bool Enabled() const { return true; }
};

// A control as its own window shows it, in the design's pixels at 96 DPI whatever the screen's.
struct ShownControl {
  Rect bounds;  // in the form's client area
  bool visible = false;
  std::string fontName;  // CP932
  int fontHeight = 0;
  int fontCharset = 0;
  Pitch fontPitch = Pitch::kDefault;
};

// What a backend can tell about its windows as the user sees them: the state script mode dumps, the same for
// in-memory windows and for real ones.
class StateView {
 public:
  virtual ~StateView() = default;
  virtual std::vector<size_t> SelectedRows(TListBox& list) const = 0;
  virtual int FocusRow(TListBox& list) const = 0;
  // The name of the control that has the keyboard focus, or "" when none of the program's has.
  virtual std::string FocusName() const = 0;
  // The clipboard's text as CP932, or nullopt when the program has not placed any.
  virtual std::optional<std::string> ClipboardText() const = 0;
  // Whether the clipboard also holds a table for spreadsheets ("HTML Format"), and its bytes (UTF-8), or
  // nullopt when it holds none.
  virtual bool OffersClipboardHtml() const { return false; }
  virtual std::optional<std::string> ClipboardHtml() const { return std::nullopt; }
  virtual Rect Bounds(TForm& form) const = 0;
  virtual bool Visible(TForm& form) const = 0;
  // What the control's own window shows, or nullopt where the control has no window or the backend shows
  // the design as it stands.
  virtual std::optional<ShownControl> Shown(const TControl& /*control*/) const { return std::nullopt; }
  // The form's client area in the design's pixels, or nullopt for the design's own.
  virtual std::optional<Rect> ClientArea(const TForm& /*form*/) const { return std::nullopt; }
  // How often the window has been shown since the program started.
  virtual int Shows(TForm& form) const = 0;
  // How often the program sounded the default beep.
  virtual int Beeps() const = 0;
};

// The application object: services of the message loop and the system, and the factory of peers.
class Application {
 public:
  virtual ~Application() = default;

  virtual void SetTitle(std::string_view title) = 0;
  // Runs every window message (input, timers, repaints) waiting at this moment, then returns.
  virtual void ProcessMessages() = 0;
  // The same, called once for each item of a long piece of work: a backend whose look at its queue is costly
  // may look less often, as long as a person's input is still heard at once (within about a millisecond).
  virtual void ProcessMessagesWhileBusy() { ProcessMessages(); }
  // The system's default beep (MessageBeep with type 0).
  virtual void Beep() = 0;
  // Replaces the clipboard's content with the CP932 text. False when the clipboard could not be had (another
  // program held it for longer than a user waits); it then holds what it held.
  virtual bool SetClipboardText(std::string_view cp932) = 0;
  // The same for tab-separated lines, which a backend may also offer a spreadsheet as a table.
  virtual bool SetClipboardTable(std::string_view cp932) { return SetClipboardText(cp932); }
  virtual void SetFocus(TControl& control) = 0;
  // Shows an exception that escaped an event handler; the program goes on. The exception keeps its type, so
  // that running out of memory is told from any other failure.
  virtual void ReportException(std::exception_ptr error) = 0;
  // The main window has closed: the message loop ends.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;
  virtual StateView& State() = 0;

  virtual std::unique_ptr<ControlPeer> CreatePeer(TBevel& bevel) = 0;
  virtual std::unique_ptr<TextPeer> CreatePeer(TLabel& label) = 0;
  virtual std::unique_ptr<TextPeer> CreatePeer(TButton& button) = 0;
  virtual std::unique_ptr<TextPeer> CreatePeer(TStatusBar& status) = 0;
  virtual std::unique_ptr<ProgressBarPeer> CreatePeer(TProgressBar& bar) = 0;
  virtual std::unique_ptr<ControlPeer> CreatePeer(TImage& image) = 0;
  virtual std::unique_ptr<EditPeer> CreatePeer(TEdit& edit) = 0;
  virtual std::unique_ptr<EditPeer> CreatePeer(TMemo& memo) = 0;
  virtual std::unique_ptr<ListBoxPeer> CreatePeer(TListBox& list) = 0;
  virtual std::unique_ptr<RadioGroupPeer> CreatePeer(TRadioGroup& group) = 0;
  virtual std::unique_ptr<MenuItemPeer> CreatePeer(TMenuItem& item) = 0;
  virtual std::unique_ptr<TimerPeer> CreatePeer(TTimer& timer) = 0;
  virtual std::unique_ptr<FormPeer> CreatePeer(TForm& form) = 0;
};

// A window or control the system would not create: the program cannot go on without its windows.
class WindowError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What an escaped exception says, for showing it: its what(), or "unknown exception".
std::string ExceptionText(const std::exception_ptr& error);
// Whether it is the system's "out of memory" (std::bad_alloc or a type derived from it).
bool IsOutOfMemory(const std::exception_ptr& error);

// Runs program code as the message loop does: an exception that escapes it is reported through the
// application, and the program goes on. Every backend runs every message that reaches program code through
// this: input, timers, the drawing of rows, a screen reader's questions. It takes any callable as it is, so
// that delivering allocates nothing outside the catch.
template <typename Handler>
void Deliver(Application& app, Handler&& handler) {
  try {
    if constexpr (std::is_constructible_v<bool, Handler&>) {
      if (!handler) return;  // an event nobody wired
    }
    handler();
  } catch (...) {
    try {
      app.ReportException(std::current_exception());
    } catch (...) {
      // A report that itself fails (no memory left to show it) is lost rather than thrown on.
    }
  }
}

// An event's handler run through Deliver from a copy of it: the handler may destroy the control whose event
// it is (a timer that stops another one, a window that closes), and with it the function being run.
inline void DeliverEvent(Application& app, const std::function<void()>& event) {
  if (!event) return;
  std::function<void()> copy;
  try {
    copy = event;
  } catch (...) {
    Deliver(app, [] { throw; });
    return;
  }
  Deliver(app, copy);
}

}  // namespace tovir::kit

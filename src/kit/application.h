// The toolkit layer's contract with a backend: application services, and the peers that show controls and own
// what the user changes in them (selection, focus row, typed text, the chosen radio item, window bounds).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tovir::kit {

class TControl;
class TListBox;
class TEdit;
class TRadioGroup;
class TForm;
class TTimer;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Shows a display-only control (label, status line, progress bar, menu check, image) after the program
// changed it.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed() {}
};

class ListBoxPeer {
 public:
  virtual ~ListBoxPeer() = default;
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
  virtual void Repaint() = 0;
};

class EditPeer {
 public:
  virtual ~EditPeer() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
};

class RadioGroupPeer {
 public:
  virtual ~RadioGroupPeer() = default;
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
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
};

// The application object: services of the message loop and the system, and the factory of peers.
class Application {
 public:
  virtual ~Application() = default;

  virtual void SetTitle(std::string_view title) = 0;
  // Runs every window message (input, timers, repaints) waiting at this moment, then returns.
  virtual void ProcessMessages() = 0;
  // The system's default beep (MessageBeep with type 0).
  virtual void Beep() = 0;
  // Replaces the clipboard's content with the CP932 text.
  virtual void SetClipboardText(std::string_view cp932) = 0;
  virtual void SetFocus(TControl& control) = 0;
  // Shows an exception that escaped an event handler; the program goes on.
  virtual void ReportException(std::string_view what) = 0;
  // The main window has closed: the message loop ends.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;

  virtual std::unique_ptr<ControlPeer> CreatePeer(TControl& control) = 0;
  virtual std::unique_ptr<ListBoxPeer> CreatePeer(TListBox& list) = 0;
  virtual std::unique_ptr<EditPeer> CreatePeer(TEdit& edit) = 0;
  virtual std::unique_ptr<RadioGroupPeer> CreatePeer(TRadioGroup& group) = 0;
  virtual std::unique_ptr<FormPeer> CreatePeer(TForm& form) = 0;
  virtual void RegisterTimer(TTimer& timer) = 0;
  virtual void UnregisterTimer(TTimer& timer) = 0;
};

}  // namespace tovir::kit

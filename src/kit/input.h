// The user's input as a driver gives it to a backend: each call does what the real control does with it and
// runs the control's events through Deliver. The headless backend takes it in memory; a backend of real
// windows turns it into real input.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/controls.h"
#include "kit/keys.h"

namespace tovir::kit {

class UserInput {
 public:
  virtual ~UserInput() = default;
  // A mouse press on a row of a list (a row past the end presses the last row): the list's own selection
  // rules, then OnMouseDown, then for a left press OnClick. A disabled list takes no input.
  virtual void PressRow(TListBox& list, size_t row, MouseButton button = MouseButton::kLeft,
                        ShiftState shift = {}) = 0;
  // Picks an item of a radio group; OnClick runs only when the item changes.
  virtual void PickRadioItem(TRadioGroup& group, int index) = 0;
  virtual void ClickButton(TButton& button) = 0;
  // Focuses an edit and replaces its text, as typing does; a read-only edit keeps its text.
  virtual void TypeText(TEdit& edit, std::string_view cp932) = 0;
  // Chooses an item of a menu bar or of a pop-up menu.
  virtual void ChooseMenuItem(TMenuItem& item) = 0;
  // A key typed into the window that has the focus, routed as RouteKey says.
  virtual void PressKey(const Key& key) = 0;
  // Focuses a control, or a window's first control in the tab order, as a click on it would.
  virtual void Focus(TControl& control) = 0;
  virtual void FocusWindow(TForm& form) = 0;
  virtual void DropFiles(TForm& form, std::vector<std::string> names) = 0;
  virtual void ClickCloseBox(TForm& form) = 0;
};

// A backend that a script can drive: its input, its timers on demand, and the moments it processes messages.
class Scriptable : public UserInput {
 public:
  // `n` periods of every enabled timer.
  virtual void Tick(int n) = 0;
  // Lets the windows run on their own for a while (so that someone can look at them); windows in memory have
  // nothing to show and return at once.
  virtual void Pause(int /*milliseconds*/) {}
  // Runs after each "process messages" of the program: a script's input held for that moment.
  virtual void SetMessageHook(std::function<void()> hook) = 0;
  // Where exceptions that escaped a handler are reported instead of the standard display.
  virtual void SetExceptionSink(std::function<void(std::exception_ptr)> sink) = 0;
};

// A script's input held for the moments the program processes messages. It runs one at a time (input it
// delivers may itself process messages) and is ready again however the last run ended, a throw included.
class HeldInput {
 public:
  void Set(std::function<void()> hook) { hook_ = std::move(hook); }
  void Run() {
    if (!hook_ || running_) return;
    struct Running {
      bool& flag;
      explicit Running(bool& f) : flag(f) { flag = true; }
      ~Running() { flag = false; }
    } running(running_);
    hook_();
  }

 private:
  std::function<void()> hook_;
  bool running_ = false;
};

}  // namespace tovir::kit

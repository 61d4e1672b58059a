// The user's input as a driver gives it to a backend: each call does what the real control does with it and
// runs the control's events through Deliver. The headless backend takes it in memory; a backend of real
// windows turns it into real input.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kit/controls.h"

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
  // A key typed into the window that has the focus: a shortcut of that window's menu or, failing that, of the
  // main window's runs its item before the focused control sees the key; Esc presses the window's cancel
  // button. Keys: "Ctrl+C", "Esc".
  virtual void PressKey(std::string_view key) = 0;
  // Focuses a control, or a window's first control in the tab order, as a click on it would.
  virtual void Focus(TControl& control) = 0;
  virtual void FocusWindow(TForm& form) = 0;
  virtual void DropFiles(TForm& form, std::vector<std::string> names) = 0;
  virtual void ClickCloseBox(TForm& form) = 0;
};

}  // namespace tovir::kit

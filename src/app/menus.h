// The menus of the main window, with their captions, shortcuts and handlers: the table the main window builds
// its menu bar and the drawing list's pop-up menu from.
#pragma once

#include <span>
#include <string_view>

namespace tovir {

class TForm1;

struct MenuEntry {
  std::string_view name;    // the item's name in the program's design
  std::string_view parent;  // the menu it stands in ("" for the menus of the menu bar and the pop-up's items)
  std::string_view caption;   // CP932; "&" marks the access key
  std::string_view shortcut;  // "Ctrl+C" or ""
  void (TForm1::*handler)();  // nullptr for a menu that only opens
  bool checked = false;       // the check mark at start
};

// MainMenu1, the menu bar.
std::span<const MenuEntry> MainMenu();
// PopupMenu1, the drawing list's pop-up menu.
std::span<const MenuEntry> PopupMenu();

}  // namespace tovir

// The menus of the main window, with their captions, shortcuts and handlers: the one table every backend
// reads.
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
};

std::span<const MenuEntry> MainMenu();
// PopupMenu1, the drawing list's pop-up menu.
std::span<const MenuEntry> PopupMenu();
// The item of either menu with this name, or nullptr.
const MenuEntry* FindMenuItem(std::string_view name);
// The main menu item a shortcut runs ("Ctrl+C"; letters in any case), or nullptr.
const MenuEntry* FindShortcut(std::string_view shortcut);

}  // namespace tovir

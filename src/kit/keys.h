// A key as the user types it, with the modifier keys held: what menu shortcuts are made of and what the key
// routing and the script's `key` command work with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovir::kit {

struct Key {
  enum class Code : unsigned char { kLetter, kEscape, kEnter, kTab, kF1 };
  Code code = Code::kLetter;
  char letter = 0;  // 'A' to 'Z' for kLetter
  bool ctrl = false;
  bool shift = false;
  bool alt = false;

  bool operator==(const Key&) const = default;

  static constexpr Key Letter(char upper, bool ctrl = false, bool shift = false, bool alt = false) {
    return {Code::kLetter, upper, ctrl, shift, alt};
  }
  static constexpr Key Named(Code code) { return {code, 0, false, false, false}; }

  // "Ctrl+C", "Ctrl+Shift+C", "Esc": the form menus show and scripts write (letters in any case there).
  std::string Text() const;
  // Modifiers joined by "+" before one key: "ctrl+shift+c", "Esc", "enter", "tab", "f1"; nullopt for anything
  // else.
  static std::optional<Key> Parse(std::string_view text);
};

}  // namespace tovir::kit

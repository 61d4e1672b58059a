// How a control or a window looks and where it stands: the design's values, in pixels at 96 DPI. Each form
// keeps one table of these; a backend scales them to the screen it draws on.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tovir::kit {

enum class Align { kNone, kTop, kBottom };
enum class TextAlign { kLeft, kCenter, kRight };
enum class Pitch { kDefault, kFixed, kVariable };
enum class BorderStyle { kSizeable, kDialog };

// The window's title-bar buttons.
enum BorderIcon : unsigned { kSystemMenu = 1, kMinimize = 2, kMaximize = 4 };

// A colour: an RGB value, one of the system's colours, or (the default) the parent's colour.
struct Color {
  enum class Kind : uint8_t { kParent, kRgb, kBtnFace, kWindow, kWindowText };
  Kind kind = Kind::kParent;
  uint32_t rgb = 0;  // 0xRRGGBB, for kRgb

  static constexpr Color Rgb(uint32_t rgb) { return {Kind::kRgb, rgb}; }
  static constexpr Color System(Kind kind) { return {kind, 0}; }
  bool IsParent() const { return kind == Kind::kParent; }
  // "#RRGGBB", or the system colour's name ("clBtnFace").
  std::string Name() const;
};

inline constexpr Color kBtnFace = Color::System(Color::Kind::kBtnFace);
inline constexpr Color kWindowColor = Color::System(Color::Kind::kWindow);
inline constexpr Color kWindowText = Color::System(Color::Kind::kWindowText);

struct Font {
  std::string_view name{};  // CP932
  int height = 0;           // pixels; negative for a character height (the cell less its internal leading)
  int charset = 0;          // 128: Shift-JIS
  Pitch pitch = Pitch::kDefault;
};

inline constexpr int kShiftJisCharset = 128;

// One control of a form's design. Members that do not apply to a control keep their defaults.
struct ControlLayout {
  std::string_view name{};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Align align = Align::kNone;
  std::string_view caption{};  // CP932: the design's caption or text
  const Font* font = nullptr;  // nullptr: the form's font
  Color color{};               // background
  Color fontColor{};
  TextAlign alignment = TextAlign::kLeft;
  bool enabled = true;
  bool readOnly = false;
  bool tabStop = false;
  int tabOrder = -1;  // -1: not in the tab order (a control that never takes the focus)
  int itemHeight = 0;
  bool visible = true;
  bool border = false;     // a sunken border (edits, list boxes, the memo)
  bool wordWrap = false;   // long lines wrap (the memo)
  bool fixedSize = false;  // a label that does not size itself to its caption
};

struct FormLayout {
  std::string_view name{};
  std::string_view caption{};  // CP932
  int left = 0;                // where the design put it, used until something places the window
  int top = 0;
  int width = 0;  // the outer size, or the client size when clientSize is set
  int height = 0;
  bool clientSize = false;
  bool centerOnScreen = false;
  BorderStyle borderStyle = BorderStyle::kSizeable;
  unsigned borderIcons = kSystemMenu;
  bool stayOnTop = false;
  bool hasMenu = false;  // a menu bar below the caption
  const Font* font = nullptr;
  Color color = kBtnFace;
  std::span<const ControlLayout> controls{};
};

// The layout entry with this name, or nullptr.
const ControlLayout* FindLayout(const FormLayout& form, std::string_view name);

}  // namespace tovir::kit

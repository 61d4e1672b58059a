// The fonts and colours the program's windows share, as their designs name them.
#pragma once

#include "base/messages.h"
#include "kit/layout.h"

namespace tovir::design {

// ＭＳ Ｐゴシック: the windows' own font.
inline constexpr kit::Font PGothic(int height) {
  return {msg::kFontPGothic, height, kit::kShiftJisCharset, kit::Pitch::kDefault};
}
// ＭＳ ゴシック: the fixed-pitch font the drawing list's columns line up in.
inline constexpr kit::Font Gothic(int height) {
  return {msg::kFontGothic, height, kit::kShiftJisCharset, kit::Pitch::kFixed};
}

inline constexpr kit::Font kWindowFont = PGothic(-12);

inline constexpr kit::Color kBlack = kit::Color::Rgb(0x000000);
inline constexpr kit::Color kWhite = kit::Color::Rgb(0xFFFFFF);
inline constexpr kit::Color kYellow = kit::Color::Rgb(0xFFFF00);
// Controls the user does not type into.
inline constexpr kit::Color kLightGrey = kit::Color::Rgb(0xEFEFEF);

}  // namespace tovir::design

// The program's own pictures, drawn in code: the twelve 32 x 32 frames of the reading animation and the
// program's icon, in the 16 colours of the standard palette.
#pragma once

#include <array>
#include <cstdint>

namespace tovir::kit {

inline constexpr int kPictureSize = 32;

struct Picture {
  // Palette indices, row by row from the top.
  std::array<uint8_t, kPictureSize * kPictureSize> pixels{};
};

// The 16 colours as 0xRRGGBB.
extern const std::array<uint32_t, 16> kPalette16;

// Picture 1 to 12: the animation frames, a grid of twelve lamps of which the first `n` glow red and the rest
// yellow; picture 0 (and any other number): the program's icon.
Picture DrawPicture(int picture);

}  // namespace tovir::kit

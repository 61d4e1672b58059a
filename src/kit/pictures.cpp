// The program's own pictures, drawn in code.
#include "kit/pictures.h"

#include <cstddef>

namespace tovir::kit {

const std::array<uint32_t, 16> kPalette16 = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {

enum : uint8_t {
  kBlack = 0,
  kDarkRed = 1,
  kGrey = 7,
  kDarkGrey = 8,
  kRed = 9,
  kYellow = 11,
  kBlue = 12,
  kNavy = 4,
  kWhite = 15
};

void Fill(Picture& p, int left, int top, int width, int height, uint8_t colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) p.pixels[static_cast<size_t>(y * kPictureSize + x)] = colour;
  }
}

void Frame(Picture& p, int left, int top, int width, int height, uint8_t colour) {
  Fill(p, left, top, width, 1, colour);
  Fill(p, left, top + height - 1, width, 1, colour);
  Fill(p, left, top, 1, height, colour);
  Fill(p, left + width - 1, top, 1, height, colour);
}

}  // namespace

Picture DrawPicture(int picture) {
  Picture p;
  if (picture >= 1 && picture <= 12) {
    // Four lamps in each of three rows on a dark panel; lamp k turns red at frame k.
    Fill(p, 0, 0, kPictureSize, kPictureSize, kDarkGrey);
    Frame(p, 0, 0, kPictureSize, kPictureSize, kBlack);
    for (int lamp = 0; lamp < 12; ++lamp) {
      int left = 2 + (lamp % 4) * 7;
      int top = 5 + (lamp / 4) * 8;
      Fill(p, left, top, 7, 7, kBlack);
      bool red = lamp < picture;
      Fill(p, left + 1, top + 1, 5, 5, red ? kRed : kYellow);
      Fill(p, left + 1, top + 1, 2, 2, red ? kDarkRed : kWhite);
    }
    return p;
  }
  // The icon: a drawing sheet with a title block, on blue.
  Fill(p, 0, 0, kPictureSize, kPictureSize, kNavy);
  Fill(p, 4, 3, 24, 26, kWhite);
  Frame(p, 4, 3, 24, 26, kBlack);
  Frame(p, 6, 5, 20, 22, kBlue);
  for (int row = 0; row < 3; ++row) Fill(p, 8, 8 + row * 4, 16, 1, kGrey);
  Fill(p, 14, 20, 12, 7, kYellow);
  Frame(p, 14, 20, 12, 7, kBlack);
  Fill(p, 16, 23, 8, 1, kRed);
  return p;
}

}  // namespace tovir::kit

// The program's own pictures as icons and painted bitmaps.
#include "kit/win32/win32_pictures.h"

#include <algorithm>
#include <cstdlib>

#include "kit/pictures.h"

namespace tovir::kit::win32 {

HICON MakeIconFrom(int size, const std::function<uint32_t(int x, int y)>& pixel) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = size;
  header.bV5Height = -size;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour =
      CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) return nullptr;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) pixels[y * size + x] = pixel(x, y);
  }
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

HICON MakeProgramIcon() {
  const Picture picture = DrawPicture(0);
  return MakeIconFrom(kPictureSize, [&](int x, int y) {
    return kPalette16[picture.pixels[static_cast<size_t>(y * kPictureSize + x)]] | 0xFF000000u;
  });
}

HICON MakeCancelGlyph(int size) {
  const int margin = size / 8;
  const int half = std::max(1, size / 10);  // half the stroke's width
  return MakeIconFrom(size, [=](int x, int y) {
    bool inside = x >= margin && y >= margin && x < size - margin && y < size - margin;
    bool stroke = std::abs(x - y) <= half || std::abs(x + y - (size - 1)) <= half;
    return inside && stroke ? 0xFFD00000u : 0u;  // premultiplied: opaque red or nothing
  });
}

void PaintPicture(HDC dc, const RECT& r, int index) {
  const Picture picture = DrawPicture(index);
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[16];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = kPictureSize;
  info.header.biHeight = -kPictureSize;
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = 16;
  for (size_t i = 0; i < 16; ++i) {
    uint32_t c = kPalette16[i];
    info.colours[i] = {static_cast<BYTE>(c & 255), static_cast<BYTE>((c >> 8) & 255),
                       static_cast<BYTE>((c >> 16) & 255), 0};
  }
  // Whole pixels, no smoothing: the picture stays crisp at every scale.
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, kPictureSize, kPictureSize,
                picture.pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace tovir::kit::win32

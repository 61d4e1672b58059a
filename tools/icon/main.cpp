// Writes the program's icon file from its own picture (the one the windows draw), for the Windows build's
// resources: one 32 x 32 image in 16 colours, opaque.
#include <cstdint>
#include <cstdio>
#include <string>

#include "kit/pictures.h"

namespace {

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 255);
  out += static_cast<char>((v >> 8) & 255);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: tovir-icon FILE.ico\n", stderr);
    return 2;
  }
  using tovir::kit::kPictureSize;
  const tovir::kit::Picture picture = tovir::kit::DrawPicture(0);
  const uint32_t rowBytes = kPictureSize / 2;  // 4 bits a pixel
  const uint32_t maskRowBytes = 4;             // 32 bits, already a multiple of four bytes
  const uint32_t imageBytes = 40 + 16 * 4 + rowBytes * kPictureSize + maskRowBytes * kPictureSize;

  std::string ico;
  Put16(ico, 0);  // reserved
  Put16(ico, 1);  // an icon
  Put16(ico, 1);  // one image
  ico += static_cast<char>(kPictureSize);
  ico += static_cast<char>(kPictureSize);
  ico += static_cast<char>(16);  // colours
  ico += '\0';
  Put16(ico, 1);  // planes
  Put16(ico, 4);  // bits a pixel
  Put32(ico, imageBytes);
  Put32(ico, 6 + 16);  // where the image starts

  Put32(ico, 40);
  Put32(ico, kPictureSize);
  Put32(ico, kPictureSize * 2);  // the colour image and the mask
  Put16(ico, 1);
  Put16(ico, 4);
  for (int i = 0; i < 6; ++i) Put32(ico, i == 4 ? 16 : 0);  // compression, size, resolution, colours used...
  for (uint32_t rgb : tovir::kit::kPalette16) Put32(ico, rgb);  // stored as blue, green, red, 0
  for (int y = kPictureSize - 1; y >= 0; --y) {                 // bottom-up
    for (int x = 0; x < kPictureSize; x += 2) {
      auto at = [&](int px) { return picture.pixels[static_cast<size_t>(y * kPictureSize + px)]; };
      ico += static_cast<char>((at(x) << 4) | at(x + 1));
    }
  }
  ico.append(maskRowBytes * kPictureSize, '\0');  // every pixel opaque

  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr || std::fwrite(ico.data(), 1, ico.size(), f) != ico.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "tovir-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}

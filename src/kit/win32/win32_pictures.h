// The program's own pictures as the system shows them: icons from pixels, the program's icon, the cancel
// button's picture and the progress window's frames.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace tovir::kit::win32 {

// An icon of `size` x `size` pixels from premultiplied 0xAARRGGBB values, row by row from the top.
HICON MakeIconFrom(int size, const std::function<uint32_t(int x, int y)>& pixel);

// The program's icon, from its own 16-colour picture.
HICON MakeProgramIcon();

// The standard cancel button's picture, a red cross, at `size` pixels with an alpha channel so that it stands
// on the button's own face in any visual style.
HICON MakeCancelGlyph(int size);

// Paints picture `index` (0 the program's icon, 1 to 12 the progress frames) over `r`, whole pixels only.
void PaintPicture(HDC dc, const RECT& r, int index);

}  // namespace tovir::kit::win32

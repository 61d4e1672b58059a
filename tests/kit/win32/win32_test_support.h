// What the tests of the real windows share.
#pragma once

#include "kit/win32/win32_form.h"

namespace tovir::kit::win32::test {

// What a move of the window to a screen of `dpi` sends it: the new DPI and the bounds the system suggests,
// the old ones scaled.
inline void MoveToScreenOf(Win32Form& form, int dpi) {
  RECT r{};
  GetWindowRect(form.Handle(), &r);
  r.right = r.left + MulDiv(r.right - r.left, dpi, form.Dpi());
  r.bottom = r.top + MulDiv(r.bottom - r.top, dpi, form.Dpi());
  SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

}  // namespace tovir::kit::win32::test

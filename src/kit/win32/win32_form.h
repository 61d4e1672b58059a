// A form as a real top-level window: its frame and border icons, its menu bar, its tab order, its
// edge-aligned controls, and the messages its controls send it.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "kit/application.h"
#include "kit/controls.h"

namespace tovir::kit::win32 {

class Win32Application;

// Registers the forms' window classes once: sizeable frames show `icon` in their caption, dialog frames
// none.
void RegisterFormClasses(HICON icon);

class Win32Form final : public FormPeer {
 public:
  Win32Form(Win32Application& app, TForm& form);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  Rect Bounds() const override;
  void SetPosition(int left, int top) override;
  bool Visible() const override;
  bool Enabled() const override;
  void Show() override;
  void Hide() override;
  void Repaint() override;
  void DeleteSystemMenuEntry(int position) override;
  void AcceptDroppedFiles() override;

  HWND Handle() const { return hwnd_; }
  TForm& Control() const { return form_; }
  int Shows() const { return shows_; }
  // Places the edge-aligned controls for the client area's present size. A hidden one stands where it would
  // if it were shown, and takes no room.
  void LayoutAligned();

  // The DPI of the screen the window is on, and the design's pixels (96 DPI) at it.
  int Dpi() const { return dpi_; }
  int Scale(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }
  int Unscale(int pixels) const { return MulDiv(pixels, 96, dpi_); }
  // The window has moved to a screen of `dpi`: every control is placed and its font set again from the
  // design, and the window takes the bounds the system suggests for it.
  void ChangeDpi(int dpi, const RECT& suggested);

  // The window procedure's work, with nothing the program throws let out into the system.
  LRESULT HandleMessageGuarded(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Menus, tab order and the first focus, once every control exists.
  void Complete();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnDropFiles(HDROP drop);
  void FocusFirstControl();
  // The outer bounds at `dpi`: a size given for the client area gets the system's real frame at that DPI.
  Rect OuterBoundsAt(int dpi) const;

  Win32Application& app_;
  TForm& form_;
  HWND hwnd_ = nullptr;
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  int dpi_ = 96;
  HMENU menuBar_ = nullptr;
  HWND lastFocus_ = nullptr;
  bool completed_ = false;
  int shows_ = 0;
};

}  // namespace tovir::kit::win32

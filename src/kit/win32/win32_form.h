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

// Registers the forms' window class once; a form's frame takes `icon` in its caption where it has one.
void RegisterFormClass(HICON icon);

class Win32Form final : public FormPeer {
 public:
  Win32Form(Win32Application& app, TForm& form);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  Rect Bounds() const override;
  void SetPosition(int left, int top) override;
  bool Visible() const override;
  void Show() override;
  void Hide() override;
  void Repaint() override;
  void DeleteSystemMenuEntry(int position) override;
  void AcceptDroppedFiles() override;

  HWND Handle() const { return hwnd_; }
  TForm& Control() const { return form_; }
  int Shows() const { return shows_; }
  // Places the edge-aligned controls for the client area's present size.
  void LayoutAligned();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Menus, tab order and the first focus, once every control exists.
  void Complete();
  void OnDropFiles(HDROP drop);
  void FocusFirstControl();

  Win32Application& app_;
  TForm& form_;
  HWND hwnd_ = nullptr;
  HMENU menuBar_ = nullptr;
  HWND lastFocus_ = nullptr;
  bool completed_ = false;
  int shows_ = 0;
};

}  // namespace tovir::kit::win32

// The Win32 backend's controls: every peer is a real child window of its form, at its design place.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "kit/application.h"
#include "kit/controls.h"

namespace tovir::kit::win32 {

class Win32Application;
class Win32Form;

// Registers a window class of the program's, with the arrow cursor and `icon` in the caption (none if null).
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon = nullptr);

// One child window of a form: the control it shows, where the design puts it, its colours and font.
struct ChildWindow {
  Win32Application* app = nullptr;
  TControl* control = nullptr;
  HWND hwnd = nullptr;
  int id = 0;
  Rect design;  // in the form's client area, in the design's pixels at 96 DPI
  const Font* font = nullptr;
  COLORREF fore = 0;
  COLORREF back = 0;
  HBRUSH brush = nullptr;  // owned by the application's brush cache
  // Handles a notification (WM_COMMAND code) from this window.
  std::function<void(int code)> onCommand;
  // Draws one item of an owner-drawn list.
  std::function<void(const DRAWITEMSTRUCT&)> onDrawItem;
  // What else a peer scales when its form moves to a screen of another DPI.
  std::function<void()> onDpiChanged;

  ChildWindow() = default;
  ChildWindow(const ChildWindow&) = delete;
  ChildWindow& operator=(const ChildWindow&) = delete;
  ~ChildWindow();
  void Create(const wchar_t* className, DWORD style, DWORD exStyle, std::string_view cp932Text,
              const Rect& designBounds);
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  void SetBounds(const Rect& designBounds);
  // Places the window and sets its font again at its form's present DPI.
  void Rescale();
  Win32Form& Form() const;
};

// A peer of interface `Base` over one child window.
template <class Base>
class Peer : public Base {
 public:
  Peer(Win32Application& app, TControl& control) {
    window.app = &app;
    window.control = &control;
  }
  void SetVisible(bool visible) override { window.SetVisible(visible); }
  void SetEnabled(bool enabled) override { window.SetEnabled(enabled); }
  void SetBounds(const Rect& bounds) override { window.SetBounds(bounds); }

  ChildWindow window;
};

// The radio group's peer: a group box with one radio button per item.
class RadioGroupWindow final : public Peer<RadioGroupPeer> {
 public:
  RadioGroupWindow(Win32Application& app, TRadioGroup& group) : Peer(app, group), group_(group) {}
  int ItemIndex() const override { return index_; }
  void SetItemIndex(int index) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void OnItemClicked(int index);

  std::vector<std::unique_ptr<ChildWindow>> buttons;

 private:
  TRadioGroup& group_;
  int index_ = -1;
};

}  // namespace tovir::kit::win32

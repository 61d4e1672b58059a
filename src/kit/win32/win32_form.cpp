// A form as a real top-level window.
#include "kit/win32/win32_form.h"

#include <algorithm>
#include <vector>

#include "kit/win32/win32_application.h"
#include "kit/win32/win32_controls.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TovirForm";
constexpr wchar_t kDialogClass[] = L"TovirDialog";

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form != nullptr && form->Handle() != nullptr)
    return form->HandleMessageGuarded(message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A function of a newer system's user32, looked up when first needed so that the program still starts on
// Windows 7; nullptr where the system lacks it.
template <class Function>
Function NewerUser32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int DpiOfWindow(HWND hwnd, int fallback) {
  static const auto get = NewerUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const UINT dpi = get != nullptr ? get(hwnd) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : fallback;
}

void AdjustForDpi(RECT& r, DWORD style, bool menu, DWORD exStyle, int dpi) {
  static const auto adjust =
      NewerUser32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  if (adjust != nullptr && adjust(&r, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi)) != FALSE)
    return;
  AdjustWindowRectEx(&r, style, menu ? TRUE : FALSE, exStyle);
}

}  // namespace

void RegisterFormClasses(HICON icon) {
  RegisterWindowClass(kFormClass, FormProc, icon);
  // A dialog frame has no icon in its caption: its class has none, which Windows and Wine both honour (Wine
  // draws a class icon even on a modal frame, so a window icon set to none would not do).
  RegisterWindowClass(kDialogClass, FormProc);
}

Win32Form::Win32Form(Win32Application& app, TForm& form) : app_(app), form_(form), dpi_(app.Dpi()) {
  const FormLayout& layout = form.Layout();
  const bool dialog = layout.borderStyle != BorderStyle::kSizeable;
  style_ = WS_CAPTION | (dialog ? WS_POPUP : WS_OVERLAPPED | WS_THICKFRAME);
  exStyle_ = WS_EX_CONTROLPARENT | (dialog ? WS_EX_DLGMODALFRAME : 0);
  if (layout.borderIcons & kSystemMenu) style_ |= WS_SYSMENU;
  if (layout.borderIcons & kMinimize) style_ |= WS_MINIMIZEBOX;
  if (layout.borderIcons & kMaximize) style_ |= WS_MAXIMIZEBOX;
  if (layout.stayOnTop) exStyle_ |= WS_EX_TOPMOST;

  Rect at = OuterBoundsAt(dpi_);
  app_.RegisterForm(*this);
  HWND created = CreateWindowExW(exStyle_, dialog ? kDialogClass : kFormClass, Wide(layout.caption).c_str(),
                                 style_, at.left, at.top, at.width, at.height, app.Owner(), nullptr,
                                 GetModuleHandleW(nullptr), this);
  if (created == nullptr) {
    app_.ForgetForm(*this);
    throw WindowError("the window " + std::string(layout.name) + " could not be created");
  }
  hwnd_ = created;
  // Made at the system's DPI; a window that stands on a screen of another DPI takes that screen's sizes
  // before any control is made on it.
  const int own = DpiOfWindow(hwnd_, dpi_);
  if (own != dpi_) {
    dpi_ = own;
    at = OuterBoundsAt(dpi_);
    SetWindowPos(hwnd_, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

Rect Win32Form::OuterBoundsAt(int dpi) const {
  // The system's own frame at that DPI, measured once around an empty client area; the kit does the sums.
  RECT frame{0, 0, 0, 0};
  AdjustForDpi(frame, style_, false, exStyle_, dpi);
  RECT withMenu{0, 0, 0, 0};
  AdjustForDpi(withMenu, style_, true, exStyle_, dpi);
  const FrameMetrics metrics{static_cast<int>(-frame.left), static_cast<int>(-frame.top - frame.bottom),
                             static_cast<int>(frame.top - withMenu.top)};
  return OuterBounds(form_.Layout(), metrics, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                     dpi);
}

void Win32Form::ChangeDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ChildWindow* c = app_.ChildOf(child)) c->Rescale();
  }
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayoutAligned();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

Win32Form::~Win32Form() {
  app_.ForgetForm(*this);
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

Rect Win32Form::Bounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Form::SetPosition(int left, int top) {
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Form::Visible() const {
  // A window hidden only while the program is minimised is still shown as far as the program is concerned.
  return IsWindowVisible(hwnd_) != FALSE || app_.Minimized(*this);
}

bool Win32Form::Enabled() const {
  return IsWindowEnabled(hwnd_) != FALSE;
}

void Win32Form::Complete() {
  if (completed_) return;
  completed_ = true;
  if (form_.Menu != nullptr) {
    RECT before{};
    GetWindowRect(hwnd_, &before);
    menuBar_ = app_.BuildMenu(*form_.Menu, true);
    SetMenu(hwnd_, menuBar_);
    // The outer size is the design's; the menu bar takes its room from the client area.
    SetWindowPos(hwnd_, nullptr, 0, 0, before.right - before.left, before.bottom - before.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The tab order: windowed controls in their design's order, ahead of those that never take the focus.
  std::vector<TControl*> ordered;
  for (TControl* control : form_.Controls()) {
    if (control->Layout().tabOrder >= 0) ordered.push_back(control);
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](TControl* a, TControl* b) { return a->Layout().tabOrder < b->Layout().tabOrder; });
  HWND after = HWND_TOP;
  for (TControl* control : ordered) {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      ChildWindow* c = app_.ChildOf(child);
      if (c == nullptr || c->control != control) continue;
      SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      after = child;
    }
  }
  LayoutAligned();
}

void Win32Form::Show() {
  Complete();
  ++shows_;
  if (app_.Minimized()) {
    // It comes with the others when the program is restored.
    app_.ShowWhenRestored(*this, true);
    return;
  }
  if (form_.IsMainWindow()) ShowWindow(app_.Owner(), SW_SHOWNA);
  ShowWindow(hwnd_, SW_SHOW);
  BringWindowToTop(hwnd_);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void Win32Form::Hide() {
  app_.ShowWhenRestored(*this, false);
  const bool wasActive = GetActiveWindow() == hwnd_;
  ShowWindow(hwnd_, SW_HIDE);
  // The main window takes over from a window that closes while active, as the user expects, rather than the
  // hidden application window that owns them all.
  Win32Form* main = app_.MainForm();
  if (wasActive && main != nullptr && main != this && main->Visible()) SetActiveWindow(main->Handle());
}

void Win32Form::FocusFirstControl() {
  if (TControl* first = form_.FirstInTabOrder()) app_.SetFocus(*first);
}

void Win32Form::Repaint() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32Form::DeleteSystemMenuEntry(int position) {
  if (HMENU menu = GetSystemMenu(hwnd_, FALSE)) DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

void Win32Form::AcceptDroppedFiles() {
  DragAcceptFiles(hwnd_, TRUE);
}

void Win32Form::LayoutAligned() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  for (const AlignedPlace& place :
       StackAligned(form_, client.right, client.bottom, [this](int pixels) { return Scale(pixels); })) {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      ChildWindow* c = app_.ChildOf(child);
      if (c != nullptr && c->control == place.control) {
        const Rect& b = place.bounds;
        SetWindowPos(child, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
      }
    }
  }
}

void Win32Form::OnDropFiles(HDROP drop) {
  // Only the first item counts; the handle is the program's to release whatever happens.
  std::vector<std::string> names;
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
    std::wstring name(length + 1, L'\0');
    UINT got = DragQueryFileW(drop, 0, name.data(), length + 1);
    name.resize(got);
    names.push_back(Narrow(name));
  }
  DragFinish(drop);
  if (!names.empty()) {
    app_.Deliver([&] {
      if (form_.OnDropFiles) form_.OnDropFiles(names);
    });
  }
}

LRESULT Win32Form::HandleMessageGuarded(UINT message, WPARAM wParam, LPARAM lParam) {
  return app_.Guarded(0, [&] { return HandleMessage(message, wParam, lParam); });
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      if (lParam == 0 && HIWORD(wParam) == 0) {
        if (TMenuItem* item = app_.MenuItemOf(LOWORD(wParam))) app_.Deliver(item->OnClick);
        return 0;
      }
      if (ChildWindow* child = app_.Child(LOWORD(wParam))) {
        if (child->onCommand) child->onCommand(HIWORD(wParam));
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      ChildWindow* child = app_.Child(static_cast<int>(item->CtlID));
      if (child != nullptr && child->onDrawItem) child->onDrawItem(*item);
      return TRUE;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (ChildWindow* child = app_.Child(static_cast<int>(item->CtlID))) {
        item->itemHeight = static_cast<UINT>(Scale(std::max(child->control->Layout().itemHeight, 1)));
      }
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      ChildWindow* child = app_.ChildOf(reinterpret_cast<HWND>(lParam));
      if (child == nullptr || child->brush == nullptr) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, child->fore);
      SetBkColor(dc, child->back);
      return reinterpret_cast<LRESULT>(child->brush);
    }
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, app_.BrushFor(app_.ColourOf(form_.Layout().color, form_)));
      return 1;
    }
    case WM_SIZE:
      LayoutAligned();
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      // The close box, Alt+F4 and the system menu: the form decides; a closed window is only hidden.
      form_.Close();
      return 0;
    case WM_SYSCOMMAND:
      // The main window's minimise box takes the whole program to the taskbar, through the hidden window
      // that carries its button (a window it owns would otherwise shrink to an icon of its own).
      if ((wParam & 0xFFF0) == SC_MINIMIZE && form_.IsMainWindow()) {
        app_.Minimize();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
      } else if (LOWORD(wParam) != WA_INACTIVE) {
        // A window activated for the first time gives the focus to its first control in the tab order.
        FocusFirstControl();
        return 0;
      }
      break;
    case WM_DPICHANGED:
      // Moved to a screen of another DPI (or the user changed its scale); the frame and the menu bar the
      // system scales itself.
      ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace tovir::kit::win32

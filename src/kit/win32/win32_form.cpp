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

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form != nullptr && form->Handle() != nullptr) return form->HandleMessage(message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterFormClass(HICON icon) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = FormProc;
  form.hInstance = GetModuleHandleW(nullptr);
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hIcon = icon;
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);
}

Win32Form::Win32Form(Win32Application& app, TForm& form) : app_(app), form_(form) {
  const FormLayout& layout = form.Layout();
  DWORD style = WS_CAPTION;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (layout.borderStyle == BorderStyle::kSizeable) {
    style |= WS_OVERLAPPED | WS_THICKFRAME;
  } else {
    style |= WS_POPUP;
    exStyle |= WS_EX_DLGMODALFRAME;
  }
  if (layout.borderIcons & kSystemMenu) style |= WS_SYSMENU;
  if (layout.borderIcons & kMinimize) style |= WS_MINIMIZEBOX;
  if (layout.borderIcons & kMaximize) style |= WS_MAXIMIZEBOX;
  if (layout.stayOnTop) exStyle |= WS_EX_TOPMOST;

  // The design's sizes at the screen's DPI; a size given for the client area gets the system's real frame.
  int width = app.Scale(layout.width);
  int height = app.Scale(layout.height);
  if (layout.clientSize) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, style, layout.hasMenu ? TRUE : FALSE, exStyle);
    width = r.right - r.left;
    height = r.bottom - r.top;
  }
  int left = app.Scale(layout.left);
  int top = app.Scale(layout.top);
  if (layout.centerOnScreen) {
    left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  app_.RegisterForm(*this);
  HWND created = CreateWindowExW(exStyle, kFormClass, Wide(layout.caption).c_str(), style, left, top, width,
                                 height, app.Owner(), nullptr, GetModuleHandleW(nullptr), this);
  hwnd_ = created;
  if (hwnd_ != nullptr && !(layout.borderIcons & kMaximize) && layout.borderStyle == BorderStyle::kDialog) {
    // A dialog frame shows no icon in its caption.
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, 0);
  }
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
  return IsWindowVisible(hwnd_) != FALSE;
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
  if (form_.IsMainWindow()) ShowWindow(app_.Owner(), SW_SHOWNA);
  ShowWindow(hwnd_, SW_SHOW);
  BringWindowToTop(hwnd_);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void Win32Form::Hide() {
  const bool wasActive = GetActiveWindow() == hwnd_;
  ShowWindow(hwnd_, SW_HIDE);
  // The main window takes over from a window that closes while active, as the user expects, rather than the
  // hidden application window that owns them all.
  Win32Form* main = app_.MainForm();
  if (wasActive && main != nullptr && main != this && main->Visible()) SetActiveWindow(main->Handle());
}

void Win32Form::FocusFirstControl() {
  TControl* first = nullptr;
  for (TControl* c : form_.Controls()) {
    if (!c->TabStop() || !c->Enabled() || !c->Visible()) continue;
    if (first == nullptr || c->Layout().tabOrder < first->Layout().tabOrder) first = c;
  }
  if (first != nullptr) app_.SetFocus(*first);
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
  int top = 0;
  int bottom = client.bottom;
  for (TControl* control : form_.Controls()) {
    const ControlLayout& l = control->Layout();
    if (l.align == Align::kNone || !control->Visible()) continue;
    int height = app_.Scale(l.height);
    int y = l.align == Align::kTop ? top : bottom - height;
    if (l.align == Align::kTop) top += height;
    if (l.align == Align::kBottom) bottom -= height;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      ChildWindow* c = app_.ChildOf(child);
      if (c != nullptr && c->control == control) {
        SetWindowPos(child, nullptr, 0, y, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
        item->itemHeight = static_cast<UINT>(app_.Scale(std::max(child->control->Layout().itemHeight, 1)));
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
      if (child->transparent) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
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
      app_.Deliver([this] { form_.Close(); });
      return 0;
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
    case WM_DPICHANGED: {
      // Positions and fonts were scaled for the DPI at start; the new size keeps the window's place.
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace tovir::kit::win32

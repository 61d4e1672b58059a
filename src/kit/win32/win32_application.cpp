// The Win32 backend: the application object, the message loop and the windows' frames.
#include "kit/win32/win32_application.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "base/encoding.h"
#include "kit/pictures.h"
#include "kit/win32/backend.h"

namespace tovir::kit::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TovirForm";
constexpr wchar_t kAppClass[] = L"TovirApplication";
constexpr int kFirstMenuId = 1000;

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

namespace {

// The program's icon from its own 16-colour picture.
HICON MakeIcon() {
  const Picture picture = DrawPicture(0);
  return MakeIconFrom(kPictureSize, [&](int x, int y) {
    return kPalette16[picture.pixels[static_cast<size_t>(y * kPictureSize + x)]] | 0xFF000000u;
  });
}

void MakeDpiAware() {
  // The manifest asks for per-monitor awareness; this covers a start without it (an older system).
  HMODULE user = GetModuleHandleW(L"user32.dll");
  using SetContext = BOOL(WINAPI*)(HANDLE);
  if (auto set = reinterpret_cast<SetContext>(
          reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext")))) {
    if (set(reinterpret_cast<HANDLE>(-4)) != FALSE) return;  // per monitor, version 2
  }
  SetProcessDPIAware();
}

}  // namespace

std::wstring Wide(std::string_view cp932) {
  if (cp932.empty()) return {};
  int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), n);
  return wide;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n =
      WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0) {
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  }
  return out;
}

// --- the application
// ------------------------------------------------------------------------------------------

Win32Application::Win32Application() {
  MakeDpiAware();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi_ <= 0) dpi_ = 96;
  icon_ = MakeIcon();
  htmlFormat_ = RegisterClipboardFormatW(L"HTML Format");

  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = FormProc;
  form.hInstance = instance;
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hIcon = icon_;
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);
  WNDCLASSEXW app{};
  app.cbSize = sizeof app;
  app.lpfnWndProc = AppWindowProc;
  app.hInstance = instance;
  app.hIcon = icon_;
  app.lpszClassName = kAppClass;
  RegisterClassExW(&app);
  // The application window owns every form and carries the taskbar button, whose text is the application
  // title rather than the main window's caption.
  appWindow_ = CreateWindowExW(0, kAppClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                               nullptr, nullptr, instance, this);
  SetWindowLongPtrW(appWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Application::~Win32Application() {
  for (auto& [id, timer] : timers_) KillTimer(appWindow_, id);
  if (appWindow_ != nullptr) DestroyWindow(appWindow_);
  for (auto& [name, font] : fonts_) DeleteObject(font);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  if (icon_ != nullptr) DestroyIcon(icon_);
}

LRESULT CALLBACK Win32Application::AppWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* app = reinterpret_cast<Win32Application*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (app != nullptr && message == WM_TIMER) {
    if (app->Driven() && lParam != kScriptTick) return 0;
    auto found = app->timers_.find(wParam);
    if (found != app->timers_.end() && found->second->Enabled()) app->Deliver(found->second->OnTimer);
    return 0;
  }
  if (app != nullptr && message == WM_CLOSE) {
    // The taskbar button's Close closes the main window.
    if (Win32Form* main = app->MainForm()) PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Application::Run() {
  MSG msg;
  while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32Application::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Dispatch(msg);
  }
}

void Win32Application::ProcessMessages() {
  Pump();
  // A script's input held for this moment comes as if it had been waiting in the queue.
  if (!hook_ || inHook_) return;
  inHook_ = true;
  hook_();
  inHook_ = false;
}

bool Win32Application::HandleKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  Win32Form* window = FormOf(msg.hwnd);
  if (window == nullptr) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (ctrl && !alt && msg.wParam >= 'A' && msg.wParam <= 'Z') {
    std::string key = "Ctrl+";
    key += static_cast<char>(msg.wParam);
    // Shortcuts are looked up before the focused control sees the key: the window's own menu, then, while
    // the main window takes input, the main window's.
    Win32Form* main = MainForm();
    for (Win32Form* form : {window, main}) {
      if (form == nullptr || form->Control().Menu == nullptr) continue;
      if (form == main && form != window && !IsWindowEnabled(main->Handle())) continue;
      if (TMenuItem* item = form->Control().Menu->FindShortCut(key)) {
        Deliver(item->OnClick);
        return true;
      }
    }
    return false;
  }
  if (msg.wParam == VK_ESCAPE && !alt) {
    for (TControl* control : window->Control().Controls()) {
      auto* button = dynamic_cast<TButton*>(control);
      if (button != nullptr && button->IsCancel() && button->Visible() && button->Enabled()) {
        Deliver(button->OnClick);
        return true;
      }
    }
  }
  return false;
}

void Win32Application::Dispatch(MSG& msg) {
  if (HandleKey(msg)) return;
  if (Win32Form* form = FormOf(msg.hwnd)) {
    if (IsDialogMessageW(form->Handle(), &msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Application::SetTitle(std::string_view title) {
  SetWindowTextW(appWindow_, Wide(title).c_str());
}

void Win32Application::Beep() {
  ++beeps_;
  MessageBeep(0);
}

void Win32Application::SetFocus(TControl& control) {
  for (auto& [id, child] : children_) {
    if (child->control == &control) {
      ::SetFocus(child->hwnd);
      return;
    }
  }
}

void Win32Application::ReportException(std::string_view what) {
  if (sink_) {
    sink_(what);
    return;
  }
  // The standard display: the message in a box titled with the application's title; the loop goes on.
  wchar_t title[256] = L"";
  GetWindowTextW(appWindow_, title, 256);
  std::wstring text = Wide(what);
  Win32Form* main = MainForm();
  MessageBoxW(main != nullptr ? main->Handle() : nullptr, text.c_str(), title, MB_OK | MB_ICONSTOP);
}

void Win32Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

HFONT Win32Application::FontFor(const Font& font) {
  std::wstring key = Wide(font.name) + L"|" + std::to_wstring(font.height) + L"|" +
                     std::to_wstring(static_cast<int>(font.pitch)) + L"|" + std::to_wstring(font.charset);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  DWORD pitch = font.pitch == Pitch::kFixed      ? FIXED_PITCH | FF_MODERN
                : font.pitch == Pitch::kVariable ? VARIABLE_PITCH | FF_SWISS
                                                 : DEFAULT_PITCH;
  HFONT handle = CreateFontW(Scale(font.height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, pitch, Wide(font.name).c_str());
  fonts_[key] = handle;
  return handle;
}

HBRUSH Win32Application::BrushFor(COLORREF colour) {
  auto found = brushes_.find(colour);
  if (found != brushes_.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  brushes_[colour] = brush;
  return brush;
}

COLORREF Win32Application::ColourOf(const Color& colour, const TForm& form) const {
  switch (colour.kind) {
    case Color::Kind::kRgb:
      return RGB((colour.rgb >> 16) & 255, (colour.rgb >> 8) & 255, colour.rgb & 255);
    case Color::Kind::kBtnFace:
      return GetSysColor(COLOR_BTNFACE);
    case Color::Kind::kWindow:
      return GetSysColor(COLOR_WINDOW);
    case Color::Kind::kWindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case Color::Kind::kParent:
      break;
  }
  return form.Layout().color.IsParent() ? GetSysColor(COLOR_BTNFACE) : ColourOf(form.Layout().color, form);
}

int Win32Application::NewControlId(ChildWindow& child) {
  int id = nextId_++;
  children_[id] = &child;
  return id;
}

ChildWindow* Win32Application::Child(int id) const {
  auto found = children_.find(id);
  return found != children_.end() ? found->second : nullptr;
}

ChildWindow* Win32Application::ChildOf(HWND hwnd) const {
  // Every child window has its own id, a radio group's buttons too (they stand for the group's control).
  if (hwnd == nullptr) return nullptr;
  ChildWindow* child = Child(GetDlgCtrlID(hwnd));
  return child != nullptr && child->hwnd == hwnd ? child : nullptr;
}

Win32Form* Win32Application::FormOf(HWND hwnd) const {
  if (hwnd == nullptr) return nullptr;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  for (Win32Form* form : forms_) {
    if (form->Handle() == root) return form;
  }
  return nullptr;
}

Win32Form* Win32Application::MainForm() const {
  for (Win32Form* form : forms_) {
    if (form->Control().IsMainWindow()) return form;
  }
  return nullptr;
}

void Win32Application::ForgetForm(Win32Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

int Win32Application::MenuCommandId(TMenuItem& item) {
  auto found = std::find(menuItems_.begin(), menuItems_.end(), &item);
  if (found != menuItems_.end()) return kFirstMenuId + static_cast<int>(found - menuItems_.begin());
  menuItems_.push_back(&item);
  return kFirstMenuId + static_cast<int>(menuItems_.size()) - 1;
}

TMenuItem* Win32Application::MenuItemOf(int id) const {
  int index = id - kFirstMenuId;
  if (index < 0 || index >= static_cast<int>(menuItems_.size())) return nullptr;
  return menuItems_[static_cast<size_t>(index)];
}

HMENU Win32Application::BuildMenu(const TMenu& menu, bool bar) {
  HMENU root = bar ? CreateMenu() : CreatePopupMenu();
  std::map<std::string, HMENU> submenus;
  for (const auto& owned : menu.Items()) {
    TMenuItem& item = *owned;
    std::wstring caption = Wide(item.Caption());
    if (!item.ShortCut().empty()) caption += L"\t" + Wide(item.ShortCut());
    // An item of the bar with items under it opens a submenu.
    bool hasChildren = std::any_of(menu.Items().begin(), menu.Items().end(),
                                   [&](const auto& other) { return other->Parent() == item.Name(); });
    HMENU parent = root;
    if (!item.Parent().empty()) {
      auto found = submenus.find(item.Parent());
      if (found == submenus.end()) continue;
      parent = found->second;
    }
    if (hasChildren) {
      HMENU sub = CreatePopupMenu();
      submenus[item.Name()] = sub;
      AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
      continue;
    }
    int id = MenuCommandId(item);
    AppendMenuW(parent, MF_STRING | (item.Checked() ? MF_CHECKED : MF_UNCHECKED), static_cast<UINT_PTR>(id),
                caption.c_str());
    menuHandles_[&item] = {parent, id};
  }
  return root;
}

void Win32Application::ShowChecked(TMenuItem& item) {
  // Items of a menu not built yet get their mark when it is built.
  auto found = menuHandles_.find(&item);
  if (found == menuHandles_.end()) return;
  CheckMenuItem(found->second.first, static_cast<UINT>(found->second.second),
                MF_BYCOMMAND | (item.Checked() ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Application::RegisterTimer(UINT_PTR id, TTimer* timer) {
  if (timer != nullptr) {
    timers_[id] = timer;
  } else {
    timers_.erase(id);
  }
}

int Win32Application::Shows(TForm& form) const {
  return static_cast<Win32Form&>(form.Peer()).Shows();
}

std::string Win32Application::FocusName() const {
  ChildWindow* child = ChildOf(GetFocus());
  return child != nullptr && child->control != nullptr ? child->control->Name() : std::string();
}

std::unique_ptr<FormPeer> Win32Application::CreatePeer(TForm& form) {
  return std::make_unique<Win32Form>(*this, form);
}

// --- a form
// ---------------------------------------------------------------------------------------------------

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
  HWND created = CreateWindowExW(exStyle, L"TovirForm", Wide(layout.caption).c_str(), style, left, top, width,
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

namespace tovir::kit::win32 {

namespace {

class Windows final : public RealWindows {
 public:
  Application& App() override { return app_; }
  Scriptable& Input() override { return app_; }
  void Run() override { app_.Run(); }

 private:
  Win32Application app_;
};

}  // namespace

std::unique_ptr<RealWindows> CreateRealWindows() {
  return std::make_unique<Windows>();
}

}  // namespace tovir::kit::win32

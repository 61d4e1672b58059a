// The Win32 backend's application object: the message loop, keys, fonts, brushes, menus and timers.
#include "kit/win32/win32_application.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <chrono>

#include "kit/win32/backend.h"
#include "kit/win32/win32_controls.h"
#include "kit/win32/win32_form.h"
#include "kit/win32/win32_pictures.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

constexpr wchar_t kAppClass[] = L"TovirApplication";
constexpr int kFirstMenuId = 1000;

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

Win32Application::Win32Application() {
  MakeDpiAware();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi_ <= 0) dpi_ = 96;
  icon_ = MakeProgramIcon();
  htmlFormat_ = RegisterClipboardFormatW(L"HTML Format");

  RegisterFormClasses(icon_);
  RegisterWindowClass(kAppClass, AppWindowProc, icon_);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // The application window owns every form and carries the taskbar button, whose text is the application
  // title rather than the main window's caption.
  appWindow_ = CreateWindowExW(0, kAppClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                               nullptr, nullptr, instance, this);
  if (appWindow_ == nullptr) {
    DestroyIcon(icon_);
    throw WindowError("the application window could not be created");
  }
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
  if (app == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return app->Guarded(0, [&] { return app->HandleAppMessage(message, wParam, lParam); });
}

LRESULT Win32Application::HandleAppMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      if (Driven() && lParam != kScriptTick) return 0;
      auto found = timers_.find(wParam);
      if (found != timers_.end() && found->second->Enabled()) Deliver(found->second->OnTimer);
      return 0;
    }
    case WM_RENDERFORMAT:
      RenderClipboard(static_cast<UINT>(wParam));
      return 0;
    case WM_RENDERALLFORMATS:
      RenderAllClipboard();
      return 0;
    case WM_DESTROYCLIPBOARD:
      ForgetClipboard();
      return 0;
    case WM_CLOSE:
      // The taskbar button's Close closes the main window.
      if (Win32Form* main = MainForm()) PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
      return 0;
    case WM_SYSCOMMAND:
      // The taskbar button minimises and restores the program as a whole.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        Minimize();
        return 0;
      }
      if ((wParam & 0xFFF0) == SC_RESTORE) {
        Restore();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(appWindow_, message, wParam, lParam);
}

void Win32Application::Minimize() {
  if (IsIconic(appWindow_)) return;
  // The windows go with the button: each one shown now is hidden and comes back at the restore.
  for (Win32Form* form : forms_) {
    if (!IsWindowVisible(form->Handle())) continue;
    minimized_.push_back(form);
    ShowWindow(form->Handle(), SW_HIDE);
  }
  ShowWindow(appWindow_, SW_MINIMIZE);
}

void Win32Application::Restore() {
  if (IsIconic(appWindow_)) ShowWindow(appWindow_, SW_RESTORE);
  std::vector<Win32Form*> forms;
  forms.swap(minimized_);
  Win32Form* main = MainForm();
  for (Win32Form* form : forms) ShowWindow(form->Handle(), form == main ? SW_SHOW : SW_SHOWNA);
  if (main != nullptr && std::find(forms.begin(), forms.end(), main) != forms.end()) {
    SetForegroundWindow(main->Handle());
  }
}

bool Win32Application::Minimized(const Win32Form& form) const {
  return std::find(minimized_.begin(), minimized_.end(), &form) != minimized_.end();
}

void Win32Application::ShowWhenRestored(Win32Form& form, bool show) {
  std::erase(minimized_, &form);
  if (show) minimized_.push_back(&form);
}

void Win32Application::Run() {
  MSG msg;
  while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32Application::Pump() {
  MSG msg;
  // The full display pumps once per drawing file. Without PM_NOYIELD, Wine gives up the processor each time
  // the queue is found empty (sched_yield), which on a busy machine costs more than reading the file; on
  // Windows the flag changes nothing.
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Dispatch(msg);
  }
}

void Win32Application::ProcessMessages() {
  Pump();
  lastPump_ = std::chrono::steady_clock::now();
  // A script's input held for this moment comes as if it had been waiting in the queue.
  held_.Run();
}

void Win32Application::ProcessMessagesWhileBusy() {
  // The full display processes messages once per drawing file. Under Wine every look at the queue is a round
  // trip to the wineserver (20 to 50 microseconds, more than reading a drawing file from a warm disk); on
  // Windows it costs next to nothing. A look less than a millisecond after the last one can find nothing a
  // person did meanwhile, so it waits for the next call: input is still heard within a millisecond.
  if (std::chrono::steady_clock::now() - lastPump_ >= kPumpInterval) {
    Pump();
    lastPump_ = std::chrono::steady_clock::now();
  }
  held_.Run();
}

namespace {

// The key a key press is, with the modifier keys held now; nullopt for keys the program has no use for.
std::optional<Key> KeyOf(WPARAM vk) {
  Key key;
  if (vk >= 'A' && vk <= 'Z') {
    key.letter = static_cast<char>(vk);
  } else if (vk == VK_ESCAPE) {
    key.code = Key::Code::kEscape;
  } else if (vk == VK_RETURN) {
    key.code = Key::Code::kEnter;
  } else if (vk == VK_TAB) {
    key.code = Key::Code::kTab;
  } else if (vk == VK_F1) {
    key.code = Key::Code::kF1;
  } else {
    return std::nullopt;
  }
  key.ctrl = GetKeyState(VK_CONTROL) < 0;
  key.shift = GetKeyState(VK_SHIFT) < 0;
  key.alt = GetKeyState(VK_MENU) < 0;
  return key;
}

}  // namespace

bool Win32Application::HandleKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  Win32Form* window = FormOf(msg.hwnd);
  if (window == nullptr) return false;
  const std::optional<Key> key = KeyOf(msg.wParam);
  if (!key) return false;
  Win32Form* main = MainForm();
  return RouteKey(*this, window->Control(), main != nullptr ? &main->Control() : nullptr, *key);
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
  if (ChildWindow* child = WindowOf(control)) ::SetFocus(child->hwnd);
}

void Win32Application::ReportException(std::exception_ptr error) {
  if (sink_) {
    sink_(error);
    return;
  }
  // A failure that comes back with every repaint (a row that cannot be drawn) must not stack box upon box:
  // while one report is shown, others are let go.
  if (reporting_) return;
  struct Reporting {
    bool& flag;
    explicit Reporting(bool& f) : flag(f) { flag = true; }
    ~Reporting() { flag = false; }
  } reporting(reporting_);
  // The standard display: the message in a box titled with the application's title; the loop goes on.
  wchar_t title[256] = L"";
  GetWindowTextW(appWindow_, title, 256);
  std::wstring text = Wide(ExceptionText(error));
  Win32Form* main = MainForm();
  MessageBoxW(main != nullptr ? main->Handle() : nullptr, text.c_str(), title, MB_OK | MB_ICONSTOP);
}

void Win32Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

HFONT Win32Application::FontFor(const Font& font, int dpi) {
  const int height = MulDiv(font.height, dpi, 96);
  std::wstring key = Wide(font.name) + L"|" + std::to_wstring(height) + L"|" +
                     std::to_wstring(static_cast<int>(font.pitch)) + L"|" + std::to_wstring(font.charset);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  DWORD pitch = font.pitch == Pitch::kFixed      ? FIXED_PITCH | FF_MODERN
                : font.pitch == Pitch::kVariable ? VARIABLE_PITCH | FF_SWISS
                                                 : DEFAULT_PITCH;
  HFONT handle =
      CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<DWORD>(font.charset),
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch, Wide(font.name).c_str());
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

ChildWindow* Win32Application::WindowOf(const TControl& control) const {
  // Ids grow in the order windows are made.
  for (auto& [id, child] : children_) {
    if (child->control == &control) return child;
  }
  return nullptr;
}

std::optional<ShownControl> Win32Application::Shown(const TControl& control) const {
  const ChildWindow* child = WindowOf(control);
  if (child == nullptr || child->hwnd == nullptr) return std::nullopt;
  const Win32Form& form = child->Form();
  RECT r{};
  GetWindowRect(child->hwnd, &r);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
  ShownControl shown;
  shown.bounds = {form.Unscale(r.left), form.Unscale(r.top), form.Unscale(r.right - r.left),
                  form.Unscale(r.bottom - r.top)};
  shown.visible = (GetWindowLongW(child->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  LOGFONTW font{};
  auto handle = reinterpret_cast<HFONT>(SendMessageW(child->hwnd, WM_GETFONT, 0, 0));
  if (handle != nullptr && GetObjectW(handle, sizeof font, &font) == sizeof font) {
    shown.fontName = Narrow(font.lfFaceName);
    shown.fontHeight = form.Unscale(font.lfHeight);
    shown.fontCharset = font.lfCharSet;
    const int pitch = font.lfPitchAndFamily & 3;
    shown.fontPitch = pitch == FIXED_PITCH      ? Pitch::kFixed
                      : pitch == VARIABLE_PITCH ? Pitch::kVariable
                                                : Pitch::kDefault;
  }
  return shown;
}

std::optional<Rect> Win32Application::ClientArea(const TForm& form) const {
  const auto& peer = static_cast<const Win32Form&>(form.Peer());
  RECT r{};
  GetClientRect(peer.Handle(), &r);
  return Rect{0, 0, peer.Unscale(r.right), peer.Unscale(r.bottom)};
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
  std::erase(forms_, &form);
  std::erase(minimized_, &form);
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
    if (item.ShortCut()) caption += L"\t" + Wide(item.ShortCut()->Text());
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
    if (bar) menuHandles_[&item] = {parent, id};
  }
  return root;
}

HMENU Win32Application::MenuHandleOf(TMenuItem& item) const {
  auto found = menuHandles_.find(&item);
  return found != menuHandles_.end() ? found->second.first : nullptr;
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

void ShowOutput(std::string_view cp932, bool error, std::string_view title) {
  const DWORD which = error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
  HANDLE stream = GetStdHandle(which);
  // A program of the windows subsystem has no console of its own: it writes into the one it was started from.
  if ((stream == nullptr || stream == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    stream = GetStdHandle(which);
  }
  if (stream != nullptr && stream != INVALID_HANDLE_VALUE) {
    DWORD mode = 0;
    if (GetConsoleMode(stream, &mode)) {
      const std::wstring wide = Wide(cp932);
      DWORD written = 0;
      if (WriteConsoleW(stream, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) return;
    } else {
      DWORD written = 0;
      if (WriteFile(stream, cp932.data(), static_cast<DWORD>(cp932.size()), &written, nullptr)) return;
    }
  }
  MessageBoxW(nullptr, Wide(cp932).c_str(), Wide(title).c_str(), MB_OK | (error ? MB_ICONSTOP : 0));
}

}  // namespace tovir::kit::win32

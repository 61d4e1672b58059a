// The Win32 backend's controls: one peer per control, each a real child window at its design place, and the
// factory that makes them.
#include "kit/win32/win32_controls.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "kit/win32/win32_application.h"
#include "kit/win32/win32_form.h"
#include "kit/win32/win32_list_box.h"
#include "kit/win32/win32_pictures.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

constexpr wchar_t kImageClass[] = L"TovirImage";
constexpr wchar_t kBevelClass[] = L"TovirBevel";

}  // namespace

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = procedure;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hIcon = icon;
  c.lpszClassName = name;
  RegisterClassExW(&c);
}

// --- the child window shared by every peer
// ---------------------------------------------------------------------

ChildWindow::~ChildWindow() {
  if (app != nullptr) app->ForgetControl(id);
  if (hwnd != nullptr) DestroyWindow(hwnd);
}

Win32Form& ChildWindow::Form() const {
  return static_cast<Win32Form&>(control->Owner().Peer());
}

void ChildWindow::Create(const wchar_t* className, DWORD style, DWORD exStyle, std::string_view cp932Text,
                         const Rect& designBounds) {
  const ControlLayout& l = control->Layout();
  const TForm& owner = control->Owner();
  id = app->NewControlId(*this);
  design = designBounds;
  font = &control->DesignFont();
  fore = app->ColourOf(l.fontColor.IsParent() ? kWindowText : l.fontColor, owner);
  back = app->ColourOf(l.color, owner);
  brush = app->BrushFor(back);
  if (control->Visible()) style |= WS_VISIBLE;
  if (!control->Enabled()) style |= WS_DISABLED;
  const Win32Form& form = Form();
  hwnd = CreateWindowExW(
      exStyle, className, Wide(cp932Text).c_str(), WS_CHILD | style, form.Scale(design.left),
      form.Scale(design.top), form.Scale(design.width), form.Scale(design.height), form.Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) {
    throw WindowError("the control " + std::string(control->Owner().Name()) + "." + control->Name() +
                      " could not be created");
  }
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(app->FontFor(*font, form.Dpi())), FALSE);
}

void ChildWindow::SetVisible(bool visible) {
  ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
  // Edge-aligned controls make room for each other.
  if (control->Layout().align != Align::kNone) Form().LayoutAligned();
}

void ChildWindow::SetEnabled(bool enabled) {
  EnableWindow(hwnd, enabled ? TRUE : FALSE);
}

void ChildWindow::SetBounds(const Rect& b) {
  design = b;
  const Win32Form& form = Form();
  SetWindowPos(hwnd, nullptr, form.Scale(b.left), form.Scale(b.top), form.Scale(b.width),
               form.Scale(b.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildWindow::Rescale() {
  SetBounds(design);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(app->FontFor(*font, Form().Dpi())), TRUE);
  if (onDpiChanged) onDpiChanged();
}

namespace {

// A label: a static control that draws its caption on one line, as the program's labels show it, where the
// system's static text would break it into words and hide what does not fit the box. One that sizes itself
// takes its caption's extent in its font at its window's DPI, placed by the kit's rule.
class LabelWindow final : public Peer<TextPeer> {
 public:
  LabelWindow(Win32Application& app, TLabel& label) : Peer(app, label), label_(label) {}
  ~LabelWindow() override {
    if (window.hwnd != nullptr) RemoveWindowSubclass(window.hwnd, SubclassProc, 0);
  }
  LabelWindow(const LabelWindow&) = delete;
  LabelWindow& operator=(const LabelWindow&) = delete;

  void Attach() {
    SetWindowSubclass(window.hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    window.onDpiChanged = [this] { Fit(); };
    Fit();
  }
  void SetText(std::string_view cp932) override {
    SetWindowTextW(window.hwnd, Wide(cp932).c_str());
    Fit();
  }

 private:
  UINT Format() const {
    const TextAlign a = label_.Layout().alignment;
    return DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS |
           (a == TextAlign::kCenter  ? DT_CENTER
            : a == TextAlign::kRight ? DT_RIGHT
                                     : DT_LEFT);
  }
  std::wstring Text() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window.hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window.hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  void Fit() {
    if (!label_.AutoSize()) return;
    std::wstring text = Text();
    if (text.empty()) text = L" ";
    HDC dc = GetDC(window.hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window.hwnd, WM_GETFONT, 0, 0)));
    RECT extent{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, Format() | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(window.hwnd, dc);
    const Win32Form& form = window.Form();
    const Rect design{form.Scale(window.design.left), form.Scale(window.design.top),
                      form.Scale(window.design.width), form.Scale(window.design.height)};
    const Rect r = AutoSizedBounds(design, label_.Layout().alignment, extent.right, extent.bottom);
    SetWindowPos(window.hwnd, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window.hwnd, nullptr, TRUE);
  }
  void Paint(HDC dc) {
    RECT r{};
    GetClientRect(window.hwnd, &r);
    FillRect(dc, &r, window.brush);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window.hwnd, WM_GETFONT, 0, 0)));
    SetTextColor(dc, IsWindowEnabled(window.hwnd) ? window.fore : GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = Text();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, Format());
    SelectObject(dc, old);
  }
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<LabelWindow*>(data);
    return self->window.app->Guarded(0, [&]() -> LRESULT {
      switch (message) {
        case WM_ERASEBKGND:
          return 1;  // painted whole with the text
        case WM_PAINT: {
          PAINTSTRUCT ps;
          HDC dc = BeginPaint(hwnd, &ps);
          self->Paint(dc);
          EndPaint(hwnd, &ps);
          return 0;
        }
        case WM_PRINTCLIENT:
          self->Paint(reinterpret_cast<HDC>(wParam));
          return 0;
        default:
          return DefSubclassProc(hwnd, message, wParam, lParam);
      }
    });
  }

  TLabel& label_;
};

// A push button; a cancel button also shows the standard cancel picture.
class ButtonWindow final : public Peer<TextPeer> {
 public:
  using Peer::Peer;
  ~ButtonWindow() override {
    if (glyph_ != nullptr) DestroyIcon(glyph_);
  }
  void SetText(std::string_view cp932) override { SetWindowTextW(window.hwnd, Wide(cp932).c_str()); }
  // The cancel picture at the form's present DPI. Common controls 6 draw it and the caption side by side.
  void ShowGlyph() {
    HICON old = glyph_;
    glyph_ = MakeCancelGlyph(window.Form().Scale(16));
    SendMessageW(window.hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph_));
    if (old != nullptr) DestroyIcon(old);
  }

 private:
  HICON glyph_ = nullptr;
};

class StatusWindow final : public Peer<TextPeer> {
 public:
  using Peer::Peer;
  void SetText(std::string_view cp932) override {
    SendMessageW(window.hwnd, SB_SETTEXTW, SB_SIMPLEID | SBT_NOBORDERS,
                 reinterpret_cast<LPARAM>(Wide(cp932).c_str()));
  }
};

class ProgressWindow final : public Peer<ProgressBarPeer> {
 public:
  using Peer::Peer;
  void SetPosition(int position) override { SendMessageW(window.hwnd, PBM_SETPOS, position, 0); }
};

// An edit keeps the program's bytes as they were set, so that a text CP932 cannot show still reads back
// exactly; once the user edits it, the text is the window's.
class EditWindow final : public Peer<EditPeer> {
 public:
  using Peer::Peer;
  std::string Text() const override {
    if (!userChanged_) return text_;
    int length = GetWindowTextLengthW(window.hwnd);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    wide.resize(static_cast<size_t>(GetWindowTextW(window.hwnd, wide.data(), length + 1)));
    return Narrow(wide);
  }
  void SetText(std::string_view cp932) override {
    text_.assign(cp932);
    settingText_ = true;
    SetWindowTextW(window.hwnd, Wide(cp932).c_str());
    settingText_ = false;
    userChanged_ = false;
  }
  void OnCommand(int code) {
    if (code == EN_CHANGE && !settingText_) userChanged_ = true;
  }

 private:
  std::string text_;
  bool settingText_ = false;
  bool userChanged_ = false;
};

class MenuItemWindow final : public MenuItemPeer {
 public:
  MenuItemWindow(Win32Application& app, TMenuItem& item) : app_(app), item_(item) {}
  void SetChecked(bool) override { app_.ShowChecked(item_); }

 private:
  Win32Application& app_;
  TMenuItem& item_;
};

class TimerWindow final : public TimerPeer {
 public:
  // Ids are never used twice, so a timer destroyed while the timers tick is never mistaken for a new one.
  TimerWindow(Win32Application& app, TTimer& timer) : app_(app), timer_(timer), id_(app.NewTimerId()) {}
  ~TimerWindow() override {
    KillTimer(app_.Owner(), id_);
    app_.RegisterTimer(id_, nullptr);
  }
  void SetEnabled(bool enabled) override {
    if (enabled) {
      app_.RegisterTimer(id_, &timer_);
      SetTimer(app_.Owner(), id_, static_cast<UINT>(timer_.Interval()), nullptr);
    } else {
      KillTimer(app_.Owner(), id_);
    }
  }

 private:
  Win32Application& app_;
  TTimer& timer_;
  UINT_PTR id_;
};

// Paints a window of the program's own classes through `paint`, with nothing it throws let out; the window's
// ChildWindow is in its user data once it is made.
LRESULT PaintOwn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                 void (*paint)(const ChildWindow&, HDC, const RECT&)) {
  auto* child = reinterpret_cast<ChildWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message != WM_PAINT || child == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT r{};
  GetClientRect(hwnd, &r);
  child->app->Guarded(0, [&] {
    paint(*child, dc, r);
    return 0;
  });
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT CALLBACK ImageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return PaintOwn(hwnd, message, wParam, lParam, [](const ChildWindow& child, HDC dc, const RECT& r) {
    PaintPicture(dc, r, static_cast<const TImage*>(child.control)->Picture());
  });
}

// A bevel drawn as one etched line along its top edge, on the form's colour.
LRESULT CALLBACK BevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return PaintOwn(hwnd, message, wParam, lParam, [](const ChildWindow&, HDC dc, const RECT& r) {
    RECT edge = r;
    FillRect(dc, &edge, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_TOP);
  });
}

void RegisterPictureClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterWindowClass(kImageClass, ImageProc);
  RegisterWindowClass(kBevelClass, BevelProc);
}

DWORD AlignStyle(TextAlign alignment) {
  return alignment == TextAlign::kCenter ? SS_CENTER : alignment == TextAlign::kRight ? SS_RIGHT : SS_LEFT;
}

}  // namespace

// --- the radio group
// ---------------------------------------------------------------------------------------------

void RadioGroupWindow::SetItemIndex(int index) {
  index_ = index;
  for (size_t i = 0; i < buttons.size(); ++i) {
    SendMessageW(buttons[i]->hwnd, BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED,
                 0);
  }
}

void RadioGroupWindow::SetVisible(bool visible) {
  window.SetVisible(visible);
  for (auto& b : buttons) b->SetVisible(visible);
}

void RadioGroupWindow::SetEnabled(bool enabled) {
  window.SetEnabled(enabled);
  for (auto& b : buttons) b->SetEnabled(enabled);
}

void RadioGroupWindow::OnItemClicked(int index) {
  SendMessageW(buttons[static_cast<size_t>(index)]->hwnd, BM_SETCHECK, BST_CHECKED, 0);
  if (index == index_) return;
  SetItemIndex(index);
  window.app->Deliver(group_.OnClick);
}

// --- the peers' factory
// --------------------------------------------------------------------------------------------

std::unique_ptr<ControlPeer> Win32Application::CreatePeer(TBevel& bevel) {
  RegisterPictureClasses();
  auto peer = std::make_unique<Peer<ControlPeer>>(*this, bevel);
  peer->window.Create(kBevelClass, 0, 0, {}, bevel.Bounds());
  SetWindowLongPtrW(peer->window.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&peer->window));
  return peer;
}

std::unique_ptr<TextPeer> Win32Application::CreatePeer(TLabel& label) {
  auto peer = std::make_unique<LabelWindow>(*this, label);
  peer->window.Create(L"STATIC", SS_NOPREFIX | AlignStyle(label.Layout().alignment), 0, label.Caption(),
                      label.Bounds());
  peer->Attach();
  return peer;
}

std::unique_ptr<TextPeer> Win32Application::CreatePeer(TButton& button) {
  auto peer = std::make_unique<ButtonWindow>(*this, button);
  DWORD style = BS_PUSHBUTTON | WS_TABSTOP;
  peer->window.Create(L"BUTTON", style, 0, button.Caption(), button.Bounds());
  if (button.IsCancel()) {
    ButtonWindow* raw = peer.get();
    raw->ShowGlyph();
    raw->window.onDpiChanged = [raw] { raw->ShowGlyph(); };
  }
  peer->window.onCommand = [this, &button](int code) {
    if (code == BN_CLICKED) Deliver(button.OnClick);
  };
  return peer;
}

std::unique_ptr<TextPeer> Win32Application::CreatePeer(TStatusBar& status) {
  auto peer = std::make_unique<StatusWindow>(*this, status);
  // No size grip; the form places it at its edge.
  peer->window.Create(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, {},
                      status.Bounds());
  SendMessageW(peer->window.hwnd, SB_SIMPLE, TRUE, 0);
  peer->SetText(status.SimpleText());
  return peer;
}

std::unique_ptr<ProgressBarPeer> Win32Application::CreatePeer(TProgressBar& bar) {
  auto peer = std::make_unique<ProgressWindow>(*this, bar);
  peer->window.Create(PROGRESS_CLASSW, 0, 0, {}, bar.Bounds());
  SendMessageW(peer->window.hwnd, PBM_SETRANGE32, 0, 100);
  SendMessageW(peer->window.hwnd, PBM_SETSTEP, 1, 0);
  peer->SetPosition(bar.Position());
  return peer;
}

std::unique_ptr<ControlPeer> Win32Application::CreatePeer(TImage& image) {
  RegisterPictureClasses();
  auto peer = std::make_unique<Peer<ControlPeer>>(*this, image);
  peer->window.Create(kImageClass, 0, 0, {}, image.Bounds());
  SetWindowLongPtrW(peer->window.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&peer->window));
  InvalidateRect(peer->window.hwnd, nullptr, FALSE);
  return peer;
}

std::unique_ptr<EditPeer> Win32Application::CreatePeer(TEdit& edit) {
  auto peer = std::make_unique<EditWindow>(*this, edit);
  const ControlLayout& l = edit.Layout();
  DWORD style = ES_AUTOHSCROLL | (l.readOnly ? ES_READONLY : 0) | (l.tabStop ? WS_TABSTOP : 0);
  peer->window.Create(L"EDIT", style, l.border ? WS_EX_CLIENTEDGE : 0, {}, edit.Bounds());
  EditWindow* raw = peer.get();
  peer->window.onCommand = [raw](int code) { raw->OnCommand(code); };
  return peer;
}

std::unique_ptr<EditPeer> Win32Application::CreatePeer(TMemo& memo) {
  auto peer = std::make_unique<EditWindow>(*this, memo);
  const ControlLayout& l = memo.Layout();
  // A vertical scroll bar only; without a horizontal one, long lines wrap at the control's width.
  DWORD style = ES_MULTILINE | WS_VSCROLL | (l.readOnly ? ES_READONLY : 0) | (l.tabStop ? WS_TABSTOP : 0);
  if (!l.wordWrap) style |= ES_AUTOHSCROLL | WS_HSCROLL;
  peer->window.Create(L"EDIT", style, l.border ? WS_EX_CLIENTEDGE : 0, {}, memo.Bounds());
  peer->SetText(memo.InitialText());
  EditWindow* raw = peer.get();
  peer->window.onCommand = [raw](int code) { raw->OnCommand(code); };
  return peer;
}

std::unique_ptr<ListBoxPeer> Win32Application::CreatePeer(TListBox& list) {
  auto peer = std::make_unique<ListWindow>(*this, list);
  const ControlLayout& l = list.Layout();
  // The control never sorts: rows stand in the program's own order.
  DWORD style = LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL |
                (list.MultiSelect() ? LBS_EXTENDEDSEL : 0) | (l.tabStop ? WS_TABSTOP : 0);
  peer->window.Create(L"LISTBOX", style, l.border ? WS_EX_CLIENTEDGE : 0, {}, list.Bounds());
  peer->Attach();
  return peer;
}

std::unique_ptr<RadioGroupPeer> Win32Application::CreatePeer(TRadioGroup& group) {
  auto peer = std::make_unique<RadioGroupWindow>(*this, group);
  peer->window.Create(L"BUTTON", BS_GROUPBOX, 0, group.Caption(), group.Bounds());
  // The items share the group's height below its caption, one above the other.
  const Rect b = group.Bounds();
  const int n = std::max(static_cast<int>(group.Items().size()), 1);
  const int captionRoom = 14;
  const int itemHeight = (b.height - captionRoom - 4) / n;
  RadioGroupWindow* raw = peer.get();
  for (int i = 0; i < n && i < static_cast<int>(group.Items().size()); ++i) {
    auto button = std::make_unique<ChildWindow>();
    button->app = this;
    button->control = &group;
    Rect r{b.left + 8, b.top + captionRoom + i * itemHeight, b.width - 12, itemHeight};
    button->Create(L"BUTTON", BS_RADIOBUTTON | (i == 0 ? WS_TABSTOP | WS_GROUP : 0), 0,
                   group.Items()[static_cast<size_t>(i)], r);
    button->onCommand = [raw, i](int code) {
      if (code == BN_CLICKED) raw->OnItemClicked(i);
    };
    peer->buttons.push_back(std::move(button));
  }
  return peer;
}

std::unique_ptr<MenuItemPeer> Win32Application::CreatePeer(TMenuItem& item) {
  return std::make_unique<MenuItemWindow>(*this, item);
}

std::unique_ptr<TimerPeer> Win32Application::CreatePeer(TTimer& timer) {
  return std::make_unique<TimerWindow>(*this, timer);
}

}  // namespace tovir::kit::win32

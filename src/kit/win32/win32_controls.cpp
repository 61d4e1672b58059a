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

class TextWindow final : public Peer<TextPeer> {
 public:
  using Peer::Peer;
  void SetText(std::string_view cp932) override { SetWindowTextW(window.hwnd, Wide(cp932).c_str()); }
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
  TimerWindow(Win32Application& app, TTimer& timer) : app_(app), timer_(timer) {
    id_ = reinterpret_cast<UINT_PTR>(&timer);
  }
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

LRESULT CALLBACK ImageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r{};
    GetClientRect(hwnd, &r);
    PaintPicture(dc, r, static_cast<int>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A bevel drawn as one etched line along its top edge, on the form's colour.
LRESULT CALLBACK BevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r{};
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
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
  return peer;
}

std::unique_ptr<TextPeer> Win32Application::CreatePeer(TLabel& label) {
  auto peer = std::make_unique<TextWindow>(*this, label);
  peer->window.Create(L"STATIC", SS_NOPREFIX | AlignStyle(label.Layout().alignment), 0, label.Caption(),
                      label.Bounds());
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
  SetWindowLongPtrW(peer->window.hwnd, GWLP_USERDATA, image.Picture());
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

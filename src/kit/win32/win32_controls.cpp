// The Win32 backend's controls: one peer per control, each a real child window at its design place.
#include "kit/win32/win32_application.h"
// After windows.h, which it needs.
#include <commctrl.h>
#include <shlobj.h>
#include <uiautomationcore.h>

#include <algorithm>
#include <cstdlib>

#include "kit/pictures.h"
#include "kit/win32/win32_accessibility.h"

namespace tovir::kit::win32 {

namespace {

constexpr wchar_t kImageClass[] = L"TovirImage";
constexpr wchar_t kBevelClass[] = L"TovirBevel";

}  // namespace

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
  const TForm& form = control->Owner();
  id = app->NewControlId(*this);
  fore = app->ColourOf(l.fontColor.IsParent() ? kWindowText : l.fontColor, form);
  back = app->ColourOf(l.color, form);
  brush = app->BrushFor(back);
  if (control->Visible()) style |= WS_VISIBLE;
  if (!control->Enabled()) style |= WS_DISABLED;
  HWND parent = Form().Handle();
  hwnd = CreateWindowExW(
      exStyle, className, Wide(cp932Text).c_str(), WS_CHILD | style, app->Scale(designBounds.left),
      app->Scale(designBounds.top), app->Scale(designBounds.width), app->Scale(designBounds.height), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  const Font& font = l.font != nullptr ? *l.font : *form.Layout().font;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(app->FontFor(font)), FALSE);
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
  SetWindowPos(hwnd, nullptr, app->Scale(b.left), app->Scale(b.top), app->Scale(b.width),
               app->Scale(b.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

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

class TextWindow final : public Peer<TextPeer> {
 public:
  using Peer::Peer;
  void SetText(std::string_view cp932) override {
    SetWindowTextW(window.hwnd, Wide(cp932).c_str());
    if (window.transparent) {
      // A label draws on its parent: what the old text covered must be painted again.
      RECT r{};
      GetWindowRect(window.hwnd, &r);
      MapWindowPoints(nullptr, GetParent(window.hwnd), reinterpret_cast<POINT*>(&r), 2);
      RedrawWindow(GetParent(window.hwnd), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  }
};

// The standard cancel button's picture, a red cross beside the caption, drawn at `size` pixels with an alpha
// channel so that it stands on the button's own face in any visual style.
HICON MakeCancelGlyph(int size) {
  const int margin = size / 8;
  const int half = std::max(1, size / 10);  // half the stroke's width
  return MakeIconFrom(size, [=](int x, int y) {
    bool inside = x >= margin && y >= margin && x < size - margin && y < size - margin;
    bool stroke = std::abs(x - y) <= half || std::abs(x + y - (size - 1)) <= half;
    return inside && stroke ? 0xFFD00000u : 0u;  // premultiplied: opaque red or nothing
  });
}

// A push button; a cancel button also shows the standard cancel picture.
class ButtonWindow final : public Peer<TextPeer> {
 public:
  using Peer::Peer;
  ~ButtonWindow() override {
    if (glyph != nullptr) DestroyIcon(glyph);
  }
  void SetText(std::string_view cp932) override { SetWindowTextW(window.hwnd, Wide(cp932).c_str()); }
  HICON glyph = nullptr;
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

class RadioGroupWindow final : public Peer<RadioGroupPeer> {
 public:
  RadioGroupWindow(Win32Application& app, TRadioGroup& group) : Peer(app, group), group_(group) {}
  int ItemIndex() const override { return index_; }
  void SetItemIndex(int index) override {
    index_ = index;
    for (size_t i = 0; i < buttons.size(); ++i) {
      SendMessageW(buttons[i]->hwnd, BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED,
                   0);
    }
  }
  void SetVisible(bool visible) override {
    window.SetVisible(visible);
    for (auto& b : buttons) b->SetVisible(visible);
  }
  void SetEnabled(bool enabled) override {
    window.SetEnabled(enabled);
    for (auto& b : buttons) b->SetEnabled(enabled);
  }
  void OnItemClicked(int index) {
    SendMessageW(buttons[static_cast<size_t>(index)]->hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (index == index_) return;
    SetItemIndex(index);
    window.app->Deliver(group_.OnClick);
  }

  std::vector<std::unique_ptr<ChildWindow>> buttons;

 private:
  TRadioGroup& group_;
  int index_ = -1;
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
    const Picture picture = DrawPicture(static_cast<int>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colours[16];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = kPictureSize;
    info.header.biHeight = -kPictureSize;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 16;
    for (size_t i = 0; i < 16; ++i) {
      uint32_t c = kPalette16[i];
      info.colours[i] = {static_cast<BYTE>(c & 255), static_cast<BYTE>((c >> 8) & 255),
                         static_cast<BYTE>((c >> 16) & 255), 0};
    }
    // Whole pixels, no smoothing: the picture stays crisp at every scale.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, r.right, r.bottom, 0, 0, kPictureSize, kPictureSize, picture.pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
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
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = ImageProc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.lpszClassName = kImageClass;
  RegisterClassExW(&c);
  c.lpfnWndProc = BevelProc;
  c.lpszClassName = kBevelClass;
  RegisterClassExW(&c);
}

DWORD AlignStyle(TextAlign alignment) {
  return alignment == TextAlign::kCenter ? SS_CENTER : alignment == TextAlign::kRight ? SS_RIGHT : SS_LEFT;
}

}  // namespace

// --- the list box
// ------------------------------------------------------------------------------------------------

// A data-less owner-drawn list box: the window holds only the count and the selection, and draws each visible
// row from the program's own list, so a load costs one call whatever its size.
class ListWindow final : public Peer<ListBoxPeer>, public AccessibleList {
 public:
  ListWindow(Win32Application& app, TListBox& list) : Peer(app, list), list_(list) {}
  ~ListWindow() override {
    DisconnectListProvider(accessible_);
    if (window.hwnd != nullptr) RemoveWindowSubclass(window.hwnd, SubclassProc, 0);
  }

  // UI Automation: the list's root element, made when first asked for (one reference for the caller).
  IRawElementProviderSimple* Accessible() {
    if (accessible_ == nullptr) accessible_ = CreateListProvider(*this);
    accessible_->AddRef();
    return accessible_;
  }
  HWND Handle() const override { return window.hwnd; }
  std::wstring ListName() const override { return Wide(list_.Name()); }
  size_t Rows() const override { return std::min(Count(), list_.Count()); }
  std::wstring RowName(size_t row) const override { return Wide(RowText(row)); }
  bool RowSelected(size_t row) const override { return Selected(row); }
  RECT RowRect(size_t row) const override {
    RECT r{};
    SendMessageW(window.hwnd, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(window.hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  void Attach() {
    SetWindowSubclass(window.hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(window.hwnd, LB_SETITEMHEIGHT, 0, window.app->Scale(std::max(list_.Layout().itemHeight, 1)));
    window.onDrawItem = [this](const DRAWITEMSTRUCT& item) { Draw(item); };
    window.onCommand = [this](int code) {
      // Keyboard selection clicks the list as a mouse click does; a click was delivered at its press.
      if (code == LBN_SELCHANGE && !inPress_ && !tracking_ && !list_.MultiSelect()) {
        window.app->Deliver(list_.OnClick);
      }
    };
    if (list_.Count() > 0) CountChanged(list_.Count());
  }

  // The one place a row's text is taken from the program's list.
  std::string_view RowText(size_t row) const { return list_[row]; }

  void CountChanged(size_t count) override {
    if (count == 0) {
      SendMessageW(window.hwnd, LB_RESETCONTENT, 0, 0);
      return;
    }
    SendMessageW(window.hwnd, LB_SETCOUNT, count, 0);
  }
  int ItemIndex() const override {
    if (!list_.MultiSelect()) return static_cast<int>(SendMessageW(window.hwnd, LB_GETCURSEL, 0, 0));
    if (Count() == 0) return -1;
    return static_cast<int>(SendMessageW(window.hwnd, LB_GETCARETINDEX, 0, 0));
  }
  void SetItemIndex(int row) override {
    if (row < -1 || row >= static_cast<int>(Count())) return;
    if (list_.MultiSelect()) {
      if (row >= 0) SendMessageW(window.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
      return;
    }
    SendMessageW(window.hwnd, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  }
  bool Selected(size_t row) const override {
    return row < Count() && SendMessageW(window.hwnd, LB_GETSEL, row, 0) > 0;
  }
  void SetSelected(size_t row, bool selected) override {
    if (row >= Count()) return;
    if (!list_.MultiSelect()) {
      SetItemIndex(selected ? static_cast<int>(row) : -1);
      return;
    }
    // The program's selection leaves the focus row where the user put it; some list boxes move it.
    LRESULT caret = SendMessageW(window.hwnd, LB_GETCARETINDEX, 0, 0);
    SendMessageW(window.hwnd, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
    if (caret >= 0) SendMessageW(window.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
  }
  void ClearSelection() override {
    if (list_.MultiSelect()) {
      SendMessageW(window.hwnd, LB_SETSEL, FALSE, -1);
    } else {
      SendMessageW(window.hwnd, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
  }
  std::vector<size_t> SelectedRows() const override {
    std::vector<size_t> rows;
    if (!list_.MultiSelect()) {
      int row = ItemIndex();
      if (row >= 0) rows.push_back(static_cast<size_t>(row));
      return rows;
    }
    LRESULT n = SendMessageW(window.hwnd, LB_GETSELCOUNT, 0, 0);
    if (n <= 0) return rows;
    std::vector<int> items(static_cast<size_t>(n));
    n = SendMessageW(window.hwnd, LB_GETSELITEMS, static_cast<WPARAM>(n),
                     reinterpret_cast<LPARAM>(items.data()));
    for (LRESULT i = 0; i < n; ++i) rows.push_back(static_cast<size_t>(items[static_cast<size_t>(i)]));
    return rows;
  }
  void Repaint() override { InvalidateRect(window.hwnd, nullptr, TRUE); }

  size_t Count() const {
    return static_cast<size_t>(std::max<LRESULT>(SendMessageW(window.hwnd, LB_GETCOUNT, 0, 0), 0));
  }
  int ItemHeight() const { return static_cast<int>(SendMessageW(window.hwnd, LB_GETITEMHEIGHT, 0, 0)); }
  // The first visible row, from the scroll bar: the list's own top index wraps past row 65,535 on some
  // systems when the scroll box is dragged.
  size_t TopRow() const {
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    if (GetWindowLongW(window.hwnd, GWL_STYLE) & WS_VSCROLL && GetScrollInfo(window.hwnd, SB_VERT, &info)) {
      return static_cast<size_t>(std::max(info.nPos, 0));
    }
    return static_cast<size_t>(SendMessageW(window.hwnd, LB_GETTOPINDEX, 0, 0));
  }
  // Client coordinates of a point inside `row`, scrolling it into view first.
  POINT PointOfRow(size_t row) {
    int height = std::max(ItemHeight(), 1);
    RECT client{};
    GetClientRect(window.hwnd, &client);
    size_t visible = static_cast<size_t>(std::max(static_cast<int>(client.bottom) / height, 1));
    size_t top = TopRow();
    if (row < top || row >= top + visible) {
      SendMessageW(window.hwnd, LB_SETTOPINDEX, row, 0);
      top = TopRow();
    }
    return {4, static_cast<LONG>((row - std::min(row, top)) * static_cast<size_t>(height) + height / 2)};
  }
  TListBox& List() const { return list_; }

 private:
  void Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = !IsWindowEnabled(window.hwnd);
    COLORREF back = selected && !disabled ? GetSysColor(COLOR_HIGHLIGHT) : window.back;
    COLORREF fore = selected && !disabled ? GetSysColor(COLOR_HIGHLIGHTTEXT) : window.fore;
    FillRect(dc, &r, window.app->BrushFor(back));
    if (item.itemID != static_cast<UINT>(-1) && item.itemID < list_.Count()) {
      std::wstring text = Wide(RowText(item.itemID));
      SetTextColor(dc, fore);
      SetBkMode(dc, TRANSPARENT);
      ExtTextOutW(dc, r.left + window.app->Scale(2), r.top, ETO_CLIPPED, &r, text.c_str(),
                  static_cast<UINT>(text.size()), nullptr);
    }
    if ((item.itemState & ODS_FOCUS) != 0 && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &r);
  }

  static MouseButton ButtonOf(UINT message) {
    if (message == WM_RBUTTONDOWN) return MouseButton::kRight;
    if (message == WM_MBUTTONDOWN) return MouseButton::kMiddle;
    return MouseButton::kLeft;
  }

  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<ListWindow*>(data);
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN: {
        // The list's own focus and selection handling first, then the program's press, for every button.
        self->inPress_ = true;
        LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->inPress_ = false;
        TListBox& list = self->list_;
        ShiftState shift{(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0};
        int x = static_cast<short>(LOWORD(lParam));
        int y = static_cast<short>(HIWORD(lParam));
        Win32Application& app = *self->window.app;
        app.Deliver([&] {
          if (list.OnMouseDown) list.OnMouseDown(ButtonOf(message), shift, app.Unscale(x), app.Unscale(y));
        });
        // A click on an item, the selected one included. Until the button is released the list reports its
        // selection as the mouse moves; only a row other than the clicked one counts then.
        if (message == WM_LBUTTONDOWN && list.Count() > 0) {
          self->tracking_ = GetCapture() == hwnd;
          self->clickedRow_ = self->ItemIndex();
          app.Deliver(list.OnClick);
        }
        return result;
      }
      case WM_GETOBJECT: {
        // The window holds no row texts: a screen reader gets them from the program's list.
        IRawElementProviderSimple* root = self->Accessible();
        LRESULT result = 0;
        bool answered = AnswerGetObject(root, hwnd, wParam, lParam, result);
        root->Release();
        if (answered) return result;
        break;
      }
      case WM_CAPTURECHANGED:
        // Lost without a release (another window took the mouse): the press is over. Inside the release the
        // list still reports the selection after letting the mouse go, so it is handled there.
        if (!self->inRelease_) self->tracking_ = false;
        break;
      case WM_LBUTTONUP: {
        self->inRelease_ = true;
        LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->inRelease_ = false;
        if (self->tracking_) {
          self->tracking_ = false;
          if (!self->list_.MultiSelect() && self->ItemIndex() != self->clickedRow_) {
            self->window.app->Deliver(self->list_.OnClick);
          }
        }
        return result;
      }
      case WM_CONTEXTMENU: {
        TListBox& list = self->list_;
        if (list.PopupMenu == nullptr) break;
        Win32Application& app = *self->window.app;
        if (app.Driven()) return 0;  // a script chooses the pop-up's items itself
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {
          RECT r{};
          GetWindowRect(hwnd, &r);
          at = {r.left + 8, r.top + 8};
        }
        HMENU menu = app.BuildMenu(*list.PopupMenu, false);
        HWND owner = self->window.Form().Handle();
        // The chosen item comes to the form as a menu command once the menu has closed.
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
        DestroyMenu(menu);
        return 0;
      }
      default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }

  TListBox& list_;
  IRawElementProviderSimple* accessible_ = nullptr;
  bool inPress_ = false;
  bool tracking_ = false;  // the left button is down in the list
  bool inRelease_ = false;
  int clickedRow_ = -1;
};

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
    // Common controls 6 draw the picture and the caption side by side on a push button.
    peer->glyph = MakeCancelGlyph(Scale(16));
    SendMessageW(peer->window.hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(peer->glyph));
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

// --- real input for a script
// ---------------------------------------------------------------------------------------

namespace {

ChildWindow* WindowOf(Win32Application& app, TControl& control) {
  for (HWND child = GetWindow(static_cast<Win32Form&>(control.Owner().Peer()).Handle(), GW_CHILD);
       child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    ChildWindow* c = app.ChildOf(child);
    if (c != nullptr && c->control == &control) return c;
  }
  return nullptr;
}

bool Reachable(const TControl& control) {
  return control.Enabled() && control.Visible() && control.Owner().Visible();
}

}  // namespace

void Win32Application::PressRow(TListBox& list, size_t row, MouseButton button, ShiftState shift) {
  if (!Reachable(list)) return;
  auto& peer = static_cast<ListWindow&>(list.Peer());
  HWND hwnd = peer.window.hwnd;
  size_t count = peer.Count();
  POINT at{4, 2};
  if (count > 0) at = peer.PointOfRow(std::min(row, count - 1));
  WPARAM keys = (shift.shift ? MK_SHIFT : 0) | (shift.ctrl ? MK_CONTROL : 0);
  UINT down = button == MouseButton::kLeft    ? WM_LBUTTONDOWN
              : button == MouseButton::kRight ? WM_RBUTTONDOWN
                                              : WM_MBUTTONDOWN;
  UINT up = down + 1;
  LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(hwnd, down, keys | (button == MouseButton::kLeft ? MK_LBUTTON : 0), where);
  SendMessageW(hwnd, up, keys, where);
  Pump();
}

void Win32Application::PickRadioItem(TRadioGroup& group, int index) {
  if (!Reachable(group)) return;
  auto& peer = static_cast<RadioGroupWindow&>(group.Peer());
  if (index < 0 || index >= static_cast<int>(peer.buttons.size())) {
    ::SetFocus(peer.buttons.empty() ? peer.window.hwnd : peer.buttons.front()->hwnd);
    return;
  }
  SendMessageW(peer.buttons[static_cast<size_t>(index)]->hwnd, BM_CLICK, 0, 0);
  Pump();
}

void Win32Application::ClickButton(TButton& button) {
  if (!Reachable(button)) return;
  if (ChildWindow* w = WindowOf(*this, button)) SendMessageW(w->hwnd, BM_CLICK, 0, 0);
  Pump();
}

void Win32Application::TypeText(TEdit& edit, std::string_view cp932) {
  if (!Reachable(edit)) return;
  ChildWindow* w = WindowOf(*this, edit);
  if (w == nullptr) return;
  ::SetFocus(w->hwnd);
  if (!edit.ReadOnly()) {
    // Typing over the whole text; the edit keeps the exact bytes as typed.
    SendMessageW(w->hwnd, EM_SETSEL, 0, -1);
    edit.Peer().SetText(cp932);
  }
  Pump();
}

void Win32Application::ChooseMenuItem(TMenuItem& item) {
  Win32Form* main = MainForm();
  HWND target = main != nullptr ? main->Handle() : nullptr;
  if (auto* form = dynamic_cast<Win32Form*>(&item.Owner().Peer())) target = form->Handle();
  SendMessageW(target, WM_COMMAND, MAKEWPARAM(MenuCommandId(item), 0), 0);
  Pump();
}

void Win32Application::PressKey(std::string_view key) {
  HWND focus = GetFocus();
  if (focus == nullptr) {
    Win32Form* main = MainForm();
    focus = main != nullptr ? main->Handle() : nullptr;
  }
  bool ctrl = key.size() > 5 && (key.substr(0, 5) == "Ctrl+" || key.substr(0, 5) == "ctrl+");
  WPARAM vk = ctrl ? static_cast<WPARAM>(key[5] & ~0x20) : VK_ESCAPE;
  BYTE state[256];
  GetKeyboardState(state);
  BYTE saved = state[VK_CONTROL];
  if (ctrl) state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  MSG msg{focus, WM_KEYDOWN, vk, 1, static_cast<DWORD>(GetMessageTime()), {}};
  Dispatch(msg);
  GetKeyboardState(state);
  state[VK_CONTROL] = saved;
  SetKeyboardState(state);
  Pump();
}

void Win32Application::Focus(TControl& control) {
  if (!Reachable(control)) return;
  if (ChildWindow* w = WindowOf(*this, control)) ::SetFocus(w->hwnd);
  Pump();
}

void Win32Application::FocusWindow(TForm& form) {
  TControl* first = nullptr;
  for (TControl* c : form.Controls()) {
    if (!c->TabStop() || !c->Enabled() || !c->Visible()) continue;
    if (first == nullptr || c->Layout().tabOrder < first->Layout().tabOrder) first = c;
  }
  if (first == nullptr) return;
  HWND window = static_cast<Win32Form&>(form.Peer()).Handle();
  if (IsWindowVisible(window)) SetActiveWindow(window);
  if (ChildWindow* w = WindowOf(*this, *first)) ::SetFocus(w->hwnd);
  Pump();
}

void Win32Application::DropFiles(TForm& form, std::vector<std::string> names) {
  // A real drop handle as the shell makes it: DROPFILES, then the names in UTF-16, each ended by a zero, and
  // one zero more.
  std::wstring block;
  for (const std::string& name : names) {
    block += Wide(name);
    block += L'\0';
  }
  block += L'\0';
  size_t bytes = sizeof(DROPFILES) + block.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  if (memory == nullptr) return;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(block.begin(), block.end(),
            reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES)));
  GlobalUnlock(memory);
  // The window releases the handle.
  SendMessageW(static_cast<Win32Form&>(form.Peer()).Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory),
               0);
  Pump();
}

void Win32Application::ClickCloseBox(TForm& form) {
  SendMessageW(static_cast<Win32Form&>(form.Peer()).Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
}

void Win32Application::Tick(int n) {
  for (int i = 0; i < n; ++i) {
    // A handler may switch timers on or off: walk a copy.
    std::map<UINT_PTR, TTimer*> timers = timers_;
    for (auto& [id, timer] : timers) SendMessageW(appWindow_, WM_TIMER, id, kScriptTick);
  }
  Pump();
}

IRawElementProviderSimple* Win32Application::AccessibleList(TListBox& list) {
  return static_cast<ListWindow&>(list.Peer()).Accessible();
}

void Win32Application::Pause(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    Pump();
  }
}

}  // namespace tovir::kit::win32

// The list boxes: the program's rows drawn on demand, its press and click rules on the list's own handling,
// and the rows' texts for screen readers.
#include "kit/win32/win32_list_box.h"
// After windows.h, which they need.
#include <commctrl.h>
#include <uiautomationcore.h>

#include <algorithm>

#include "kit/win32/win32_application.h"
#include "kit/win32/win32_form.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

MouseButton ButtonOf(UINT message) {
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) return MouseButton::kRight;
  if (message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK) return MouseButton::kMiddle;
  return MouseButton::kLeft;
}

}  // namespace

ListWindow::~ListWindow() {
  DisconnectListProvider(accessible_);
  if (window.hwnd != nullptr) RemoveWindowSubclass(window.hwnd, SubclassProc, 0);
}

void ListWindow::Attach() {
  SetWindowSubclass(window.hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  auto setItemHeight = [this] {
    SendMessageW(window.hwnd, LB_SETITEMHEIGHT, 0,
                 window.Form().Scale(std::max(list_.Layout().itemHeight, 1)));
  };
  setItemHeight();
  window.onDpiChanged = setItemHeight;
  window.onDrawItem = [this](const DRAWITEMSTRUCT& item) { Draw(item); };
  window.onCommand = [this](int code) {
    // Keyboard selection clicks the list as a mouse click does; a click was delivered at its press.
    if (code == LBN_SELCHANGE && !inPress_ && !tracking_ && !list_.MultiSelect()) {
      window.app->Deliver(list_.OnClick);
    }
  };
  if (list_.Count() > 0) CountChanged(list_.Count());
}

IRawElementProviderSimple* ListWindow::Accessible() {
  if (accessible_ == nullptr) accessible_ = CreateListProvider(*this);
  accessible_->AddRef();
  return accessible_;
}

std::wstring ListWindow::ListName() const {
  return Wide(list_.Name());
}

size_t ListWindow::Rows() const {
  return std::min(Count(), list_.Count());
}

std::wstring ListWindow::RowName(size_t row) const {
  return Wide(RowText(row));
}

RECT ListWindow::RowRect(size_t row) const {
  RECT r{};
  SendMessageW(window.hwnd, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(window.hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ListWindow::ReportFailure(std::exception_ptr error) const {
  window.app->ReportException(error);
}

void ListWindow::CountChanged(size_t count) {
  if (count == 0) {
    SendMessageW(window.hwnd, LB_RESETCONTENT, 0, 0);
    return;
  }
  const size_t before = Count();
  SendMessageW(window.hwnd, LB_SETCOUNT, count, 0);
  if (before == 0 || count < before) return;
  // Rows added at the end: the list redraws itself whole, yet every row that stood before stands as it was.
  // Only what lies below the last of them is drawn again; once the rows fill the list, that is nothing, and
  // only the scroll bar moves.
  RECT client{};
  GetClientRect(window.hwnd, &client);
  const size_t top = TopRow();
  const long long shown = before > top ? static_cast<long long>(before - top) : 0;
  RECT unchanged = client;
  unchanged.bottom = static_cast<LONG>(std::min<long long>(client.bottom, shown * std::max(ItemHeight(), 1)));
  if (unchanged.bottom > 0) ValidateRect(window.hwnd, &unchanged);
}

int ListWindow::ItemIndex() const {
  if (!list_.MultiSelect()) return static_cast<int>(SendMessageW(window.hwnd, LB_GETCURSEL, 0, 0));
  if (Count() == 0) return -1;
  return static_cast<int>(SendMessageW(window.hwnd, LB_GETCARETINDEX, 0, 0));
}

void ListWindow::SetItemIndex(int row) {
  if (row < -1 || row >= static_cast<int>(Count())) return;
  if (list_.MultiSelect()) {
    if (row >= 0) SendMessageW(window.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    return;
  }
  SendMessageW(window.hwnd, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

bool ListWindow::Selected(size_t row) const {
  return row < Count() && SendMessageW(window.hwnd, LB_GETSEL, row, 0) > 0;
}

void ListWindow::SetSelected(size_t row, bool selected) {
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

void ListWindow::ClearSelection() {
  if (list_.MultiSelect()) {
    SendMessageW(window.hwnd, LB_SETSEL, FALSE, -1);
  } else {
    SendMessageW(window.hwnd, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

std::vector<size_t> ListWindow::SelectedRows() const {
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

size_t ListWindow::Count() const {
  return static_cast<size_t>(std::max<LRESULT>(SendMessageW(window.hwnd, LB_GETCOUNT, 0, 0), 0));
}

int ListWindow::ItemHeight() const {
  return static_cast<int>(SendMessageW(window.hwnd, LB_GETITEMHEIGHT, 0, 0));
}

// The first visible row, from the scroll bar: the list's own top index wraps past row 65,535 on some systems
// when the scroll box is dragged (Wine keeps it in 16 bits).
size_t ListWindow::TopRow() const {
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  if (GetWindowLongW(window.hwnd, GWL_STYLE) & WS_VSCROLL && GetScrollInfo(window.hwnd, SB_VERT, &info)) {
    return static_cast<size_t>(std::max(info.nPos, 0));
  }
  return static_cast<size_t>(SendMessageW(window.hwnd, LB_GETTOPINDEX, 0, 0));
}

POINT ListWindow::PointOfRow(size_t row) {
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

void ListWindow::Draw(const DRAWITEMSTRUCT& item) {
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
    ExtTextOutW(dc, r.left + window.Form().Scale(2), r.top, ETO_CLIPPED, &r, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
  }
  if ((item.itemState & ODS_FOCUS) != 0 && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &r);
}

LRESULT CALLBACK ListWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
  auto* self = reinterpret_cast<ListWindow*>(data);
  return self->window.app->Guarded(0, [&] { return self->HandleMessage(hwnd, message, wParam, lParam); });
}

LRESULT ListWindow::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // The second press of a double click comes as a double-click message: a press all the same. (Windows's
    // list moves its selection for it as for any press; Wine's only notifies, which is the same for a real
    // double click, whose second press lands where the first did.)
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      // The list's own focus and selection handling first, then the program's press, for every button.
      inPress_ = true;
      LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      inPress_ = false;
      TListBox& list = list_;
      ShiftState shift{(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0};
      int x = static_cast<short>(LOWORD(lParam));
      int y = static_cast<short>(HIWORD(lParam));
      Win32Application& app = *window.app;
      const Win32Form& form = window.Form();
      app.Deliver([&] {
        if (list.OnMouseDown) list.OnMouseDown(ButtonOf(message), shift, form.Unscale(x), form.Unscale(y));
      });
      // A click on an item, the selected one included. Until the button is released the list reports its
      // selection as the mouse moves; only a row other than the clicked one counts then.
      if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && list.Count() > 0) {
        tracking_ = GetCapture() == hwnd;
        clickedRow_ = ItemIndex();
        app.Deliver(list.OnClick);
      }
      return result;
    }
    case WM_GETOBJECT: {
      // The window holds no row texts: a screen reader gets them from the program's list.
      IRawElementProviderSimple* root = Accessible();
      LRESULT result = 0;
      bool answered = AnswerGetObject(root, hwnd, wParam, lParam, result);
      root->Release();
      if (answered) return result;
      break;
    }
    case WM_CAPTURECHANGED:
      // Lost without a release (another window took the mouse): the press is over. Inside the release the
      // list still reports the selection after letting the mouse go, so it is handled there.
      if (!inRelease_) tracking_ = false;
      break;
    case WM_LBUTTONUP: {
      inRelease_ = true;
      LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      inRelease_ = false;
      if (tracking_) {
        tracking_ = false;
        if (!list_.MultiSelect() && ItemIndex() != clickedRow_) {
          window.app->Deliver(list_.OnClick);
        }
      }
      return result;
    }
    case WM_CONTEXTMENU: {
      TListBox& list = list_;
      if (list.PopupMenu == nullptr) break;
      Win32Application& app = *window.app;
      if (app.Driven()) return 0;  // a script chooses the pop-up's items itself
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        at = {r.left + 8, r.top + 8};
      }
      HMENU menu = app.BuildMenu(*list.PopupMenu, false);
      HWND owner = window.Form().Handle();
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

}  // namespace tovir::kit::win32

// The list boxes: data-less and owner-drawn. The window holds only the count and the selection and draws
// each visible row from the program's own list, so a load costs one call whatever its size.
#pragma once

#include "kit/win32/win32_accessibility.h"
#include "kit/win32/win32_controls.h"

namespace tovir::kit::win32 {

class ListWindow final : public Peer<ListBoxPeer>, public AccessibleList {
 public:
  ListWindow(Win32Application& app, TListBox& list) : Peer(app, list), list_(list) {}
  ~ListWindow() override;
  ListWindow(const ListWindow&) = delete;
  ListWindow& operator=(const ListWindow&) = delete;

  // Sets the window up once it exists: its item height, its drawing and its notifications.
  void Attach();

  // UI Automation: the list's root element, made when first asked for (one reference for the caller).
  IRawElementProviderSimple* Accessible();
  HWND Handle() const override { return window.hwnd; }
  std::wstring ListName() const override;
  size_t Rows() const override;
  std::wstring RowName(size_t row) const override;
  bool RowSelected(size_t row) const override { return Selected(row); }
  RECT RowRect(size_t row) const override;
  void ReportFailure(std::exception_ptr error) const override;

  // ListBoxPeer.
  void CountChanged(size_t count) override;
  int ItemIndex() const override;
  void SetItemIndex(int row) override;
  bool Selected(size_t row) const override;
  void SetSelected(size_t row, bool selected) override;
  void ClearSelection() override;
  std::vector<size_t> SelectedRows() const override;
  void Repaint() override { InvalidateRect(window.hwnd, nullptr, TRUE); }

  size_t Count() const;
  // Client coordinates of a point inside `row`, scrolling it into view first.
  POINT PointOfRow(size_t row);

 private:
  // The one place a row's text is taken from the program's list.
  std::string_view RowText(size_t row) const { return list_[row]; }
  int ItemHeight() const;
  size_t TopRow() const;
  void Draw(const DRAWITEMSTRUCT& item);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data);
  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  TListBox& list_;
  IRawElementProviderSimple* accessible_ = nullptr;
  bool inPress_ = false;
  bool tracking_ = false;  // the left button is down in the list
  bool inRelease_ = false;
  int clickedRow_ = -1;
};

}  // namespace tovir::kit::win32

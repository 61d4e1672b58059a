// UI Automation for the data-less list boxes: the window holds no row texts, so the system's own provider has
// nothing to read; this one gives a screen reader every row's text from the program's list.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

struct IRawElementProviderSimple;

namespace tovir::kit::win32 {

// What the provider reads from a list.
class AccessibleList {
 public:
  virtual ~AccessibleList() = default;
  virtual HWND Handle() const = 0;
  virtual std::wstring ListName() const = 0;
  virtual size_t Rows() const = 0;
  virtual std::wstring RowName(size_t row) const = 0;
  virtual bool RowSelected(size_t row) const = 0;
  virtual RECT RowRect(size_t row) const = 0;  // screen coordinates
  // What the program's list threw while a client asked about it (a row that cannot be made, no memory left):
  // reported as an escaped handler's exception is; the client hears that the call failed.
  virtual void ReportFailure(std::exception_ptr error) const = 0;
};

// The list's root element (one reference for the caller). Disconnect it when the list goes: elements that
// screen readers still hold then answer that they are gone.
IRawElementProviderSimple* CreateListProvider(AccessibleList& list);
void DisconnectListProvider(IRawElementProviderSimple* root);

// Answers WM_GETOBJECT for the list's UI Automation root, or returns false where the system has no UI
// Automation (the message then goes to the list box itself).
bool AnswerGetObject(IRawElementProviderSimple* root, HWND hwnd, WPARAM wParam, LPARAM lParam,
                     LRESULT& result);

}  // namespace tovir::kit::win32

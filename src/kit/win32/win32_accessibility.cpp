// UI Automation for the data-less list boxes: a root element for the list and one element per row, made when
// a client asks for it, so a million rows cost nothing until they are read.
#include "kit/win32/win32_accessibility.h"

// After windows.h, which they need; the interface identifiers are defined in this file.
#include <initguid.h>
#include <ole2.h>
#include <uiautomationcore.h>

#include <atomic>

namespace tovir::kit::win32 {

namespace {

// Identifiers the SDK headers here do not define.
constexpr PROPERTYID kNameProperty = 30005;
constexpr PROPERTYID kControlTypeProperty = 30003;
constexpr PROPERTYID kHasKeyboardFocusProperty = 30008;
constexpr PROPERTYID kIsKeyboardFocusableProperty = 30009;
constexpr PROPERTYID kAutomationIdProperty = 30011;
constexpr PROPERTYID kIsSelectedProperty = 30079;
constexpr long kListControlType = 50008;
constexpr long kListItemControlType = 50007;
// From the UI Automation API header, which does not compile as C++ here.
constexpr long kUiaRootObjectId = -25;
constexpr int kUiaAppendRuntimeId = 3;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);  // UIA_E_ELEMENTNOTAVAILABLE

// Runs a provider call's work: nothing the program's list throws may escape into the client's call.
template <typename Body>
HRESULT Answer(const AccessibleList* list, Body&& body) {
  try {
    return body();
  } catch (...) {
    if (list != nullptr) list->ReportFailure(std::current_exception());
    return E_FAIL;
  }
}

void SetString(VARIANT* v, const std::wstring& text) {
  v->vt = VT_BSTR;
  v->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void SetInt(VARIANT* v, long value) {
  v->vt = VT_I4;
  v->lVal = value;
}

void SetBool(VARIANT* v, bool value) {
  v->vt = VT_BOOL;
  v->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

class ListRoot;

// The members IUnknown needs, for an object with the three provider interfaces.
template <class Self>
class Element : public IRawElementProviderSimple, public IRawElementProviderFragment {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete static_cast<Self*>(this);
    return left;
  }
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
    if (options == nullptr) return E_INVALIDARG;
    *options =
        static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** provider) override {
    if (provider == nullptr) return E_INVALIDARG;
    *provider = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override {
    if (roots == nullptr) return E_INVALIDARG;
    *roots = nullptr;
    return S_OK;
  }

 protected:
  virtual ~Element() = default;
  std::atomic<ULONG> refs_{1};
};

class RowElement;

class ListRoot final : public Element<ListRoot>, public IRawElementProviderFragmentRoot {
 public:
  explicit ListRoot(AccessibleList& list) : list_(&list) {}
  void Disconnect() { list_ = nullptr; }
  AccessibleList* List() const { return list_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_INVALIDARG;
    if (iid == IID_IUnknown || iid == IID_IRawElementProviderSimple) {
      *out = static_cast<IRawElementProviderSimple*>(this);
    } else if (iid == IID_IRawElementProviderFragment) {
      *out = static_cast<IRawElementProviderFragment*>(this);
    } else if (iid == IID_IRawElementProviderFragmentRoot) {
      *out = static_cast<IRawElementProviderFragmentRoot*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return Element::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return Element::Release(); }

  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID id, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;
  HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction, IRawElementProviderFragment** out) override;
  HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override {
    if (id == nullptr) return E_INVALIDARG;
    *id = nullptr;  // the host window's provider gives the root its identity
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* rect) override {
    if (rect == nullptr) return E_INVALIDARG;
    *rect = {};  // the host window's provider gives the root its place
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetFocus() override {
    if (list_ == nullptr) return kElementNotAvailable;
    ::SetFocus(list_->Handle());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override {
    if (root == nullptr) return E_INVALIDARG;
    *root = this;
    AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ElementProviderFromPoint(double x, double y,
                                                     IRawElementProviderFragment** out) override;
  HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** out) override;

  IRawElementProviderFragment* Row(size_t row);

 private:
  AccessibleList* list_;
};

class RowElement final : public Element<RowElement> {
 public:
  RowElement(ListRoot& root, size_t row) : root_(&root), row_(row) { root_->AddRef(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_INVALIDARG;
    if (iid == IID_IUnknown || iid == IID_IRawElementProviderSimple) {
      *out = static_cast<IRawElementProviderSimple*>(this);
    } else if (iid == IID_IRawElementProviderFragment) {
      *out = static_cast<IRawElementProviderFragment*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID id, VARIANT* value) override {
    return Answer(root_->List(), [&]() -> HRESULT {
      if (value == nullptr) return E_INVALIDARG;
      value->vt = VT_EMPTY;
      AccessibleList* list = Live();
      if (list == nullptr) return kElementNotAvailable;
      switch (id) {
        case kNameProperty:
          SetString(value, list->RowName(row_));
          break;
        case kControlTypeProperty:
          SetInt(value, kListItemControlType);
          break;
        case kIsSelectedProperty:
          SetBool(value, list->RowSelected(row_));
          break;
        case kHasKeyboardFocusProperty:
          SetBool(value, GetFocus() == list->Handle() && SendMessageW(list->Handle(), LB_GETCARETINDEX, 0,
                                                                      0) == static_cast<LRESULT>(row_));
          break;
        case kIsKeyboardFocusableProperty:
          SetBool(value, true);
          break;
        default:
          break;
      }
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override {
    if (host == nullptr) return E_INVALIDARG;
    *host = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction,
                                     IRawElementProviderFragment** out) override {
    return Answer(root_->List(), [&]() -> HRESULT {
      if (out == nullptr) return E_INVALIDARG;
      *out = nullptr;
      AccessibleList* list = Live();
      if (list == nullptr) return kElementNotAvailable;
      switch (direction) {
        case NavigateDirection_Parent:
          *out = root_;
          root_->AddRef();
          break;
        case NavigateDirection_NextSibling:
          if (row_ + 1 < list->Rows()) *out = root_->Row(row_ + 1);
          break;
        case NavigateDirection_PreviousSibling:
          if (row_ > 0) *out = root_->Row(row_ - 1);
          break;
        default:
          break;
      }
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override {
    if (id == nullptr) return E_INVALIDARG;
    // Rows are numbered from 1, so that no row has the id 0.
    int parts[] = {kUiaAppendRuntimeId, static_cast<int>(row_ + 1)};
    *id = SafeArrayCreateVector(VT_I4, 0, 2);
    if (*id == nullptr) return E_OUTOFMEMORY;
    for (LONG i = 0; i < 2; ++i) SafeArrayPutElement(*id, &i, &parts[i]);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* rect) override {
    if (rect == nullptr) return E_INVALIDARG;
    AccessibleList* list = Live();
    if (list == nullptr) return kElementNotAvailable;
    RECT r = list->RowRect(row_);
    *rect = {static_cast<double>(r.left), static_cast<double>(r.top), static_cast<double>(r.right - r.left),
             static_cast<double>(r.bottom - r.top)};
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetFocus() override {
    AccessibleList* list = Live();
    if (list == nullptr) return kElementNotAvailable;
    ::SetFocus(list->Handle());
    SendMessageW(list->Handle(), LB_SETCARETINDEX, row_, FALSE);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override {
    if (root == nullptr) return E_INVALIDARG;
    *root = root_;
    root_->AddRef();
    return S_OK;
  }

 private:
  friend class Element<RowElement>;
  ~RowElement() override { root_->Release(); }
  // The list, while it exists and still has this row.
  AccessibleList* Live() const {
    AccessibleList* list = root_->List();
    return list != nullptr && row_ < list->Rows() ? list : nullptr;
  }

  ListRoot* root_;
  size_t row_;
};

IRawElementProviderFragment* ListRoot::Row(size_t row) {
  return new RowElement(*this, row);
}

HRESULT ListRoot::GetPropertyValue(PROPERTYID id, VARIANT* value) {
  return Answer(list_, [&]() -> HRESULT {
    if (value == nullptr) return E_INVALIDARG;
    value->vt = VT_EMPTY;
    if (list_ == nullptr) return kElementNotAvailable;
    switch (id) {
      case kNameProperty:
        SetString(value, list_->ListName());
        break;
      case kAutomationIdProperty:
        SetString(value, list_->ListName());
        break;
      case kControlTypeProperty:
        SetInt(value, kListControlType);
        break;
      default:
        break;
    }
    return S_OK;
  });
}

HRESULT ListRoot::get_HostRawElementProvider(IRawElementProviderSimple** host) {
  if (host == nullptr) return E_INVALIDARG;
  *host = nullptr;
  if (list_ == nullptr) return kElementNotAvailable;
  using HostFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
  HMODULE uia = GetModuleHandleW(L"uiautomationcore.dll");
  if (auto fromHwnd = uia ? reinterpret_cast<HostFromHwnd>(
                                reinterpret_cast<void*>(GetProcAddress(uia, "UiaHostProviderFromHwnd")))
                          : nullptr) {
    return fromHwnd(list_->Handle(), host);
  }
  return S_OK;
}

HRESULT ListRoot::Navigate(NavigateDirection direction, IRawElementProviderFragment** out) {
  return Answer(list_, [&]() -> HRESULT {
    if (out == nullptr) return E_INVALIDARG;
    *out = nullptr;
    if (list_ == nullptr) return kElementNotAvailable;
    size_t rows = list_->Rows();
    if (rows == 0) return S_OK;
    if (direction == NavigateDirection_FirstChild) *out = Row(0);
    if (direction == NavigateDirection_LastChild) *out = Row(rows - 1);
    return S_OK;
  });
}

HRESULT ListRoot::ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** out) {
  return Answer(list_, [&]() -> HRESULT {
    if (out == nullptr) return E_INVALIDARG;
    *out = nullptr;
    if (list_ == nullptr) return kElementNotAvailable;
    POINT p{static_cast<LONG>(x), static_cast<LONG>(y)};
    ScreenToClient(list_->Handle(), &p);
    // From the top row and the row height: the list's own hit test answers in 16 bits on some systems.
    LRESULT height = SendMessageW(list_->Handle(), LB_GETITEMHEIGHT, 0, 0);
    LRESULT top = SendMessageW(list_->Handle(), LB_GETTOPINDEX, 0, 0);
    if (height > 0 && top >= 0 && p.y >= 0) {
      size_t row = static_cast<size_t>(top) + static_cast<size_t>(p.y / height);
      if (row < list_->Rows()) *out = Row(row);
    }
    return S_OK;
  });
}

HRESULT ListRoot::GetFocus(IRawElementProviderFragment** out) {
  return Answer(list_, [&]() -> HRESULT {
    if (out == nullptr) return E_INVALIDARG;
    *out = nullptr;
    if (list_ == nullptr) return kElementNotAvailable;
    LRESULT caret = SendMessageW(list_->Handle(), LB_GETCARETINDEX, 0, 0);
    if (::GetFocus() == list_->Handle() && caret >= 0 && static_cast<size_t>(caret) < list_->Rows()) {
      *out = Row(static_cast<size_t>(caret));
    }
    return S_OK;
  });
}

}  // namespace

IRawElementProviderSimple* CreateListProvider(AccessibleList& list) {
  return static_cast<IRawElementProviderSimple*>(new ListRoot(list));
}

void DisconnectListProvider(IRawElementProviderSimple* root) {
  if (root == nullptr) return;
  static_cast<ListRoot*>(root)->Disconnect();
  root->Release();
}

bool AnswerGetObject(IRawElementProviderSimple* root, HWND hwnd, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
  if (root == nullptr || static_cast<long>(lParam) != kUiaRootObjectId) return false;
  using Return = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
  HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
  auto answer = uia ? reinterpret_cast<Return>(
                          reinterpret_cast<void*>(GetProcAddress(uia, "UiaReturnRawElementProvider")))
                    : nullptr;
  if (answer == nullptr) return false;
  result = answer(hwnd, wParam, lParam, root);
  return true;
}

}  // namespace tovir::kit::win32

// The Win32 backend's clipboard: CF_TEXT with the program's exact CP932 bytes, CF_UNICODETEXT and CF_LOCALE
// (Japanese) beside it so a paste is right on a Windows of any language, and for tables "HTML Format".
#include <algorithm>
#include <cstring>

#include "kit/clipboard_html.h"
#include "kit/win32/win32_application.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

// The open clipboard, closed on every way out.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    // Another program may hold it for a moment.
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};

// Global memory for the clipboard, freed unless the clipboard took it.
class GlobalBlock {
 public:
  GlobalBlock(const void* data, size_t bytes) : handle_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (handle_ == nullptr) return;
    void* p = GlobalLock(handle_);
    std::memcpy(p, data, bytes);
    GlobalUnlock(handle_);
  }
  ~GlobalBlock() {
    if (handle_ != nullptr) GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  void Put(UINT format) {
    if (handle_ != nullptr && SetClipboardData(format, handle_) != nullptr) handle_ = nullptr;
  }

 private:
  HGLOBAL handle_;
};

std::optional<std::string> ReadFormat(HWND owner, UINT format, bool textEndsAtZero) {
  OpenClipboardScope clipboard(owner);
  if (!clipboard.IsOpen()) return std::nullopt;
  HANDLE data = GetClipboardData(format);
  if (data == nullptr) return std::nullopt;
  const char* p = static_cast<const char*>(GlobalLock(data));
  if (p == nullptr) return std::nullopt;
  size_t size = GlobalSize(data);
  std::string bytes(p, size);
  GlobalUnlock(data);
  if (textEndsAtZero) bytes.resize(std::min(bytes.find('\0'), bytes.size()));
  return bytes;
}

}  // namespace

void Win32Application::PutOnClipboard(std::string_view cp932, const std::string* html) {
  OpenClipboardScope clipboard(appWindow_);
  if (!clipboard.IsOpen()) return;
  EmptyClipboard();
  std::string text(cp932);
  GlobalBlock ansi(text.c_str(), text.size() + 1);
  ansi.Put(CF_TEXT);
  std::wstring wide = Wide(cp932);
  GlobalBlock unicode(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  unicode.Put(CF_UNICODETEXT);
  LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
  GlobalBlock locale(&japanese, sizeof japanese);
  locale.Put(CF_LOCALE);
  if (html != nullptr && htmlFormat_ != 0) {
    GlobalBlock table(html->c_str(), html->size() + 1);
    table.Put(htmlFormat_);
  }
  placedClipboard_ = true;
}

void Win32Application::SetClipboardText(std::string_view cp932) {
  if (cp932.empty()) return;
  PutOnClipboard(cp932, nullptr);
}

void Win32Application::SetClipboardTable(std::string_view cp932) {
  if (cp932.empty()) return;
  const std::string html = kit::ClipboardHtml(cp932);
  PutOnClipboard(cp932, &html);
}

std::optional<std::string> Win32Application::ClipboardText() const {
  if (!placedClipboard_) return std::nullopt;
  return ReadFormat(appWindow_, CF_TEXT, true);
}

std::optional<std::string> Win32Application::ClipboardHtml() const {
  if (!placedClipboard_ || htmlFormat_ == 0) return std::nullopt;
  return ReadFormat(appWindow_, htmlFormat_, true);
}

}  // namespace tovir::kit::win32

// The Win32 backend's clipboard: CF_TEXT with the program's exact CP932 bytes, CF_UNICODETEXT and CF_LOCALE
// (Japanese) beside it so a paste is right on a Windows of any language, and for tables "HTML Format".
#include <algorithm>
#include <cstring>

#include "kit/clipboard_html.h"
#include "kit/win32/win32_application.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

// How long a copy waits for a clipboard that another program holds (clipboard managers and remote desktops
// hold it for a moment after every change) before it tells the user.
constexpr DWORD kClipboardPatienceMs = 1000;
constexpr DWORD kClipboardRetryMs = 20;

// The open clipboard, closed on every way out.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner, DWORD patienceMs = kClipboardPatienceMs) {
    const ULONGLONG until = GetTickCount64() + patienceMs;
    for (;;) {
      open_ = OpenClipboard(owner) != FALSE;
      if (open_ || GetTickCount64() >= until) break;
      Sleep(kClipboardRetryMs);
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
  OpenClipboardScope clipboard(owner, 0);
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

bool Win32Application::PutOnClipboard(std::string_view cp932, bool table) {
  OpenClipboardScope clipboard(appWindow_);
  if (!clipboard.IsOpen()) return false;
  // Emptying it tells the clipboard's last owner, this program too, that what it held back is not wanted.
  EmptyClipboard();
  std::string text(cp932);
  GlobalBlock ansi(text.c_str(), text.size() + 1);
  ansi.Put(CF_TEXT);
  LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
  GlobalBlock locale(&japanese, sizeof japanese);
  locale.Put(CF_LOCALE);
  // The UTF-16 text and the spreadsheet's table are made when a program asks for them (the system sends
  // WM_RENDERFORMAT): for a million rows the table alone is hundreds of megabytes, which a copy must not
  // wait for when nobody pastes it as a table.
  clipboardText_ = std::move(text);
  clipboardTable_ = table;
  SetClipboardData(CF_UNICODETEXT, nullptr);
  if (table && htmlFormat_ != 0) SetClipboardData(htmlFormat_, nullptr);
  placedClipboard_ = true;
  return true;
}

void Win32Application::RenderClipboard(UINT format) {
  if (format == CF_UNICODETEXT) {
    const std::wstring wide = Wide(clipboardText_);
    GlobalBlock unicode(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    unicode.Put(CF_UNICODETEXT);
  } else if (format == htmlFormat_ && htmlFormat_ != 0 && clipboardTable_) {
    const std::string html = kit::ClipboardHtml(clipboardText_);
    GlobalBlock table(html.c_str(), html.size() + 1);
    table.Put(htmlFormat_);
  }
}

void Win32Application::RenderAllClipboard() {
  // The program ends while it owns the clipboard: what it held back is made now, or it would be lost.
  OpenClipboardScope clipboard(appWindow_);
  if (!clipboard.IsOpen() || GetClipboardOwner() != appWindow_) return;
  RenderClipboard(CF_UNICODETEXT);
  if (clipboardTable_) RenderClipboard(htmlFormat_);
}

void Win32Application::ForgetClipboard() {
  std::string().swap(clipboardText_);
  clipboardTable_ = false;
}

bool Win32Application::SetClipboardText(std::string_view cp932) {
  if (cp932.empty()) return true;
  return PutOnClipboard(cp932, false);
}

bool Win32Application::SetClipboardTable(std::string_view cp932) {
  if (cp932.empty()) return true;
  return PutOnClipboard(cp932, true);
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

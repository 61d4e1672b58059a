// The real clipboard: what another program reads back after a copy, in each of the formats placed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/encoding.h"
#include "kit/clipboard_html.h"
#include "kit/win32/win32_application.h"

namespace tovir::kit::win32 {
namespace {

std::string Read(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  if (HANDLE data = GetClipboardData(format)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      bytes.assign(p, GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return bytes;
}

std::string UntilZero(std::string bytes, size_t unit) {
  for (size_t i = 0; i + unit <= bytes.size(); i += unit) {
    if (bytes.compare(i, unit, std::string(unit, '\0')) == 0) return bytes.substr(0, i);
  }
  return bytes;
}

TEST(Win32ClipboardTest, EveryFormatGivesTheAssembledTextAndOutlivesTheProgram) {
  auto owner = std::make_unique<Win32Application>();
  Win32Application& app = *owner;
  // Bytes whose meaning depends on the code page: half-width kana, a backslash-like 0x5C trail byte, NEC
  // codes.
  const std::string text = *Utf8ToCp932("Group名\tUser名\r\nGRP1\tｿﾌﾄ\t表示\t①\t02/04/21\t=A1\r\n");
  struct Case {
    const char* name;
    bool table;
  };
  for (const Case& c : {Case{"plain", false}, Case{"table", true}}) {
    c.table ? app.SetClipboardTable(text) : app.SetClipboardText(text);
    EXPECT_EQ(UntilZero(Read(CF_TEXT), 1), text) << c.name;
    std::string wide = UntilZero(Read(CF_UNICODETEXT), 2);
    std::u16string utf16(wide.size() / 2, u'\0');
    memcpy(utf16.data(), wide.data(), wide.size());
    EXPECT_EQ(utf16, Cp932ToUtf16(text)) << c.name;
    std::string locale = Read(CF_LOCALE);
    ASSERT_GE(locale.size(), sizeof(LCID)) << c.name;
    EXPECT_EQ(PRIMARYLANGID(LANGIDFROMLCID(*reinterpret_cast<const LCID*>(locale.data()))), LANG_JAPANESE);
    std::string html = UntilZero(Read(RegisterClipboardFormatW(L"HTML Format")), 1);
    EXPECT_EQ(html, c.table ? ClipboardHtml(text) : std::string()) << c.name;
    EXPECT_EQ(app.ClipboardText(), text) << c.name;
  }
  // An empty text leaves the clipboard as it was.
  app.SetClipboardText("");
  app.SetClipboardTable("");
  EXPECT_EQ(UntilZero(Read(CF_TEXT), 1), text);
  // The formats made only when asked for are made as the program ends, before nobody is left to make them.
  app.SetClipboardTable(text);
  owner.reset();
  EXPECT_EQ(UntilZero(Read(CF_TEXT), 1), text);
  EXPECT_EQ(UntilZero(Read(CF_UNICODETEXT), 2).size(), Cp932ToUtf16(text).size() * 2);
  EXPECT_EQ(UntilZero(Read(RegisterClipboardFormatW(L"HTML Format")), 1), ClipboardHtml(text));
}

}  // namespace
}  // namespace tovir::kit::win32

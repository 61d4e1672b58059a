// The labels as the user sees them: every caption whole and on one line, at every DPI and after every change
// of caption; a fixed-size label keeps its box, any other takes its caption's extent in its real font.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/program.h"
#include "fs/file_system.h"
#include "kit/win32/win32_application.h"
#include "kit/win32/win32_controls.h"
#include "kit/win32/win32_form.h"
#include "kit/win32/win32_test_support.h"

namespace tovir::kit::win32 {
namespace {

// The rightmost column the label paints in other than its background, or -1: the label drawn into a bitmap of
// its own size.
int RightmostInk(const ChildWindow& label, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(label.hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  const uint32_t back = (GetRValue(label.back) << 16) | (GetGValue(label.back) << 8) | GetBValue(label.back);
  int right = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = width - 1; x > right; --x) {
      if ((pixels[y * width + x] & 0xFFFFFF) != back) right = x;
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return right;
}

void CheckLabel(Win32Application& app, const Win32Form& form, const TLabel& label) {
  const ChildWindow* w = app.WindowOf(label);
  ASSERT_NE(w, nullptr);
  RECT r{};
  GetWindowRect(w->hwnd, &r);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;

  // The caption's extent in the font the label's own window has.
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(w->hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(w->hwnd, text.data(), static_cast<int>(text.size()))));
  const std::wstring measured = text.empty() ? L" " : text;
  HDC dc = GetDC(w->hwnd);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(w->hwnd, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, measured.c_str(), static_cast<int>(measured.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(w->hwnd, dc);

  const Rect d = label.Bounds();
  const RECT box{form.Scale(d.left), form.Scale(d.top), form.Scale(d.left) + form.Scale(d.width),
                 form.Scale(d.top) + form.Scale(d.height)};
  const TextAlign alignment = label.Layout().alignment;
  EXPECT_EQ(r.top, box.top);
  if (label.AutoSize()) {
    EXPECT_EQ(width, extent.cx);
    EXPECT_EQ(height, extent.cy);
    if (alignment == TextAlign::kRight) {
      EXPECT_EQ(r.right, box.right);  // grows to the left
    } else {
      EXPECT_EQ(r.left, box.left);
    }
  } else {
    EXPECT_EQ(r.left, box.left);
    EXPECT_EQ(r.right, box.right);
    EXPECT_EQ(r.bottom, box.bottom);
  }

  // One line, as far as the box lets it go: the ink ends where the caption's last character does. A caption
  // broken into words would end far short of it, its rest hidden on a line below the box.
  if (text.find_first_not_of(L' ') == std::wstring::npos) return;
  const int shown = std::min<int>(extent.cx, width);
  const int end = alignment == TextAlign::kLeft    ? shown
                  : alignment == TextAlign::kRight ? width
                                                   : (width + shown) / 2;
  const int ink = RightmostInk(*w, width, height);
  EXPECT_GE(ink, end - 2 * metrics.tmAveCharWidth) << "ink ends at " << ink << " of " << width;
  EXPECT_LT(ink, end + 1);
}

TEST(Win32LabelTest, EveryLabelShowsItsWholeCaptionOnOneLineAtEveryDpiAndCaption) {
  Win32Application app;
  Program program(app, fs::NativeFileSystem(), {});
  TLabel& count = program.Form1().Label12;
  const std::vector<TForm*> forms{&program.Form1(), &program.Form2(), &program.Form4(), &program.Form5()};
  for (TForm* form : forms) form->Show();
  int checked = 0;
  for (int dpi : {96, 144}) {
    for (TForm* form : forms) {
      auto& peer = static_cast<Win32Form&>(form->Peer());
      if (peer.Dpi() != dpi) test::MoveToScreenOf(peer, dpi);
      for (const TControl* control : form->Controls()) {
        const auto* label = dynamic_cast<const TLabel*>(control);
        if (label == nullptr) continue;
        // The count label as the program sets it: growing, shrinking, emptied, and past its design box.
        std::vector<std::string> captions{label->Caption()};
        if (label == &count) captions = {"    5 file", "12345 file", "", "    0 file", "123456789 file"};
        for (const std::string& caption : captions) {
          if (label == &count) count.SetCaption(caption);
          SCOPED_TRACE(std::string(form->Name()) + "." + label->Name() + " \"" + caption + "\" at " +
                       std::to_string(dpi) + " DPI");
          CheckLabel(app, peer, *label);
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 2 * (9 + 5 + 3));  // Form1's 9 labels and the count's 5 captions, Form5's 3 labels
}

}  // namespace
}  // namespace tovir::kit::win32

// The real windows at any DPI: every control read back from its own window stands at its design place with
// its design font, at the system's DPI and after its window moved to screens of other DPIs.
#include <gtest/gtest.h>

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

TEST(Win32DpiTest, EveryControlFollowsItsWindowToAScreenOfAnotherDpi) {
  Win32Application app;
  Program program(app, fs::NativeFileSystem(), {});
  const std::vector<TForm*> forms{&program.Form1(), &program.Form2(), &program.Form4(), &program.Form5()};
  for (TForm* form : forms) form->Show();
  int checked = 0;
  for (int dpi : {app.Dpi(), 144, 120, 96}) {
    for (TForm* form : forms) {
      auto& peer = static_cast<Win32Form&>(form->Peer());
      if (peer.Dpi() != dpi) test::MoveToScreenOf(peer, dpi);
      ASSERT_EQ(peer.Dpi(), dpi);
      RECT client{};
      GetClientRect(peer.Handle(), &client);
      for (const TControl* control : form->Controls()) {
        const auto shown = app.Shown(*control);
        if (!shown) continue;  // a state holder without a window
        SCOPED_TRACE(std::string(form->Name()) + "." + std::string(control->Name()) + " at " +
                     std::to_string(dpi) + " DPI");
        const Rect design = control->Bounds();
        const auto* label = dynamic_cast<const TLabel*>(control);
        if (label != nullptr && label->AutoSize()) {
          // Sized to its caption at each DPI: the label test holds it to its text. It keeps its top here.
          EXPECT_EQ(shown->bounds.top, design.top);
        } else if (control->Layout().align == Align::kNone) {
          EXPECT_EQ(shown->bounds.left, design.left);
          EXPECT_EQ(shown->bounds.top, design.top);
          EXPECT_EQ(shown->bounds.width, design.width);
        } else {
          EXPECT_EQ(shown->bounds.width, peer.Unscale(client.right));
        }
        if (label == nullptr || !label->AutoSize()) {
          EXPECT_EQ(shown->bounds.height, design.height);
        }
        if (!shown->fontName.empty()) {
          const Font& font = control->DesignFont();
          EXPECT_EQ(shown->fontName, font.name);
          EXPECT_EQ(shown->fontHeight, font.height);
        }
        ++checked;
      }
    }
    auto* rows = app.WindowOf(program.Form1().ListBox13);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(SendMessageW(rows->hwnd, LB_GETITEMHEIGHT, 0, 0), MulDiv(13, dpi, 96));
  }
  EXPECT_GT(checked, 4 * 30);
}

}  // namespace
}  // namespace tovir::kit::win32

// Nothing escapes a window procedure and nothing fails in silence: rows that cannot be drawn, windows the
// system will not make, a clipboard another program holds, menus destroyed after a pop-up, timers destroyed
// while they tick, held input that throws, and keys a script types.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/program.h"
#include "base/messages.h"
#include "kit/timer_scenario.h"
#include "kit/win32/win32_application.h"
#include "kit/win32/win32_controls.h"
#include "kit/win32/win32_form.h"
#include "support/scenario.h"

namespace tovir::kit::win32 {
namespace {

class Win32FaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.SetExceptionSink([this](std::exception_ptr error) { reported_.push_back(ExceptionText(error)); });
    tovir::test::WriteIndexFile(folder_, "GRP1", "MCSATO", tovir::test::Numbered(5));
    program_ =
        std::make_unique<Program>(app_, fs::NativeFileSystem(), std::vector<std::string>{folder_.path()});
  }
  void TearDown() override { program_.reset(); }
  TForm1& Form1() { return program_->Form1(); }

  tovir::test::TempFolder folder_;
  Win32Application app_;
  std::unique_ptr<Program> program_;
  std::vector<std::string> reported_;
};

// Rows whose second one cannot be made.
class BrokenRows final : public RowSource {
 public:
  size_t Count() const override { return 3; }
  std::string_view Row(size_t i, std::string&) const override {
    if (i == 1) throw std::runtime_error("row 1 cannot be made");
    return "row";
  }
};

TEST_F(Win32FaultsTest, ARowThatCannotBeDrawnIsReportedAndTheProgramGoesOn) {
  BrokenRows rows;
  Form1().ListBox13.SetRows(&rows);
  Form1().ListBox13.ItemsChanged();
  HWND list = app_.WindowOf(Form1().ListBox13)->hwnd;
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  app_.ProcessMessages();
  ASSERT_FALSE(reported_.empty());
  EXPECT_EQ(reported_.front(), "row 1 cannot be made");
  // The window still takes input.
  app_.PressRow(Form1().ListBox13, 2);
  EXPECT_EQ(app_.SelectedRows(Form1().ListBox13), std::vector<size_t>{2});
  Form1().ListBox13.SetRows(nullptr);
  Form1().ListBox13.ItemsChanged();
}

TEST(Win32WindowsTest, AWindowTheSystemWillNotMakeStopsTheProgramWithItsReason) {
  // Refuses the making of every dialog frame: the version window is the first the program makes.
  static HHOOK hook = nullptr;
  hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND) {
          auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
          if (!IS_INTRESOURCE(create->lpcs->lpszClass) &&
              std::wstring(create->lpcs->lpszClass) == L"TovirDialog") {
            return 1;
          }
        }
        return CallNextHookEx(hook, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  Win32Application app;
  EXPECT_THROW(Program(app, fs::NativeFileSystem(), {}), WindowError);
  UnhookWindowsHookEx(hook);
  // Everything made before it is gone again: the application takes its windows anew.
  Program program(app, fs::NativeFileSystem(), {});
  EXPECT_TRUE(program.Form1().Visible());
}

TEST_F(Win32FaultsTest, ACopyWaitsAboutASecondForTheClipboardAndThenSaysItCouldNotCopy) {
  struct Case {
    int heldMs;  // how long another program holds the clipboard
    bool copied;
  } cases[] = {{300, true}, {1500, false}};
  for (const Case& c : cases) {
    app_.SetClipboardText("before");
    Form1().StatusBar1.SetSimpleText("");
    const int beeps = app_.Beeps();
    std::atomic<bool> held{false};
    std::thread other([&] {
      OpenClipboard(nullptr);
      held = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(c.heldMs));
      CloseClipboard();
    });
    while (!held) std::this_thread::yield();
    app_.ChooseMenuItem(*Form1().MainMenu1.Find("Copy1"));
    other.join();
    SCOPED_TRACE("held for " + std::to_string(c.heldMs) + " ms");
    EXPECT_EQ(app_.ClipboardText() != "before", c.copied);
    EXPECT_EQ(app_.Beeps(), beeps + (c.copied ? 0 : 1));
    EXPECT_EQ(Form1().StatusBar1.SimpleText(), c.copied ? "" : msg::kMsgClipboardBusy);
  }
}

TEST_F(Win32FaultsTest, APopUpMenuLeavesNoHandleBehindAndTheMenuBarKeepsItsMarks) {
  HMENU popup = app_.BuildMenu(Form1().PopupMenu1, false);
  DestroyMenu(popup);
  EXPECT_EQ(app_.MenuHandleOf(*Form1().PopupMenu1.Find("p1")), nullptr);
  ASSERT_NE(app_.MenuHandleOf(Form1().hnasi), nullptr);
  EXPECT_TRUE(IsMenu(app_.MenuHandleOf(Form1().hnasi)));
  app_.ChooseMenuItem(Form1().hnasi);
  EXPECT_EQ(GetMenuState(app_.MenuHandleOf(Form1().hnasi),
                         static_cast<UINT>(app_.MenuCommandId(Form1().hnasi)), MF_BYCOMMAND) &
                MF_CHECKED,
            static_cast<UINT>(MF_CHECKED));
}

TEST_F(Win32FaultsTest, ATimerThatDestroysItselfAndAnotherWhileTheyTickIsSafe) {
  kit::test::TimersDestroyedWhileTheyTick(Form1(), app_);
}

TEST_F(Win32FaultsTest, HeldInputThatThrowsLeavesLaterInputHeard) {
  int runs = 0;
  app_.SetMessageHook([&] {
    ++runs;
    if (runs == 1) throw std::runtime_error("held input failed");
  });
  EXPECT_THROW(app_.ProcessMessages(), std::runtime_error);
  app_.ProcessMessages();
  EXPECT_EQ(runs, 2);
  app_.SetMessageHook({});
}

TEST_F(Win32FaultsTest, AScriptTypesTheKeyItNames) {
  // Only Esc is the progress window's Cancel; any other key a script types is that key.
  for (const char* name : {"enter", "f1", "tab", "ctrl+x", "esc"}) {
    program_->Form2().Show();
    app_.FocusWindow(program_->Form2());
    app_.PressKey(*Key::Parse(name));
    EXPECT_EQ(program_->Form2().Visible(), std::string(name) != "esc") << name;
    program_->Form2().Hide();
  }
}

}  // namespace
}  // namespace tovir::kit::win32

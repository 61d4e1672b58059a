// Real input to the real windows: keys routed as the system routes them, the list boxes' own handling of
// mouse and keyboard, and a drop through a real drop handle.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "kit/win32/win32_application.h"
#include "kit/win32/win32_form.h"
#include "kit/win32/win32_list_box.h"
#include "support/scenario.h"

namespace tovir::kit::win32 {
namespace {

using test::TempFolder;

class Win32InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // As under a script: a right press opens no pop-up menu that would wait for a user.
    app_.SetExceptionSink([](std::exception_ptr error) { ADD_FAILURE() << ExceptionText(error); });
    test::WriteIndexFile(folder_, "GRP1", "MCSATO", test::Numbered(5));
    test::WriteIndexFile(folder_, "GRP2", "MCSATO", test::Numbered(3));
    program_ =
        std::make_unique<Program>(app_, fs::NativeFileSystem(), std::vector<std::string>{folder_.path()});
  }
  void TearDown() override { program_.reset(); }
  TForm1& Form1() { return program_->Form1(); }
  // A key pressed with the modifier keys held, as the keyboard gives it to the message loop.
  void Key(HWND target, WPARAM vk, bool ctrl, bool shift = false, bool alt = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
    MSG msg{target, static_cast<UINT>(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), vk, 1, 0, {}};
    app_.Dispatch(msg);
    state[VK_CONTROL] = state[VK_SHIFT] = state[VK_MENU] = 0;
    SetKeyboardState(state);
    app_.ProcessMessages();
  }
  static HWND Window(TForm& form) { return static_cast<Win32Form&>(form.Peer()).Handle(); }

  TempFolder folder_;
  Win32Application app_;
  std::unique_ptr<Program> program_;
};

TEST_F(Win32InputTest, CtrlCCopiesTheListFromEveryWindowAndEscCancelsOnlyTheProgressWindow) {
  struct Case {
    const char* window;
    TForm* form;
  };
  Form1().K1Click();  // the usage window, shown
  for (Case c : {Case{"Form1", &Form1()}, Case{"Form4", &program_->Form4()}}) {
    // Typed into the search box or the usage text, Ctrl+C is the main menu's shortcut, not the control's
    // copy; with Shift or Alt held as well it is not Ctrl+C.
    if (c.form == &Form1()) app_.TypeText(Form1().Edit10, "x");
    HWND focus = GetFocus() != nullptr ? GetFocus() : Window(*c.form);
    struct Chord {
      bool shift, alt, copies;
    };
    for (Chord chord : {Chord{true, false, false}, Chord{false, true, false}, Chord{false, false, true}}) {
      app_.SetClipboardText("before");
      Key(focus, 'C', true, chord.shift, chord.alt);
      EXPECT_EQ(app_.ClipboardText()->substr(0, 5), chord.copies ? "Group" : "befor")
          << c.window << (chord.shift ? " with Shift" : "") << (chord.alt ? " with Alt" : "");
    }
  }
  // Esc in the usage window closes nothing, with the focus in its text too (a multi-line text in a dialog
  // would close it); in the progress window it is Cancel.
  Key(Window(program_->Form4()), VK_ESCAPE, false);
  EXPECT_TRUE(program_->Form4().Visible());
  app_.FocusWindow(program_->Form4());
  ASSERT_EQ(app_.FocusName(), "Memo1");
  Key(GetFocus(), VK_ESCAPE, false);
  EXPECT_TRUE(program_->Form4().Visible());
  program_->Form2().Show();
  Key(Window(program_->Form2()), VK_ESCAPE, false);
  EXPECT_FALSE(program_->Form2().Visible());
  EXPECT_EQ(Form1().GetReadCancelled(), 1);
}

TEST_F(Win32InputTest, TheCloseBoxAndAltF4HideTheOtherWindows) {
  for (TForm* form : {static_cast<TForm*>(&program_->Form4()), static_cast<TForm*>(&program_->Form5())}) {
    form->Show();
    SendMessageW(Window(*form), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(form->Visible()) << form->Name();
    EXPECT_FALSE(app_.Terminated());
  }
}

TEST_F(Win32InputTest, KeysSelectAGroupAndPressesRunAfterTheListsOwnSelection) {
  ASSERT_EQ(Form1().ListBox13.Count(), 5u);
  // The keyboard moves the group list's selection, and that is a click: the second group loads.
  app_.Focus(Form1().ListBox1);
  ASSERT_EQ(app_.FocusName(), "ListBox1");
  // Nothing is selected at start: the first Down selects the first group, the second the next one.
  HWND groups = GetFocus();
  SendMessageW(groups, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(groups, WM_KEYDOWN, VK_DOWN, 0);
  app_.ProcessMessages();
  EXPECT_EQ(Form1().GetCurrentGroup(), "GRP2");
  EXPECT_EQ(Form1().ListBox13.Count(), 3u);
  // A right press neither moves the focus row nor changes the selection; the row detail still runs.
  app_.PressRow(Form1().ListBox13, 1);
  app_.PressRow(Form1().ListBox13, 2, MouseButton::kRight);
  EXPECT_EQ(app_.FocusRow(Form1().ListBox13), 1);
  EXPECT_EQ(app_.SelectedRows(Form1().ListBox13), std::vector<size_t>{1});
  EXPECT_EQ(Form1().GetSearchRow(), 1);
  app_.PressRow(Form1().ListBox13, 0, MouseButton::kLeft, {.shift = true});
  EXPECT_EQ(app_.SelectedRows(Form1().ListBox13), (std::vector<size_t>{0, 1}));
}

TEST_F(Win32InputTest, TheSecondPressOfADoubleClickIsAPressToo) {
  auto& list = static_cast<ListWindow&>(Form1().ListBox13.Peer());
  app_.PressRow(Form1().ListBox13, 3);
  ASSERT_EQ(Form1().StatusBar1.SimpleText(), "02/04/21 13:05 N4");
  // Something else writes the status line between the two presses; the second press shows the row again.
  Form1().StatusBar1.SetSimpleText("");
  const POINT at = list.PointOfRow(3);
  SendMessageW(list.window.hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(list.window.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  app_.ProcessMessages();
  EXPECT_EQ(Form1().GetSearchRow(), 3);
  EXPECT_EQ(Form1().StatusBar1.SimpleText(), "02/04/21 13:05 N4");
}

TEST_F(Win32InputTest, TheMinimiseBoxTakesTheProgramToTheTaskbarAndTheRestoreBringsItsWindowsBack) {
  program_->Form4().Show();  // open; the version window is not
  SendMessageW(Window(Form1()), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  // The taskbar button is the application window's: minimised, and the program's windows gone with it.
  EXPECT_TRUE(IsIconic(app_.Owner()));
  EXPECT_TRUE(IsWindowVisible(app_.Owner()));
  EXPECT_EQ(GetWindowLongW(app_.Owner(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_FALSE(IsWindowVisible(Window(Form1())));
  EXPECT_FALSE(IsWindowVisible(Window(program_->Form4())));
  EXPECT_TRUE(program_->Form4().Visible());  // as the program sees it: still open
  SendMessageW(app_.Owner(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(app_.Owner()));
  EXPECT_TRUE(IsWindowVisible(Window(Form1())));
  EXPECT_TRUE(IsWindowVisible(Window(program_->Form4())));
  EXPECT_FALSE(IsWindowVisible(Window(program_->Form5())));
  // A window closed while the program was minimised stays closed at the restore.
  SendMessageW(Window(Form1()), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  program_->Form4().Close();
  SendMessageW(app_.Owner(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsWindowVisible(Window(program_->Form4())));
  EXPECT_TRUE(IsWindowVisible(Window(Form1())));
}

TEST_F(Win32InputTest, ADropTakesTheFirstItemCutAt254Bytes) {
  std::string longName = folder_.path() + std::string(300, 'x');
  app_.DropFiles(Form1(), {longName, folder_.path()});
  EXPECT_EQ(Form1().Edit6, longName.substr(0, 254));
  EXPECT_EQ(Form1().ListBox1.Count(), 0u);  // refused: it does not end in MCADAM
  app_.DropFiles(Form1(), {folder_.path()});
  EXPECT_EQ(Form1().Edit6, folder_.path());
  EXPECT_EQ(Form1().ListBox1.Count(), 2u);
}

}  // namespace
}  // namespace tovir::kit::win32

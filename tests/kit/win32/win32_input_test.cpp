// Real input to the real windows: keys routed as the system routes them, the list boxes' own handling of
// mouse and keyboard, and a drop through a real drop handle.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "kit/win32/win32_application.h"
#include "kit/win32/win32_form.h"
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
  void Key(HWND target, WPARAM vk, bool ctrl) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
    MSG msg{target, WM_KEYDOWN, vk, 1, 0, {}};
    app_.Dispatch(msg);
    state[VK_CONTROL] = 0;
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
    app_.SetClipboardText("before");
    // Typed into the search box or the usage text, Ctrl+C is the main menu's shortcut, not the control's
    // copy.
    if (c.form == &Form1()) app_.TypeText(Form1().Edit10, "x");
    HWND focus = GetFocus() != nullptr ? GetFocus() : Window(*c.form);
    Key(focus, 'C', true);
    ASSERT_TRUE(app_.ClipboardText().has_value()) << c.window;
    EXPECT_EQ(app_.ClipboardText()->substr(0, 5), "Group") << c.window;
  }
  // Esc in the usage window closes nothing; in the progress window it is Cancel.
  Key(Window(program_->Form4()), VK_ESCAPE, false);
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

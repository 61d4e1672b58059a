// Big groups at the speed of the list: what a command asks of the real drawing list costs the same few
// messages whatever the number of rows.
#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "kit/win32/win32_application.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include "kit/win32/win32_controls.h"
#include "mkdata.h"
#include "support/temp_folder.h"

namespace tovir::kit::win32 {
namespace {

int messages = 0;

LRESULT CALLBACK Count(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  ++messages;
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The messages the drawing list receives while every command that walks its rows or its selection runs, with
// every row selected.
int MessagesForCommands(int rows) {
  test::TempFolder folder;
  mkdata::Options options;
  options.groups = 1;
  options.usersPerGroup = 1;
  options.drawingsPerUser = rows;
  options.indexOnly = true;
  EXPECT_TRUE(mkdata::Generate(folder.path(), options).has_value());
  Win32Application app;
  Program program(app, fs::NativeFileSystem(), {folder.path()});
  TForm1& form = program.Form1();
  EXPECT_GE(form.ListBox13.Count(), static_cast<size_t>(rows) * 8 / 10);  // a few are deleted drawings
  HWND list = app.WindowOf(form.ListBox13)->hwnd;
  SendMessageW(list, LB_SETSEL, TRUE, -1);
  app.ProcessMessages();
  messages = 0;
  SetWindowSubclass(list, Count, 1, 0);
  for (const char* copy : {"Copy1", "Copy2", "Copy3", "Copy4"}) form.MainMenu1.Find(copy)->OnClick();
  form.Edit10.SetText("P9");
  form.BitBtn1Click();
  RemoveWindowSubclass(list, Count, 1);
  EXPECT_GT(app.ClipboardText()->size(), form.ListBox13.Count() * 10);
  return messages;
}

TEST(Win32BigGroupTest, CopiesAndTheSearchSendTheListAsManyMessagesForAHundredThousandRowsAsForTen) {
  const int few = MessagesForCommands(10);
  const int many = MessagesForCommands(100000);
  EXPECT_EQ(many, few);
  EXPECT_LT(many, 40);
}

}  // namespace
}  // namespace tovir::kit::win32

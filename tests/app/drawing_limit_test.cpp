// A group with more drawings than the table may hold: the drawings that fit are listed, in both displays, and
// the status line says that is not all.
#include <gtest/gtest.h>

#include "app/program.h"
#include "base/messages.h"
#include "kit/headless/headless_application.h"
#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;

TEST(DrawingLimit, GroupBeyondTheLimitKeepsTheDrawingsThatFitAndSaysSo) {
  TempFolder folder;
  WriteIndexFile(folder, "G1", "MCSATO", Numbered(5));
  WriteIndexFile(folder, "G1", "MCTANAKA", Numbered(3), 10);
  kit::HeadlessApplication app;
  Program program(app, fs::NativeFileSystem(), {});
  TForm1& form = program.Form1();
  kit::UserInput& input = app;
  struct Case {
    size_t limit;
    int display;
    size_t rows;
    bool cut;
  } cases[] = {{6, 0, 6, true}, {6, 1, 6, true}, {8, 1, 8, false}, {8, 0, 8, false}, {0, 0, 0, true}};
  for (const auto& c : cases) {
    form.SetDrawingLimit(c.limit);
    input.PickRadioItem(form.RadioGroup1, c.display);
    int beeps = app.Beeps();
    input.DropFiles(form, {folder.path()});
    EXPECT_EQ(form.ListBox13.Count(), c.rows) << c.limit << "/" << c.display;
    EXPECT_EQ(form.ListBox4.Count(), c.rows) << c.limit << "/" << c.display;
    EXPECT_EQ(form.StatusBar1.SimpleText(), c.cut ? msg::kMsgTooManyDrawings : "") << c.limit;
    EXPECT_EQ(app.Beeps() - beeps, c.cut ? 1 : 0) << c.limit;
    if (c.rows > 5) {
      EXPECT_EQ(form.ListBox3[5], "TANAKA");
    }
  }
}

}  // namespace
}  // namespace tovir

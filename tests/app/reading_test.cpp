// The full display while a drawing file's open hangs: the windows stay alive, Cancel and every input that
// ends the reading are heard while it hangs, and nothing of the reading outlives it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "app/program.h"
#include "base/path.h"
#include "kit/headless/headless_application.h"
#include "mkdata.h"
#include "support/gated_file_system.h"
#include "support/memory_file_system.h"

namespace tovir {
namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

std::string FileNumber(int i) {
  char number[16];
  std::snprintf(number, sizeof number, "%06d", i);
  return number;
}

// A group of user SATO with `n` drawings P1, P2, ... whose files hold notes N1, N2, ...
void AddGroup(test::MemoryFileSystem& fs, std::string_view folder, std::string_view group, int n) {
  std::string dir = JoinPath(folder, group);
  std::vector<std::string> records;
  for (int i = 1; i <= n; ++i) {
    records.push_back(mkdata::EncodeRecord({'1', FileNumber(i), "P" + std::to_string(i), "01"}));
    test::MemoryFileSystem::FileEntry file;
    file.bytes = mkdata::DrawingFileBytes("N" + std::to_string(i));
    file.lastWriteUtc = 1019394358;  // 2002-04-21 13:05:58 UTC
    fs.AddFile(JoinPath(JoinPath(dir, "SATO"), "Mc" + FileNumber(i) + ".1@@"), std::move(file));
  }
  fs.AddFile(JoinPath(JoinPath(dir, "V3idxft"), "MCSATO"), mkdata::IndexFileBytes(records));
}

TEST(Reading, InputIsHeardWhileAnOpenHangsAndNothingOutlivesTheReading) {
  struct Case {
    const char* what;
    int hung;  // the drawing whose file's open hangs
    size_t readers;
    std::function<void(kit::HeadlessApplication&, Program&)> act;
    int beeps;
    const char* groupAfter;  // the group shown once everything has run
    bool ends;               // the program ends
  };
  const std::string other = JoinPath("Y", "MCADAM");
  const std::vector<Case> cases{
      {"Cancel", 3, 16, [](auto& app, Program& p) { app.ClickButton(p.Form2().BitBtn1); }, 1, "G", false},
      {"Esc", 0, 4,
       [](auto& app, Program& p) {
         app.FocusWindow(p.Form2());
         app.PressKey(kit::Key::Named(kit::Key::Code::kEscape));
       },
       1, "G", false},
      {"close box", 5, 1, [](auto& app, Program& p) { app.ClickCloseBox(p.Form2()); }, 1, "G", false},
      {"drop", 2, 16, [&](auto& app, Program& p) { app.DropFiles(p.Form1(), {other}); }, 0, "OTHER", false},
      {"group click", 4, 2, [](auto& app, Program& p) { app.PressRow(p.Form1().ListBox1, 1); }, 0, "H",
       false},
      {"program's end", 1, 16, [](auto& app, Program& p) { app.ClickCloseBox(p.Form1()); }, 0, "G", true},
  };
  constexpr int kDrawings = 3000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::MemoryFileSystem memory;
    const std::string folder = JoinPath("X", "MCADAM");
    AddGroup(memory, folder, "G", kDrawings);
    AddGroup(memory, folder, "H", 2);
    AddGroup(memory, other, "OTHER", 2);
    // Every other open takes a little while, as on a slow medium, so the readers are still at work when the
    // reading ends.
    test::GatedFileSystem fs(memory, "Mc" + FileNumber(c.hung + 1) + ".1@@", std::chrono::microseconds(500));
    kit::HeadlessApplication app;
    Program program(app, fs, {folder}, 0, c.readers);
    TForm1& form = program.Form1();

    std::vector<Clock::time_point> whileHung;  // each time messages were processed at the hung drawing
    bool acted = false;
    int callsSinceAct = 0;
    size_t passes = 0, rows = 0;  // as the reading left them
    int beeps = 0;
    app.SetMessageHook([&] {
      if (!acted && form.ReadingPass() == c.hung && fs.Held()) {
        whileHung.push_back(Clock::now());
        // A few slices at the hung drawing first: the windows live while it hangs.
        if (whileHung.size() < 4) return;
        c.act(app, program);
        acted = true;
        return;
      }
      if (!acted) return;
      // The reading has left its loop and stops its readers while the hung open goes on; messages are still
      // processed until that returns.
      if (++callsSinceAct == 1) {
        passes = form.ProgressTrace().size();
        rows = form.ListBox13.Count();
        beeps = app.Beeps();
      }
      if (callsSinceAct == 3) fs.Release();
    });
    app.PickRadioItem(form.RadioGroup1, 1);

    ASSERT_TRUE(acted);
    EXPECT_FALSE(fs.GaveUp()) << "the reading waited for the hung open without processing messages";
    for (size_t k = 1; k < whileHung.size(); ++k) {
      EXPECT_LT(whileHung[k] - whileHung[k - 1], Ms(100)) << "slice " << k;
    }
    // Heard before the hung drawing's result came: its row and all after it are missing.
    EXPECT_GE(callsSinceAct, 3);
    EXPECT_EQ(passes, static_cast<size_t>(c.hung + 1));
    EXPECT_EQ(rows, static_cast<size_t>(c.hung));
    EXPECT_EQ(beeps, c.beeps);
    // Nothing outlives the reading: every call has returned and every file is closed, and what was not begun
    // never will be.
    EXPECT_EQ(fs.CallsInside(), 0);
    EXPECT_EQ(memory.OpenFiles(), 0);
    EXPECT_EQ(form.ReadingPass(), -1);
    EXPECT_LT(fs.Opened().size(), static_cast<size_t>(kDrawings));
    EXPECT_EQ(app.Terminated(), c.ends);
    EXPECT_EQ(form.GetCurrentGroup(), c.groupAfter);
    if (std::string_view(c.groupAfter) == "G") {
      EXPECT_EQ(form.ListBox13.Count(), static_cast<size_t>(c.hung));
      EXPECT_EQ(form.ListBox12.Count(), static_cast<size_t>(c.hung));
    } else {
      // The input that waited was carried out after the reading, in a full reading of its own.
      EXPECT_EQ(form.ListBox12.Count(), 2u);
      EXPECT_EQ(form.ListBox9[1], "N2");
    }
  }
}

}  // namespace
}  // namespace tovir

// Group selection, the two displays, the reading with its progress and cancel, and the row detail.
#include <gtest/gtest.h>

#include <functional>

#include "base/path.h"
#include "cli/export_mode.h"
#include "mkdata.h"
#include "support/memory_file_system.h"
#include "support/memory_folder.h"
#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

std::string Start(const TempFolder& folder) {
  return "start " + Hex(folder.path()) + "\n";
}

TEST(Display, GroupClickReloadsOnlyAnotherGroupUnlessTheModeChanged) {
  TempFolder folder;
  WriteIndexFile(folder, "G1", "MCSATO", Numbered(2));
  WriteIndexFile(folder, "G2", "MCSATO", Numbered(3));
  auto r = RunScript(Start(folder) +
                     "group 0\ndump\n"  // the group shown: nothing re-read
                     "group 1\ndump\n"  // another group
                     "mode 1\ndump\n"   // the display change reloads the selected group in full
                     "mode 0\ndump\n");
  EXPECT_EQ(r.dumps[0]["ListBox1Selected"].Int(), 0);
  EXPECT_EQ(r.dumps[0]["ListBox13"].size(), 2u);
  EXPECT_EQ(r.dumps[0]["Focus"].Str(), "ListBox1");
  EXPECT_EQ(r.dumps[1]["CurrentGroup"].Str(), "G2");
  EXPECT_EQ(r.dumps[1]["ListBox13"].size(), 3u);
  EXPECT_EQ(r.dumps[2]["ListBox12"].Strings(), Strings(3, "02/04/21 13:05"));
  EXPECT_EQ(r.dumps[2]["ForceReload"].Int(), 0);
  EXPECT_EQ(r.dumps[3]["ListBox12"].Strings(), Strings(3, ""));
  EXPECT_EQ(r.dumps[3]["ListBox13"][0].Str(), "SATO   P1,01" + std::string(16, ' '));
}

TEST(Display, ModeChangeWithNoFolderDoesNothingAndAfterIntakeSelectsTheFirstGroup) {
  auto none = RunScript("mode 1\ndump\n");
  EXPECT_EQ(none.last()["RadioGroup1"].Int(), 1);
  EXPECT_EQ(none.last()["Form2"]["Shows"].Int(), 0);
  EXPECT_EQ(none.last()["ListBox1Selected"].Int(), -1);

  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(1));
  auto r = RunScript(Start(folder) + "mode 1\ndump\n");
  EXPECT_EQ(r.last()["ListBox1Selected"].Int(), 0);
  EXPECT_EQ(r.last()["ListBox13"][0].Str(), "SATO   P1,01" + std::string(16, ' ') + " 02/04/21 13:05 N1");
}

TEST(Display, FullDisplayReportsProgressForEachDrawing) {
  struct Case {
    int n;
    std::vector<long long> trace;
  } cases[] = {{0, {}}, {1, {100}}, {3, {33, 66, 100}}, {4, {25, 50, 75, 100}}};
  for (const auto& c : cases) {
    TempFolder folder;
    WriteIndexFile(folder, "G", "MCSATO", Numbered(c.n));
    auto r = RunScript(Start(folder) + "mode 1\nduring-read 0 dump\ndump\nmode 0\nmode 1\ndump\n");
    const Json& d = r.dumps.back();
    EXPECT_EQ(d["ProgressTrace"].Ints(), c.trace) << c.n;
    EXPECT_EQ(d["ListBox13"].size(), static_cast<size_t>(c.n));
    EXPECT_FALSE(d["Form2"]["Visible"].Bool());
    EXPECT_TRUE(d["StatusBar1Visible"].Bool());
    EXPECT_FALSE(d["ProgressBar1Visible"].Bool());
    EXPECT_EQ(d["ReadCancelled"].Int(), 1);  // the close at the end of every reading
    EXPECT_EQ(d["Form2"]["Shows"].Int(), 2);
    EXPECT_EQ(d["Beeps"].Int(), 0);
    if (c.n == 0) continue;
    // The dump taken inside the second reading, at its first pass: the windows as the user sees them then.
    const Json& during = r.dumps[1];
    EXPECT_TRUE(during["Form2"]["Visible"].Bool());
    EXPECT_FALSE(during["StatusBar1Visible"].Bool());
    EXPECT_TRUE(during["ProgressBar1Visible"].Bool());
    EXPECT_EQ(during["ProgressBar1"].Int(), c.trace[0]);
    EXPECT_EQ(during["ListBox13"].size(), 0u);
  }
}

TEST(Display, CancelEndsTheReadingBeforeTheNextDrawing) {
  struct Case {
    int pass;  // the pass at which the Cancel press is handled
    size_t rows;
  } cases[] = {{0, 0}, {1, 1}, {5, 5}, {9, 9}};
  for (const auto& c : cases) {
    TempFolder folder;
    WriteIndexFile(folder, "G", "MCSATO", Numbered(10));
    auto r = RunScript(Start(folder) + "during-read " + std::to_string(c.pass) + " cancel\nmode 1\ndump\n" +
                       "mode 0\nmode 1\ndump\n");
    const Json& d = r.dumps[0];
    EXPECT_EQ(d["ListBox13"].size(), c.rows) << c.pass;
    EXPECT_EQ(d["ListBox12"].size(), c.rows);
    EXPECT_EQ(d["ListBox9"].size(), c.rows);
    EXPECT_EQ(d["ListBox4"].size(), 10u);
    EXPECT_EQ(d["Label12"].Str(), "   10 file");
    EXPECT_EQ(d["Beeps"].Int(), 1);
    EXPECT_EQ(d["ProgressTrace"].size(), static_cast<size_t>(c.pass + 1));
    // The next full display starts afresh and reads to the end.
    EXPECT_EQ(r.dumps[1]["ListBox13"].size(), 10u);
    EXPECT_EQ(r.dumps[1]["Beeps"].Int(), 1);
  }
}

TEST(Display, DrawingsWhoseFilesAreMissingKeepTheirRows) {
  TempFolder folder;
  auto drawings = Numbered(3);
  drawings[1].file = false;
  drawings[2].note = std::string(56, ' ');
  drawings[0].when = {1999, 12, 31, 23, 59, 59};
  WriteIndexFile(folder, "G", "MCSATO", drawings);
  auto r = RunScript(Start(folder) + "mode 1\ndump\n");
  const Json& d = r.last();
  std::string name2 = "P2,01" + std::string(16, ' ');
  EXPECT_EQ(d["ListBox12"].Strings(), (Strings{"99/12/31 23:59", "", "02/04/21 13:05"}));
  EXPECT_EQ(d["ListBox9"].Strings(), (Strings{"N1", "", std::string(56, ' ')}));
  EXPECT_EQ(d["ListBox13"][1].Str(), "SATO   " + name2 + "  ");
  EXPECT_EQ(d["ListBox13"][2].Str().size(), 100u);
}

TEST(Display, RowDetailShowsDateAndNoteInShortDisplayAndNoteInFull) {
  TempFolder folder;
  auto drawings = Numbered(4);
  drawings[2].note = "GEAR BOX" + std::string(48, ' ');
  drawings[3].file = false;
  WriteIndexFile(folder, "G", "MCSATO", drawings);
  auto r = RunScript(Start(folder) +
                     "press 2\ndump\n"          // short display: date and note
                     "search zzz\n"             // "not found" on the status line
                     "press 3\ndump\n"          // missing file: the status line stays
                     "press 1 right\ndump\n"    // right press: the focus row (3) is shown, not row 1
                     "mode 1\npress 2\ndump\n"  // full display: the note only
                     "press 3\ndump\n");        // full display, file not opened: empty
  EXPECT_EQ(r.dumps[0]["StatusBar1"].Str(), "02/04/21 13:05 GEAR BOX" + std::string(48, ' '));
  EXPECT_EQ(r.dumps[0]["SearchRow"].Int(), 2);
  EXPECT_EQ(r.dumps[0]["ListBox13ItemIndex"].Int(), 2);
  EXPECT_EQ(r.dumps[0]["Focus"].Str(), "ListBox13");
  EXPECT_EQ(r.dumps[1]["StatusBar1"].Str(), "見つかりません！");
  EXPECT_EQ(r.dumps[1]["SearchRow"].Int(), 3);
  EXPECT_EQ(r.dumps[1]["SearchHit"].Int(), 0);
  EXPECT_EQ(r.dumps[2]["ListBox13ItemIndex"].Int(), 3);
  EXPECT_EQ(r.dumps[2]["ListBox13Selected"].Ints(), (std::vector<long long>{3}));
  EXPECT_EQ(r.dumps[2]["StatusBar1"].Str(), "見つかりません！");
  EXPECT_EQ(r.dumps[3]["StatusBar1"].Str(), "GEAR BOX" + std::string(48, ' '));
  EXPECT_EQ(r.dumps[4]["StatusBar1"].Str(), "");
}

TEST(Display, PressesMoveFocusAndSelectionAsTheListDoes) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(8));
  auto r = RunScript(Start(folder) +
                     "press 1 right\ndump\n"  // nothing focused yet: the caret is on row 0
                     "press 2\npress 5 shift\ndump\n"
                     "press 3 ctrl\ndump\n"
                     "press 99\ndump\n"  // below the last row: the last row
                     "press 4 middle\ndump\n");
  EXPECT_EQ(r.dumps[0]["SearchRow"].Int(), 0);
  EXPECT_EQ(r.dumps[0]["ListBox13Selected"].size(), 0u);
  EXPECT_EQ(r.dumps[1]["ListBox13Selected"].Ints(), (std::vector<long long>{2, 3, 4, 5}));
  EXPECT_EQ(r.dumps[2]["ListBox13Selected"].Ints(), (std::vector<long long>{2, 4, 5}));
  EXPECT_EQ(r.dumps[2]["ListBox13ItemIndex"].Int(), 3);
  EXPECT_EQ(r.dumps[3]["ListBox13Selected"].Ints(), (std::vector<long long>{7}));
  EXPECT_EQ(r.dumps[4]["SearchRow"].Int(), 7);

  auto empty = RunScript("press 0\ndump\n");
  EXPECT_EQ(empty.last()["SearchRow"].Int(), 0);
  EXPECT_EQ(empty.last()["StatusBar1"].Str(), "");
}

TEST(Display, ShortRowsHandleUserNamesOfEveryWidth) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCYAMADA", Numbered(1));
  WriteIndexFile(folder, "G", "MC", Numbered(1), 2);
  WriteIndexFile(folder, "G", Sjis("MC高橋一_9"), Numbered(1), 3);
  auto r = RunScript(Start(folder) + "dump\n");
  std::string name = "P1,01" + std::string(16, ' ');
  EXPECT_EQ(r.last()["ListBox13"].Strings(), (Strings{"       " + name, "YAMADA " + name, "高橋一 " + name}));
  EXPECT_EQ(r.last()["ListBox8"].Strings(), (Strings{"", "YAMADA", "高橋一"}));
}

TEST(Display, AnUnreadableIndexFileHidesOnlyItselfAndIsNamedWithoutABeep) {
  test::MemoryFileSystem fs;
  const std::string folder = JoinPath("F", "MCADAM");
  int number = 0;
  for (const char* index : {"MCITO", "MCKATO", "MCMORI"}) {
    std::vector<std::string> records;
    for (int d = 0; d < 2; ++d) {
      std::string digits = "00000" + std::to_string(++number);
      records.push_back(mkdata::EncodeRecord({'1', digits, "P" + std::to_string(number), "01"}));
    }
    test::MemoryFileSystem::FileEntry entry;
    entry.bytes = mkdata::IndexFileBytes(records);
    if (std::string_view(index) == "MCKATO") entry.fault = test::MemoryFileSystem::Fault::kOpenFails;
    fs.AddFile(JoinPath(JoinPath(JoinPath(folder, "G"), "V3idxft"), index), std::move(entry));
  }
  const std::string said = "インデックスファイルを読めません：MCKATO";
  auto r = RunScript("start " + Hex(folder) + "\ndump\n", false, &fs);
  const Json& d = r.last();
  EXPECT_EQ(d["ListBox4"].Strings(),
            (Strings{"P1,01" + std::string(16, ' '), "P2,01" + std::string(16, ' '),
                     "P5,01" + std::string(16, ' '), "P6,01" + std::string(16, ' ')}));
  EXPECT_EQ(d["StatusBar1"].Str(), said);
  EXPECT_EQ(d["Beeps"].Int(), 0);

  cli::ExportOptions options;
  options.folder = folder;
  std::string out;
  std::string err;
  int status = cli::RunExport(
      options, fs, [&](std::string_view s) { out += s; }, [&](std::string_view s) { err += s; });
  EXPECT_EQ(status, 1);  // every readable drawing follows, but the rows are not the whole group
  EXPECT_EQ(err, said + "\n");
  EXPECT_NE(out.find("P6,01"), std::string::npos);
}

// What the medium or the machine keeps from being read is said on the status line with the beep, never shown
// as the data's own absence; a name that CP932 cannot hold loads as a group without an index directory.
TEST(Display, WhatTheMediumKeepsFromBeingReadIsSaidWithABeep) {
  const std::string folder = JoinPath("F", "MCADAM");
  const std::string group = JoinPath(folder, "G");
  struct Case {
    const char* what;
    std::function<void(MemoryFileSystem&)> damage;
    std::string script;  // after the start
    std::string status;  // the status line at the end
    long long beeps;
    size_t rows;
  };
  const std::vector<Case> cases{
      {"a drawing file whose read fails, in the full display",
       [&](MemoryFileSystem& fs) { BreakDrawingFile(fs, folder, "G", "SATO", 2, 20); }, "mode 1\n",
       std::string("図面ファイルを読めません：SATO") + std::string(1, kPathSeparator) + "Mc000002.1@@", 1, 3},
      {"a drawing file the medium will not open, pressed in the short display",
       [&](MemoryFileSystem& fs) {
         fs.FailOpen(MemoryDrawingFile(folder, "G", "SATO", 3), fs::Fault::kMedium);
       },
       "press 2\n",
       std::string("図面ファイルを読めません：SATO") + std::string(1, kPathSeparator) + "Mc000003.1@@", 1, 3},
      {"a drawing file that is missing, pressed: nothing said",
       [&](MemoryFileSystem& fs) { fs.AddOther(MemoryDrawingFile(folder, "G", "SATO", 3)); }, "press 2\n", "",
       0, 3},
      {"the index directory's listing breaks off",
       [&](MemoryFileSystem& fs) {
         fs.DamageDirectory(JoinPath(group, "V3idxft"), {true, fs::Fault::kMedium, 0, {}});
       },
       "", std::string("一覧を最後まで読めません：") + JoinPath(group, "V3idxft"), 1, 0},
      {"a group the medium will not open",
       [&](MemoryFileSystem& fs) {
         AddMemoryGroup(fs, folder, "H", "ITO", 1, 9);
         fs.FailOpen(JoinPath(folder, "H"), fs::Fault::kMedium);
       },
       "", std::string("グループを読めません：H"), 1, 3},
      {"a group whose name does not survive CP932",
       [&](MemoryFileSystem& fs) {
         AddMemoryGroup(fs, folder, "AX", "ITO", 1, 9);
         fs.ShowAs(JoinPath(folder, "AX"), "A?");
         AddMemoryGroup(fs, folder, "A?", "MORI", 1, 20);  // the neighbour its CP932 name would open
       },
       "", std::string("MC Ver3ではありません！"), 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileSystem fs;
    AddMemoryGroup(fs, folder, "G", "SATO", 3);
    c.damage(fs);
    auto r = RunScript("start " + Hex(folder) + "\n" + c.script + "dump\n", false, &fs);
    const Json& d = r.last();
    EXPECT_EQ(d["StatusBar1"].Str(), c.status);
    EXPECT_EQ(d["Beeps"].Int(), c.beeps);
    EXPECT_EQ(d["ListBox13"].size(), c.rows);
  }
}

}  // namespace
}  // namespace tovir

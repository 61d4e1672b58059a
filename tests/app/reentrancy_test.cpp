// Input that arrives while the full display reads: reloads wait until the reading has unwound, everything
// else acts at once on the rows read so far.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "app/program.h"
#include "kit/headless/headless_application.h"
#include "support/forwarding_file_system.h"
#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;

std::string Start(const TempFolder& folder) {
  return "start " + Hex(folder.path()) + "\n";
}

TEST(Reentrancy, ADropDuringTheReadingEndsItAndIsTakenAfterwards) {
  TempFolder first;
  TempFolder second;
  WriteIndexFile(first, "G", "MCSATO", Numbered(6));
  WriteIndexFile(second, "OTHER", "MCITO", Numbered(2));
  auto r = RunScript(Start(first) + "during-read 2 drop " + Hex(second.path()) +
                     "\nduring-read 2 dump\nmode 1\ndump\n");
  ASSERT_EQ(r.dumps.size(), 2u);
  const Json& during = r.dumps[0];
  EXPECT_EQ(during["ListBox13"].size(), 2u);  // the drop has not cleared anything yet
  EXPECT_EQ(during["ListBox1"].Strings(), std::vector<std::string>{"G"});
  const Json& after = r.dumps[1];
  EXPECT_EQ(after["ListBox1"].Strings(), std::vector<std::string>{"OTHER"});
  EXPECT_EQ(after["CurrentGroup"].Str(), "OTHER");
  // The dropped folder's first group comes in the display now chosen, a full reading of its own.
  EXPECT_EQ(after["ListBox12"].Strings(), std::vector<std::string>(2, "02/04/21 13:05"));
  EXPECT_EQ(after["Form2"]["Shows"].Int(), 2);
  EXPECT_FALSE(after["Form2"]["Visible"].Bool());
  EXPECT_EQ(after["Beeps"].Int(), 0);
  EXPECT_TRUE(after["StatusBar1Visible"].Bool());
  EXPECT_EQ(r.err, "");
}

TEST(Reentrancy, GroupClicksAndDisplayChangesWaitTooAndTheLastOneWins) {
  TempFolder folder;
  WriteIndexFile(folder, "G1", "MCSATO", Numbered(5));
  WriteIndexFile(folder, "G2", "MCSATO", Numbered(3));
  WriteIndexFile(folder, "G3", "MCSATO", Numbered(4));
  auto r = RunScript(Start(folder) +
                     "during-read 1 group 1\n"
                     "during-read 1 group 2\n"
                     "mode 1\ndump\n"
                     "during-read 0 mode 0\n"
                     "group 0\ndump\n");
  const Json& clicks = r.dumps[0];
  EXPECT_EQ(clicks["CurrentGroup"].Str(), "G3");
  EXPECT_EQ(clicks["ListBox13"].size(), 4u);
  EXPECT_EQ(clicks["ListBox12"][3].Str(), "02/04/21 13:05");
  EXPECT_EQ(clicks["ListBox1Selected"].Int(), 2);
  const Json& mode = r.dumps[1];
  EXPECT_EQ(mode["RadioGroup1"].Int(), 0);
  EXPECT_EQ(mode["CurrentGroup"].Str(), "G1");
  EXPECT_EQ(mode["ListBox13"].size(), 5u);
  EXPECT_EQ(mode["ListBox12"][0].Str(), "");  // reloaded in the short display
  EXPECT_EQ(mode["Beeps"].Int(), 0);
}

TEST(Reentrancy, PressSearchAndCopyActAtOnceOnTheRowsReadSoFar) {
  TempFolder folder;
  auto drawings = Numbered(6);
  drawings[1].pn = "FIND";
  WriteIndexFile(folder, "G", "MCSATO", drawings);
  auto r = RunScript(Start(folder) +
                     "during-read 3 press 1\n"
                     "during-read 3 search find\n"
                     "during-read 3 heading off\n"
                     "during-read 3 copy 3\n"
                     "during-read 3 dump\n"
                     "mode 1\ndump\n");
  const Json& during = r.dumps[0];
  EXPECT_EQ(during["StatusBar1"].Str(), "N2");
  EXPECT_FALSE(during["StatusBar1Visible"].Bool());
  EXPECT_EQ(during["ListBox13Selected"].Ints(), std::vector<long long>{1});
  EXPECT_EQ(during["Clipboard"].Str(),
            "G\tSATO\tP1,01\t02/04/21\t13:05\tN1\r\n"
            "G\tSATO\tFIND,01\t02/04/21\t13:05\tN2\r\n"
            "G\tSATO\tP3,01\t02/04/21\t13:05\tN3\r\n");
  const Json& after = r.dumps[1];
  EXPECT_EQ(after["ListBox13"].size(), 6u);
  EXPECT_EQ(after["ListBox13Selected"].Ints(), std::vector<long long>{1});
  EXPECT_EQ(after["StatusBar1"].Str(), "N2");
}

TEST(Reentrancy, InputDuringTheReadingIsDecidedWhenItComesAndCarriedOutInItsOrder) {
  TempFolder first;
  WriteIndexFile(first, "A", "MCSATO", Numbered(8));
  WriteIndexFile(first, "B", "MCSATO", Numbered(3));
  TempFolder second;
  WriteIndexFile(second, "X", "MCITO", Numbered(2));
  WriteIndexFile(second, "Y", "MCITO", Numbered(4));
  std::string shortCopy = "Group名 User名 図面名（PN,FN）      \r\n";
  for (int i = 1; i <= 8; ++i)
    shortCopy += "A       SATO   P" + std::to_string(i) + ",01" + std::string(16, ' ') + "\r\n";
  struct Case {
    const char* what;
    std::string script;  // after the start on the first folder, then a dump
    std::string group;
    size_t rows;
    bool full;  // the rows carry their update dates
    int readings;
    std::string clipboard;  // "" when nothing was copied
    std::vector<long long> selected;
  } cases[] = {
      {"the shown group clicked: nothing to re-read, the reading goes on",
       "during-read 3 group 0\nmode 1\n",
       "A",
       8,
       true,
       1,
       "",
       {}},
      {"a copy after a display change copies the display changed to, with the heading of the moment",
       "during-read 3 mode 0\nduring-read 3 copy 1\nduring-read 3 heading off\nmode 1\n",
       "A",
       8,
       false,
       1,
       shortCopy,
       {}},
      {"a search after a display change searches the display changed to",
       "during-read 3 mode 0\nduring-read 3 search P5\nmode 1\n",
       "A",
       8,
       false,
       1,
       "",
       {4}},
      {"a click after a drop was for the group list the drop replaces: it lapses",
       "during-read 2 drop " + Hex(second.path()) + "\nduring-read 2 group 1\nmode 1\n",
       "X",
       2,
       true,
       2,
       "",
       {}},
  };
  for (const Case& c : cases) {
    auto r = RunScript(Start(first) + c.script + "dump\n");
    ASSERT_EQ(r.dumps.size(), 1u) << c.what;
    const Json& d = r.last();
    EXPECT_EQ(d["CurrentGroup"].Str(), c.group) << c.what;
    EXPECT_EQ(d["ListBox13"].size(), c.rows) << c.what;
    if (d["ListBox12"].size() != c.rows) continue;
    EXPECT_EQ(d["ListBox12"][c.rows - 1].Str(), c.full ? "02/04/21 13:05" : "") << c.what;
    EXPECT_EQ(d["Form2"]["Shows"].Int(), c.readings) << c.what;
    EXPECT_EQ(d["Beeps"].Int(), 0) << c.what;
    EXPECT_EQ(d["Clipboard"].IsNull() ? "" : d["Clipboard"].Str(), c.clipboard) << c.what;
    EXPECT_EQ(d["ListBox13Selected"].Ints(), c.selected) << c.what;
    EXPECT_EQ(r.err, "") << c.what;
  }
}

// The headless backend, except that the drawing list's peer remembers how many rows it has been told of.
class TellingApplication final : public kit::HeadlessApplication {
 public:
  class List final : public kit::ListBoxPeer {
   public:
    explicit List(bool multi) : list_(multi) {}
    void CountChanged(size_t count) override {
      told = count;
      list_.CountChanged(count);
    }
    int ItemIndex() const override { return list_.ItemIndex(); }
    void SetItemIndex(int row) override { list_.SetItemIndex(row); }
    bool Selected(size_t row) const override { return list_.Selected(row); }
    void SetSelected(size_t row, bool selected) override { list_.SetSelected(row, selected); }
    void ClearSelection() override { list_.ClearSelection(); }
    std::vector<size_t> SelectedRows() const override { return list_.SelectedRows(); }
    void Repaint() override {}
    size_t told = 0;

   private:
    kit::HeadlessListBox list_;
  };
  using HeadlessApplication::CreatePeer;
  std::unique_ptr<kit::ListBoxPeer> CreatePeer(kit::TListBox& list) override {
    if (list.Name() != "ListBox13") return HeadlessApplication::CreatePeer(list);
    auto peer = std::make_unique<List>(list.MultiSelect());
    drawingList = peer.get();
    return peer;
  }
  List* drawingList = nullptr;
};

TEST(Reentrancy, ASearchFromInsideTheReadingFindsRowsTheListHasNotYetBeenToldOf) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(40));
  TellingApplication app;
  Program program(app, fs::NativeFileSystem(), {folder.path()});
  TForm1& form = program.Form1();
  // The Search button pressed at the first moment the reading processes messages with rows read that the
  // list's redraws have not yet caught up with, looking for the last of them.
  int sought = -1;
  std::vector<size_t> selected;
  app.SetMessageHook([&] {
    const size_t read = form.ListBox13.Count();
    if (sought >= 0 || form.ReadingPass() < 0 || app.drawingList->told >= read) return;
    sought = static_cast<int>(read) - 1;
    app.TypeText(form.Edit10, "p" + std::to_string(read) + ",");
    app.ClickButton(form.BitBtn1);
    selected = form.ListBox13.SelectedRows();
  });
  app.PickRadioItem(form.RadioGroup1, 1);
  ASSERT_GE(sought, 0) << "the list was told of every row at every moment";
  EXPECT_EQ(selected, std::vector<size_t>{static_cast<size_t>(sought)});
  EXPECT_EQ(form.GetSearchRow(), sought);
  EXPECT_EQ(form.GetSearchHit(), 1);
  EXPECT_EQ(app.Beeps(), 0);
  EXPECT_EQ(form.ListBox13.Count(), 40u);  // the search ended nothing
}

TEST(Reentrancy, ClosingTheWindowDuringTheReadingEndsTheProgram) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(4));
  auto r = RunScript(Start(folder) + "during-read 1 exit\nmode 1\ndump\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.dumps.empty());  // nothing runs after the program has ended
}

TEST(Reentrancy, ProgressWindowAnimatesAndCancelsFromItsOwnTimerAndButton) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(3));
  auto r = RunScript(Start(folder) + "tick 5\nduring-read 1 tick 2\nduring-read 1 dump\nmode 1\ndump\n");
  // Each full display starts the animation again; the timer runs whether the window is shown or not.
  EXPECT_EQ(r.dumps[0]["Form2"]["AnimationStep"].Int(), 2);
  EXPECT_EQ(r.dumps[1]["Form2"]["AnimationStep"].Int(), 2);
  EXPECT_EQ(r.dumps[0]["Form2"]["Left"].Int(), r.dumps[1]["Form2"]["Left"].Int());
}

TEST(Reentrancy, HeldCommandsThatTheReadingNeverReachesAreReported) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(2));
  auto r = RunScript(Start(folder) + "during-read 5 cancel\nmode 1\ndump\n");
  EXPECT_EQ(r.last()["Beeps"].Int(), 0);
  EXPECT_EQ(r.last()["ListBox13"].size(), 2u);
  EXPECT_NE(r.err.find("line 2"), std::string::npos);
}

// The real file system, except that opening one drawing file throws, as a failing medium or an exhausted
// memory can make any call of the file layer do.
class ThrowingFileSystem final : public test::ForwardingFileSystem {
 public:
  explicit ThrowingFileSystem(std::string poisoned)
      : ForwardingFileSystem(fs::NativeFileSystem()), poisoned_(std::move(poisoned)) {}

 protected:
  fs::Fault Before(Call call, std::string_view path) override {
    if ((call == Call::kOpenFile || call == Call::kReadHead) &&
        path.find(poisoned_) != std::string_view::npos) {
      throw std::runtime_error("the medium failed");
    }
    return fs::Fault::kNone;
  }

 private:
  std::string poisoned_;
};

TEST(Reentrancy, AReadingThatThrowsPutsTheWindowBackAndLaterInputRunsAtOnce) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(6));
  WriteIndexFile(folder, "H", "MCITO", Numbered(2));
  for (int pass : {2, 3, 5}) {  // group H has drawing files 1 and 2 only
    char poisoned[16];
    std::snprintf(poisoned, sizeof poisoned, "Mc%06d", pass + 1);
    ThrowingFileSystem fs(poisoned);
    auto r = RunScript(Start(folder) + "mode 1\ndump\ngroup 1\ndump\nmode 0\ndump\n", false, &fs);
    ASSERT_EQ(r.dumps.size(), 3u);
    const Json& failed = r.dumps[0];
    // A load that failed half-way shows nothing rather than a part that looks whole.
    EXPECT_EQ(failed["ListBox13"].size(), 0u) << pass;
    EXPECT_EQ(failed["ListBox4"].size(), 0u) << pass;
    EXPECT_TRUE(failed["StatusBar1Visible"].Bool());
    EXPECT_FALSE(failed["ProgressBar1Visible"].Bool());
    EXPECT_FALSE(failed["Form2"]["Visible"].Bool());
    EXPECT_NE(r.err.find("exception: the medium failed"), std::string::npos);
    // The next group click and display change are carried out, not held for a reading that never ends.
    EXPECT_EQ(r.dumps[1]["CurrentGroup"].Str(), "H");
    EXPECT_EQ(r.dumps[1]["ListBox12"].Strings(), std::vector<std::string>(2, "02/04/21 13:05"));
    EXPECT_EQ(r.dumps[2]["ListBox13"].size(), 2u);
    EXPECT_EQ(r.dumps[2]["RadioGroup1"].Int(), 0);
  }
}

}  // namespace
}  // namespace tovir

// Input that arrives while the full display reads: reloads wait until the reading has unwound, everything
// else acts at once on the rows read so far.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

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

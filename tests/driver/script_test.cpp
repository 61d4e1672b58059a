// The script language itself: its errors, its texts, its dump.
#include "driver/script.h"

#include <gtest/gtest.h>

#include "support/gated_file_system.h"
#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;

TEST(Script, LinesThatAreNotCommandsStopTheScript) {
  struct Case {
    const char* script;
    const char* message;  // expected in the error output; nullptr: the script is fine
  } cases[] = {
      {"# comment\n\ndump\n", nullptr},
      {"dump\r\n", nullptr},
      {"dump\nfrobnicate\ndump\n", "line 2: unknown command"},
      {"dump\nstart\n", "line 2: 'start' can only be the first command"},
      {"mode 2\n", "line 1: 'mode' needs a number"},
      {"group -1\n", "line 1"},
      {"press\n", "line 1: 'press' needs a row"},
      {"press 1 up\n", "line 1: 'press' does not know 'up'"},
      {"copy 5\n", "line 1: 'copy' needs a number from 1 to 4"},
      {"key ctrl+7\n", "line 1: 'key' knows ctrl+c"},
      {"key shift+shift+c\n", "line 1: 'key' knows ctrl+c"},
      {"focus Form3\n", "line 1: 'focus' needs a window: Form1, Form5, Form4, Form2"},
      {"heading maybe\n", "line 1"},
      {"dump now\n", "line 1: 'dump' takes no argument"},
      {"drop hex:4\n", "line 1: hex: needs pairs"},
      {"drop \xF0\x9F\x98\x80\n", "line 1: text is not UTF-8 that CP932 can hold"},
      {"during-read x dump\n", "line 1: 'during-read' needs a pass"},
      {"during-read 1 start\n", "line 1: 'start' can only be the first command"},
      {"during-read 1 nope\n", "line 1: unknown command"},
  };
  for (const auto& c : cases) {
    auto r = RunScript(c.script);
    if (c.message == nullptr) {
      EXPECT_EQ(r.status, 0) << c.script;
      EXPECT_EQ(r.err, "") << c.script;
      continue;
    }
    EXPECT_EQ(r.status, 2) << c.script;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.script << " gave " << r.err;
  }
  EXPECT_EQ(RunScript("dump\nbad\ndump\n").dumps.size(), 1u);  // nothing after the bad line runs
}

TEST(Script, TextsAreUtf8OrExactBytesAndDumpsDecodeOrHexThem) {
  auto r = RunScript("search 図面 x\ndump\nsearch hex:8140ff41\ndump\n");
  EXPECT_EQ(r.dumps[0]["Edit10"].Str(), "図面 x");
  EXPECT_EQ(r.dumps[1]["Edit10"].Str(), "\u3000\uF8F3A");  // 0xFF reads as Windows reads it
  auto hex = RunScript("search hex:8140ff41\ndump\n", true);
  EXPECT_EQ(hex.last()["Edit10"].Str(), "8140ff41");
  EXPECT_EQ(hex.last()["Focus"].Str(), "42697442746e31");  // "BitBtn1": every text is hex
}

TEST(Script, HelpWindowsAreCentredOverTheMainWindow) {
  auto r = RunScript("usage\nversion\ndump\n");
  const Json& d = r.last();
  // The main window, 537 x 475, stands centred on the 1024 x 768 headless screen at (243, 146).
  EXPECT_TRUE(d["Form4"]["Visible"].Bool());
  EXPECT_EQ(d["Form4"]["Left"].Int(), 243 + (537 - 479) / 2);
  EXPECT_EQ(d["Form4"]["Top"].Int(), 146 + (475 - 319) / 2);
  EXPECT_TRUE(d["Form5"]["Visible"].Bool());
  EXPECT_EQ(d["Form5"]["Left"].Int(), 243 + (537 - 356) / 2);
  EXPECT_EQ(d["Form5"]["Top"].Int(), 146 + (475 - 235) / 2);
  EXPECT_FALSE(d["Form2"]["Visible"].Bool());
  EXPECT_EQ(d["Form2"]["Left"].Int(), 42);  // where it was designed, until a reading places it
}

TEST(Script, CommandsHeldForAPassRunWhenTheFirstDrawingFileIsSlowToCome) {
  // Every open takes longer than the full display's wait for a reader: messages are processed many times at
  // its first pass. The held dump is for the second pass of this one reading, and runs there.
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(3));
  GatedFileSystem slow(fs::NativeFileSystem(), "none", std::chrono::milliseconds(120));
  auto r = RunScript("start " + Hex(folder.path()) + "\nduring-read 1 dump\nmode 1\n", false, &slow);
  EXPECT_EQ(r.err, "");
  ASSERT_EQ(r.dumps.size(), 1u);
  EXPECT_EQ(r.last()["ListBox13"].size(), 1u);
}

TEST(Script, AHeldCommandThatCanNoLongerBeReachedStopsTheScript) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(4));
  TempFolder empty;
  WriteIndexFile(empty, "G", "MCSATO", {});
  struct Case {
    const TempFolder& data;
    const char* script;  // after the start, which is line 1
    int status;
    const char* message;  // expected in the error output; nullptr: none at all
    size_t dumps;
  } cases[] = {
      {folder, "during-read 2 dump\nmode 1\ndump\n", 0, nullptr, 2},
      // Held for the next full display, however many commands come before it.
      {folder, "during-read 2 dump\ndump\nmode 1\n", 0, nullptr, 2},
      // Given at a pass, for a later pass of the same reading.
      {folder, "during-read 1 during-read 3 dump\nmode 1\n", 0, nullptr, 1},
      {folder, "mode 1\nduring-read 2 dump\n", 2, "line 3: no full display comes after it", 0},
      {folder, "mode 1\nduring-read 2 dump\ndump\nmode 0\n", 2, "line 3: no full display comes after it", 1},
      {folder, "during-read 2 dump\nexit\n", 2, "line 2: no full display comes after it", 0},
      {folder, "during-read 3 during-read 1 dump\nmode 1\ndump\n", 2,
       "line 2: the full display is past pass 1 already", 0},
      // The reading ended before the pass: said, and the script goes on.
      {folder, "during-read 7 dump\nmode 1\ndump\n", 0,
       "line 2: the full display ended before pass 7; the command did not run", 1},
      {empty, "during-read 0 dump\nmode 1\ndump\n", 0,
       "line 2: the full display ended before pass 0; the command did not run", 1},
  };
  for (const Case& c : cases) {
    auto r = RunScript("start " + Hex(c.data.path()) + "\n" + c.script);
    EXPECT_EQ(r.status, c.status) << c.script;
    EXPECT_EQ(r.dumps.size(), c.dumps) << c.script;
    if (c.message == nullptr) {
      EXPECT_EQ(r.err, "") << c.script;
    } else {
      EXPECT_NE(r.err.find(c.message), std::string::npos) << c.script << " gave " << r.err;
    }
  }
}

TEST(Script, ExitEndsTheProgramWithoutAQuestion) {
  auto r = RunScript("exit\ndump\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.dumps.empty());
}

}  // namespace
}  // namespace tovir

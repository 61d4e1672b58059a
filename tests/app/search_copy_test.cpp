// The search's find-next walk and the copy commands as the window runs them.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;
using Rows = std::vector<long long>;

std::string Start(const TempFolder& folder) {
  return "start " + Hex(folder.path()) + "\n";
}

// Ten drawings; rows 3 and 8 hold "gear" (in their drawing names), row 2 holds "SHAFT", row 5 a note "BOX",
// rows 6 and 7 a "Z" and a "z"; the drawing file of row 0 is missing.
TempFolder& SearchFolder() {
  static TempFolder folder;
  static bool made = false;
  if (!made) {
    auto drawings = Numbered(10);
    drawings[3].pn = "GEAR-3";
    drawings[8].pn = "gear-8";
    drawings[2].pn = "SHAFT";
    drawings[6].pn = "Zeta-6";
    drawings[7].pn = "fuzz-7";
    drawings[5].note = "BOX";
    drawings[0].file = false;  // a press on row 0 leaves the status line as it is
    WriteIndexFile(folder, "G", "MCSATO", drawings);
    made = true;
  }
  return folder;
}

TEST(Search, WalksDownThroughMatchesAndStaysPastTheLast) {
  auto r = RunScript(Start(SearchFolder()) +
                     "press 6 ctrl\npress 0 ctrl\n"
                     "search Gear\ndump\n"
                     "search\ndump\n"
                     "search\ndump\n"
                     "search\ndump\n"
                     "search shaft\ndump\n"  // above the start row: not found
                     "press 0\nsearch shaft\ndump\n"
                     "search   \ndump\n");                     // blanks only: nothing at all
  EXPECT_EQ(r.dumps[0]["ListBox13Selected"].Ints(), Rows{3});  // the earlier selection is cleared
  EXPECT_EQ(r.dumps[0]["SearchRow"].Int(), 3);
  EXPECT_EQ(r.dumps[0]["SearchHit"].Int(), 1);
  EXPECT_EQ(r.dumps[0]["ListBox13ItemIndex"].Int(), 0);  // the focus row does not follow the match
  EXPECT_EQ(r.dumps[1]["ListBox13Selected"].Ints(), Rows{8});
  EXPECT_EQ(r.dumps[2]["StatusBar1"].Str(), "見つかりません！");
  EXPECT_EQ(r.dumps[2]["Beeps"].Int(), 1);
  EXPECT_EQ(r.dumps[2]["SearchRow"].Int(), 9);
  EXPECT_EQ(r.dumps[2]["SearchHit"].Int(), 0);
  EXPECT_EQ(r.dumps[2]["ListBox13Selected"].Ints(), Rows{8});  // a failed search leaves the selection
  EXPECT_EQ(r.dumps[3]["Beeps"].Int(), 2);
  EXPECT_EQ(r.dumps[3]["SearchRow"].Int(), 9);
  EXPECT_EQ(r.dumps[4]["Beeps"].Int(), 3);
  EXPECT_EQ(r.dumps[5]["ListBox13Selected"].Ints(), Rows{2});
  EXPECT_EQ(r.dumps[5]["StatusBar1"].Str(), "見つかりません！");  // a match leaves the status line
  EXPECT_EQ(r.dumps[6]["Beeps"].Int(), 3);
  EXPECT_EQ(r.dumps[6]["SearchRow"].Int(), 2);
  EXPECT_EQ(r.dumps[6]["SearchHit"].Int(), 1);
}

TEST(Search, IgnoresTheCaseOfEveryLetterUpToZ) {
  auto r = RunScript(Start(SearchFolder()) +
                     "search zeta\ndump\n"
                     "press 0\nsearch FUZZ\ndump\n");
  EXPECT_EQ(r.dumps[0]["ListBox13Selected"].Ints(), Rows{6});
  EXPECT_EQ(r.dumps[1]["ListBox13Selected"].Ints(), Rows{7});
  EXPECT_EQ(r.dumps[1]["Beeps"].Int(), 0);
}

TEST(Search, APressedRowIsTestedFirstAndDatesAndNotesOnlyInTheFullDisplay) {
  auto r = RunScript(Start(SearchFolder()) +
                     "press 3\nsearch gear\ndump\n"
                     "press 0\nsearch box\ndump\n"
                     "mode 1\npress 0\nsearch box\ndump\n"
                     "press 0\nsearch 02/04/21\ndump\n");  // row 0 has no date: its file is missing
  EXPECT_EQ(r.dumps[0]["ListBox13Selected"].Ints(), Rows{3});
  EXPECT_EQ(r.dumps[1]["StatusBar1"].Str(), "見つかりません！");
  EXPECT_EQ(r.dumps[2]["ListBox13Selected"].Ints(), Rows{5});
  EXPECT_EQ(r.dumps[3]["ListBox13Selected"].Ints(), Rows{1});
}

TEST(Copy, CommandsCopyTheListAsShown) {
  TempFolder folder;
  auto drawings = Numbered(6);
  drawings[5].note = "  NOTE  ";
  WriteIndexFile(folder, "GR", "MCSATO", drawings);
  auto line = [](int i) {
    return "GR      SATO   P" + std::to_string(i) + ",01" + std::string(16, ' ') + "\r\n";
  };
  auto r = RunScript(Start(folder) +
                     "copy 1\ndump\n"
                     "press 5\npress 2 ctrl\npopup 2\ndump\n"
                     "heading off\ncopy 4\ndump\n"
                     "mode 1\nkey ctrl+c\ndump\n"
                     "copy 3\ndump\n");
  std::string heading = "Group名 User名 図面名（PN,FN）      \r\n";
  std::string all = heading;
  for (int i = 1; i <= 6; ++i) all += line(i);
  EXPECT_EQ(r.dumps[0]["Clipboard"].Str(), all);
  EXPECT_EQ(r.dumps[0]["Edit7"].Str(), "");
  EXPECT_EQ(r.dumps[1]["Clipboard"].Str(), heading + line(3) + line(6));
  EXPECT_EQ(r.dumps[1]["StatusBar1"].Str(), "02/04/21 13:05 N3");  // the copy changed nothing else
  EXPECT_EQ(r.dumps[2]["Clipboard"].Str(), "GR\tSATO\tP3,01\t\t\t\r\nGR\tSATO\tP6,01\t\t\t\r\n");
  EXPECT_FALSE(r.dumps[2]["htuki"].Bool());
  EXPECT_TRUE(r.dumps[2]["hnasi"].Bool());
  EXPECT_EQ(r.dumps[3]["Clipboard"].Str().substr(0, 56),
            "GR      SATO   P1,01" + std::string(17, ' ') + "02/04/21 13:05 N1\r\n");
  EXPECT_EQ(r.dumps[4]["Clipboard"].Str().substr(0, 40), "GR\tSATO\tP1,01\t02/04/21\t13:05\tN1\r\nGR\tSATO");
  EXPECT_NE(r.dumps[4]["Clipboard"].Str().find("\tNOTE\r\n"), std::string::npos);
}

TEST(Copy, EmptyListsCopyTheHeadingOrLeaveTheClipboard) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", {});
  auto r = RunScript(Start(folder) + "copy 2\ndump\ncopy 3\ndump\nmode 1\ncopy 1\ndump\n" +
                     "heading off\nheading off\ncopy 1\ncopy 3\ndump\nheading on\ndump\n");
  // Texts in dumps are UTF-8; the clipboard's CP932 bytes are checked where the headings are built.
  EXPECT_EQ(r.dumps[0]["Clipboard"].Str(), "Group名 User名 図面名（PN,FN）      \r\n");
  EXPECT_EQ(r.dumps[1]["Clipboard"].Str(), "Group名\tUser名\t図面名（PN,FN）\t更新日\t更新時刻\t注記\r\n");
  EXPECT_EQ(r.dumps[2]["Clipboard"].Str(),
            "Group名 User名 図面名（PN,FN）       更新日時       注記" + std::string(52, ' ') + "\r\n");
  EXPECT_EQ(r.dumps[3]["Clipboard"].Str(), r.dumps[2]["Clipboard"].Str());
  EXPECT_TRUE(r.dumps[4]["htuki"].Bool());

  auto never = RunScript("heading off\ncopy 1\ncopy 4\ndump\n");
  EXPECT_TRUE(never.last()["Clipboard"].IsNull());
}

TEST(Copy, TheGroupColumnIsPaddedToEightBytesOrKeptWhole) {
  for (std::string group : {"G2", "TEN_BYTES_"}) {
    TempFolder folder;
    WriteIndexFile(folder, group, "MCSATO", Numbered(1));
    auto r = RunScript(Start(folder) + "heading off\ncopy 1\ndump\n");
    std::string expected = group.size() < 8 ? group + std::string(8 - group.size(), ' ') : group;
    EXPECT_EQ(r.last()["Clipboard"].Str(), expected + "SATO   P1,01" + std::string(16, ' ') + "\r\n");
  }
}

}  // namespace
}  // namespace tovir

// Taking a folder in: by the command line and by a drop, with the checks, the group scan and the first group.
#include <gtest/gtest.h>

#include "base/path.h"
#include "mkdata.h"
#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;

const char kRefused[] = "Mcadamﾌｫﾙﾀﾞｰをドロップしてください！";

TEST(Intake, StartWithoutArgumentShowsAnEmptyWindow) {
  auto r = RunScript("dump\n");
  ASSERT_EQ(r.status, 0);
  const Json& d = r.last();
  for (const char* list : {"ListBox1", "ListBox8", "ListBox13"}) EXPECT_EQ(d[list].size(), 0u) << list;
  EXPECT_EQ(d["Label12"].Str(), "");
  EXPECT_EQ(d["StatusBar1"].Str(), "");
  EXPECT_EQ(d["RadioGroup1"].Int(), 0);
  EXPECT_TRUE(d["htuki"].Bool());
  EXPECT_FALSE(d["hnasi"].Bool());
  EXPECT_TRUE(d["Clipboard"].IsNull());
  EXPECT_EQ(d["Form2"]["Shows"].Int(), 0);
  EXPECT_EQ(d["ListBox13ItemIndex"].Int(), -1);
}

TEST(Intake, OnlyPathsEndingInMcadamAreTaken) {
  TempFolder upper("MCADAM");
  TempFolder lower("mcadam");
  TempFolder mixed("McAdam");
  TempFolder other("DATA");
  for (const TempFolder* f : {&upper, &lower, &mixed}) WriteIndexFile(*f, "G", "MCSATO", Numbered(1));
  mkdata::WriteFile(other.Join({"oldmcadam"}), "a file");
  struct Case {
    std::string path;
    bool refused;
    size_t groups;
  } cases[] = {
      {upper.path(), false, 1},
      {lower.path(), false, 1},
      {mixed.path(), false, 1},
      {upper.path() + std::string(1, kPathSeparator), true, 0},
      {"MCADAM", true, 0},
      {"xMCADAM", false, 0},                  // 7 bytes: taken, and nothing there
      {other.Join({"oldmcadam"}), false, 0},  // a file: taken, then silence
      {other.path(), true, 0},
  };
  for (const auto& c : cases) {
    for (const char* how : {"start ", "drop "}) {
      auto r = RunScript(how + Hex(c.path) + "\ndump\n");
      ASSERT_EQ(r.dumps.size(), 1u);
      const Json& d = r.last();
      EXPECT_EQ(d["StatusBar1"].Str(), c.refused ? kRefused : "") << how << c.path;
      EXPECT_EQ(d["Beeps"].Int(), c.refused ? 1 : 0) << how << c.path;
      EXPECT_EQ(d["ListBox1"].size(), c.groups) << how << c.path;
      EXPECT_EQ(d["Edit6"].Str(), c.path);
      EXPECT_EQ(d["Edit8"].Str(), c.refused ? "" : c.path.substr(0, 1));
    }
  }
}

TEST(Intake, OverlongPathsAreRefusedOrCut) {
  TempFolder folder;
  std::string longPath = folder.path() + std::string(1, kPathSeparator) + std::string(300, 'x') + "MCADAM";
  auto started = RunScript("start " + Hex(longPath) + "\ndump\n");
  EXPECT_EQ(started.last()["StatusBar1"].Str(), kRefused);
  EXPECT_EQ(started.last()["Beeps"].Int(), 1);

  // A dropped name comes cut to 254 bytes, so its MCADAM ending is lost.
  auto dropped = RunScript("drop " + Hex(longPath) + "\ndump\n");
  EXPECT_EQ(dropped.last()["Edit6"].Str(), longPath.substr(0, 254));
  EXPECT_EQ(dropped.last()["StatusBar1"].Str(), kRefused);
  std::string exact = std::string(248, 'y') + "MCADAM";
  EXPECT_EQ(RunScript("drop " + exact + "\ndump\n").last()["StatusBar1"].Str(), "");
}

TEST(Intake, FirstGroupIsLoadedShownButNotSelected) {
  TempFolder folder;
  WriteIndexFile(folder, "B", "MCBUSER", Numbered(2));
  WriteIndexFile(folder, "a", "MCAUSER", Numbered(3));
  mkdata::WriteFile(folder.Join({"c.txt"}), "");
  for (const char* how : {"start", "drop"}) {
    auto r = RunScript(std::string(how) + " " + Hex(folder.path()) + "\ndump\n");
    const Json& d = r.last();
    EXPECT_EQ(d["ListBox1"].Strings(), (std::vector<std::string>{"a", "B"}));
    EXPECT_EQ(d["CurrentGroup"].Str(), "a");
    EXPECT_EQ(d["ListBox1Selected"].Int(), -1);
    EXPECT_EQ(d["ListBox13"].size(), 3u);
    EXPECT_EQ(d["Label12"].Str(), "    3 file");
    EXPECT_EQ(d["Edit0"].Str(), JoinPath(JoinPath(folder.path(), "a"), "V3idxft"));
    // A drop gives the group list the focus; at start the window is not shown yet.
    EXPECT_EQ(d["Focus"].Str(), std::string(how) == "drop" ? "ListBox1" : "");
  }
}

TEST(Intake, GroupsWithoutIndexDirectoryAreListedAndReported) {
  TempFolder folder;
  mkdata::MakeDirectories(folder.Join({" A NOINDEX"}));
  WriteIndexFile(folder, "B", "MCSATO", Numbered(1));
  auto r = RunScript("start " + Hex(folder.path()) + "\ndump\ngroup 1\ndump\ngroup 0\ndump\n");
  const Json& first = r.dumps[0];
  EXPECT_EQ(first["ListBox1"].Strings(), (std::vector<std::string>{" A NOINDEX", "B"}));
  EXPECT_EQ(first["CurrentGroup"].Str(), "A NOINDEX");  // the path is built without the blank
  EXPECT_EQ(first["StatusBar1"].Str(), "MC Ver3ではありません！");
  EXPECT_EQ(first["Beeps"].Int(), 1);
  EXPECT_EQ(first["Label12"].Str(), "    0 file");
  EXPECT_EQ(first["Edit0"].Str(), JoinPath(JoinPath(folder.path(), "A NOINDEX"), "V3idxft"));
  EXPECT_EQ(r.dumps[1]["ListBox13"].size(), 1u);
  EXPECT_EQ(r.dumps[1]["StatusBar1"].Str(), "");
  EXPECT_EQ(r.dumps[2]["StatusBar1"].Str(), "MC Ver3ではありません！");
  EXPECT_EQ(r.dumps[2]["Beeps"].Int(), 2);
}

TEST(Intake, ARefusedDropEmptiesTheWindowButKeepsTheSearchPosition) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(5));
  auto r = RunScript("start " + Hex(folder.path()) + "\npress 3\ndrop /nowhere\ndump\n");
  const Json& d = r.last();
  for (const char* list : {"ListBox1", "ListBox3", "ListBox4", "ListBox8", "ListBox13"}) {
    EXPECT_EQ(d[list].size(), 0u) << list;
  }
  EXPECT_EQ(d["SearchRow"].Int(), 3);
  EXPECT_EQ(d["CurrentGroup"].Str(), "G");
  EXPECT_EQ(d["Edit8"].Str(), "");
}

}  // namespace
}  // namespace tovir

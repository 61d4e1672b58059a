// The windows' designs as the layout command lists them, and the routing of keys and clicks between windows.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace tovir {
namespace {

using namespace test;

Json ControlOf(const Json& form, std::string_view name) {
  for (size_t i = 0; i < form["Controls"].size(); ++i) {
    if (form["Controls"][i]["Name"].Str() == name) return form["Controls"][i];
  }
  throw std::runtime_error("no control " + std::string(name));
}

TEST(Layout, ControlsStandWhereTheDesignPutsThem) {
  auto r = RunScript("layout\n");
  const Json layout = Json::Parse(r.out);
  struct Case {
    const char* form;
    const char* control;
    int left, top, width, height;
    const char* font;  // nullptr: no font checked
    int fontHeight;
  } cases[] = {
      {"Form1", "Bevel1", 0, 0, 529, 9, nullptr, 0},
      {"Form1", "Edit8", 12, 24, 73, 18, "ＭＳ ゴシック", -13},
      {"Form1", "ListBox1", 96, 24, 73, 70, "ＭＳ ゴシック", -13},
      {"Form1", "RadioGroup1", 270, 19, 109, 60, "ＭＳ Ｐゴシック", -12},
      {"Form1", "BitBtn1", 396, 48, 121, 19, "ＭＳ ゴシック", -13},
      {"Form1", "Label4", 67, 112, 89, 12, "ＭＳ ゴシック", -12},
      {"Form1", "ListBox13", 12, 126, 505, 265, "ＭＳ ゴシック", -13},
      {"Form1", "StatusBar1", 0, 410, 529, 19, nullptr, 0},
      {"Form2", "BitBtn1", 112, 32, 81, 25, nullptr, 0},
      {"Form2", "Image7", 48, 29, 32, 32, nullptr, 0},  // moved onto Image1 when the window was made
      {"Form4", "Memo1", 12, 18, 449, 259, "ＭＳ ゴシック", -12},
      {"Form5", "Label1", 70, 20, 209, 20, "ＭＳ Ｐゴシック", -16},
      {"Form5", "BitBtn1", 131, 180, 88, 20, "ＭＳ Ｐゴシック", -13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.form) + "." + c.control);
    Json control = ControlOf(layout[c.form], c.control);
    EXPECT_EQ(control["Left"].Int(), c.left);
    EXPECT_EQ(control["Top"].Int(), c.top);
    EXPECT_EQ(control["Width"].Int(), c.width);
    EXPECT_EQ(control["Height"].Int(), c.height);
    if (c.font == nullptr) continue;
    EXPECT_EQ(control["FontName"].Str(), c.font);
    EXPECT_EQ(control["FontHeight"].Int(), c.fontHeight);
    EXPECT_EQ(control["FontCharset"].Int(), 128);
  }
  const Json form1 = layout["Form1"];
  // The count label sizes itself to its caption and keeps its right edge; the column captions keep their
  // boxes. Nothing is loaded yet: the count is empty, one blank wide.
  const Json count = ControlOf(form1, "Label12");
  EXPECT_TRUE(count["AutoSize"].Bool());
  EXPECT_FALSE(ControlOf(form1, "Label4")["AutoSize"].Bool());
  EXPECT_EQ(count["Left"].Int() + count["Width"].Int(), 478 + 39);
  EXPECT_EQ(count["Top"].Int(), 112);
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(12));
  const Json loaded = Json::Parse(RunScript("start " + Hex(folder.path()) + "\nlayout\n").out)["Form1"];
  const Json grown = ControlOf(loaded, "Label12");  // "   12 file"
  EXPECT_EQ(grown["Left"].Int() + grown["Width"].Int(), 478 + 39);
  EXPECT_GT(grown["Width"].Int(), 39);
  EXPECT_EQ(form1["Width"].Int(), 537);
  EXPECT_EQ(form1["Height"].Int(), 475);
  EXPECT_EQ(form1["BorderIcons"].Strings(), (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
  // Display-only controls the user cannot type into or tab to.
  EXPECT_FALSE(ControlOf(form1, "ListBox8")["Enabled"].Bool());
  EXPECT_FALSE(ControlOf(form1, "ListBox8")["TabStop"].Bool());
  EXPECT_TRUE(ControlOf(form1, "Edit8")["ReadOnly"].Bool());
  EXPECT_FALSE(ControlOf(form1, "Edit8")["TabStop"].Bool());
  EXPECT_EQ(ControlOf(form1, "Label12")["FontColor"].Str(), "#FFFF00");
  EXPECT_EQ(ControlOf(form1, "ListBox13")["Color"].Str(), "#EFEFEF");
  // The controls come in tab order.
  std::vector<std::string> first;
  for (size_t i = 0; i < 7; ++i) first.push_back(form1["Controls"][i]["Name"].Str());
  EXPECT_EQ(first, (std::vector<std::string>{"Edit8", "ListBox1", "ListBox8", "Edit10", "BitBtn1",
                                             "ListBox13", "RadioGroup1"}));
  EXPECT_EQ(layout["Form2"]["ClientWidth"].Int(), 292);
  EXPECT_EQ(layout["Form2"]["ClientHeight"].Int(), 93);
  EXPECT_TRUE(layout["Form2"]["StayOnTop"].Bool());
  EXPECT_EQ(layout["Form4"]["BorderStyle"].Str(), "bsDialog");
  EXPECT_TRUE(ControlOf(layout["Form4"], "Memo1")["ReadOnly"].Bool());
}

TEST(Input, KeysGoToTheFocusedWindowAndCtrlCCopiesTheListFromEveryWindow) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(3));
  const std::string start = "start " + Hex(folder.path()) + "\nheading off\n";
  const std::string all = "G       SATO   P1,01 ";  // the first row, in either display
  struct Case {
    const char* script;
    bool copied;
  } cases[] = {
      {"search P2\nkey ctrl+c\n", true},  // in the search box: the list, not the box's text
      {"usage\nfocus Form4\nkey ctrl+c\n", true},
      {"version\nfocus Form5\nkey ctrl+c\n", true},
      {"during-read 1 focus Form2\nduring-read 1 key ctrl+c\nmode 1\n", true},
      {"key esc\n", false},
      {"search P2\nkey ctrl+shift+c\n", false},  // a shortcut is its whole chord
      {"usage\nfocus Form4\nkey ctrl+alt+c\n", false},
  };
  for (const Case& c : cases) {
    auto r = RunScript(start + c.script + "dump\n");
    ASSERT_FALSE(r.dumps.empty()) << c.script;
    const Json& d = r.last();
    EXPECT_EQ(!d["Clipboard"].IsNull(), c.copied) << c.script;
    if (c.copied) {
      EXPECT_EQ(d["Clipboard"].Str().substr(0, all.size()), all) << c.script;
    }
  }
}

TEST(Input, EscTheCloseBoxAndTheOkButtonCloseTheirWindows) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(5));
  const std::string start = "start " + Hex(folder.path()) + "\n";
  auto esc = RunScript(start + "during-read 2 focus Form2\nduring-read 2 key esc\nmode 1\ndump\n");
  EXPECT_EQ(esc.last()["ListBox13"].size(), 2u);  // cancelled before the third drawing
  EXPECT_EQ(esc.last()["Beeps"].Int(), 1);
  auto box = RunScript(start + "during-read 3 close Form2\nmode 1\ndump\n");
  EXPECT_EQ(box.last()["ListBox13"].size(), 3u);
  EXPECT_EQ(box.last()["Beeps"].Int(), 1);
  auto windows = RunScript(start + "usage\nversion\nclick Form5.BitBtn1\nclose Form4\ndump\n");
  EXPECT_FALSE(windows.last()["Form4"]["Visible"].Bool());
  EXPECT_FALSE(windows.last()["Form5"]["Visible"].Bool());
}

}  // namespace
}  // namespace tovir

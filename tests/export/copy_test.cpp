// The clipboard texts of the copy commands.
#include "export/copy.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tovir {
namespace {

using test::Sjis;

struct Lists {
  StringList rows, users, names, dates, notes;
  void Add(std::string row, std::string user, std::string name, std::string date = "",
           std::string note = "") {
    rows.Add(row);
    users.Add(user);
    names.Add(name);
    dates.Add(date);
    notes.Add(note);
  }
  CopySource Source(std::string_view group, bool full, bool heading,
                    std::function<bool(size_t)> selected = {}) {
    return {rows, users, names, dates, notes, group, full, heading, std::move(selected)};
  }
};

const std::string kName = "A-1234,01" + std::string(12, ' ');

TEST(Copy, HeadingsLineUpWithTheRows) {
  std::string shortHeading = FixedHeading(false);
  std::string fullHeading = FixedHeading(true);
  EXPECT_EQ(shortHeading, Sjis("Group名 User名 図面名（PN,FN）      \r\n"));
  EXPECT_EQ(shortHeading.size(), 38u);
  EXPECT_EQ(fullHeading.size(), 110u);
  EXPECT_EQ(fullHeading.substr(0, 36), shortHeading.substr(0, 36));
  EXPECT_EQ(fullHeading.substr(36, 20), Sjis(" 更新日時       注記"));  // bytes 37 to 56
  EXPECT_EQ(fullHeading.substr(56), std::string(52, ' ') + "\r\n");
  EXPECT_EQ(TabHeading(), Sjis("Group名\tUser名\t図面名（PN,FN）\t更新日\t更新時刻\t注記\r\n"));
  EXPECT_EQ(TabHeading().size(), 53u);
}

TEST(Copy, GroupColumnIsEightBytesUnlessTheNameIsLonger) {
  EXPECT_EQ(GroupPrefix("G2"), "G2      ");
  EXPECT_EQ(GroupPrefix("GRP1"), "GRP1    ");
  EXPECT_EQ(GroupPrefix("EIGHT_88"), "EIGHT_88");
  EXPECT_EQ(GroupPrefix("TEN_BYTES_"), "TEN_BYTES_");
  EXPECT_EQ(GroupPrefix(""), std::string(8, ' '));
}

TEST(Copy, ShortDisplayExampleGivesTheStatedBytes) {
  Lists l;
  l.Add("sato   " + kName, "sato", kName);
  std::string fixed = FixedWidthCopy(l.Source("GRP1", false, true));
  EXPECT_EQ(fixed, FixedHeading(false) + "GRP1    sato   " + kName + "\r\n");
  EXPECT_EQ(fixed.size(), 76u);
  std::string tab = TabSeparatedCopy(l.Source("GRP1", false, true));
  EXPECT_EQ(tab, TabHeading() + "GRP1\tsato\tA-1234,01\t\t\t\r\n");
  EXPECT_EQ(tab.size() - TabHeading().size(), 24u);
}

TEST(Copy, FullDisplayLinesSplitDateAndTimeAndTrimFields) {
  Lists l;
  l.Add("yamada " + kName + " 02/04/21 09:05 GEAR BOX  ", "yamada", kName, "02/04/21 09:05", "  GEAR BOX  ");
  l.Add("sato   " + kName + "  ", "sato", kName);  // a drawing file that was not opened
  l.Add("x", " u ", "B,1" + std::string(18, ' '), "02/04", Sjis("注記　"));
  EXPECT_EQ(TabSeparatedCopy(l.Source("G", true, false)),
            "G\tyamada\tA-1234,01\t02/04/21\t09:05\tGEAR BOX\r\n"
            "G\tsato\tA-1234,01\t\t\t\r\n"
            "G\tu\tB,1\t02/04\t\t" +
                Sjis("注記　") + "\r\n");
  EXPECT_EQ(FixedWidthCopy(l.Source("G", true, false)), "G       yamada " + kName +
                                                            " 02/04/21 09:05 GEAR BOX  \r\nG       sato   " +
                                                            kName + "  \r\nG       x\r\n");
}

TEST(Copy, SelectionCopiesTakeSelectedRowsInListOrder) {
  Lists l;
  for (int i = 0; i < 7; ++i) l.Add("row" + std::to_string(i), "u", "n");
  auto selected = [](size_t row) { return row == 5 || row == 2; };
  EXPECT_EQ(FixedWidthCopy(l.Source("GRP", false, false, selected)), "GRP     row2\r\nGRP     row5\r\n");
  EXPECT_EQ(TabSeparatedCopy(l.Source("GRP", false, false, selected)),
            "GRP\tu\tn\t\t\t\r\nGRP\tu\tn\t\t\t\r\n");
  auto none = [](size_t) { return false; };
  EXPECT_EQ(FixedWidthCopy(l.Source("GRP", false, false, none)), "");
  EXPECT_EQ(FixedWidthCopy(l.Source("GRP", true, true, none)), FixedHeading(true));
  EXPECT_EQ(TabSeparatedCopy(l.Source("GRP", true, true, none)), TabHeading());
}

}  // namespace
}  // namespace tovir

// The clipboard texts of the copy commands.
#include "export/copy.h"

#include <gtest/gtest.h>

#include <algorithm>

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
                    const std::vector<size_t>* selected = nullptr) {
    return {rows, users, names, dates, notes, group, full, heading, selected};
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
  // Selected 5 then 2, a row twice and one past the end: each row once, in list order.
  const std::vector<size_t> selected{5, 2, 5, 9};
  EXPECT_EQ(FixedWidthCopy(l.Source("GRP", false, false, &selected)), "GRP     row2\r\nGRP     row5\r\n");
  EXPECT_EQ(TabSeparatedCopy(l.Source("GRP", false, false, &selected)),
            "GRP\tu\tn\t\t\t\r\nGRP\tu\tn\t\t\t\r\n");
  const std::vector<size_t> none;
  EXPECT_EQ(FixedWidthCopy(l.Source("GRP", false, false, &none)), "");
  EXPECT_EQ(FixedWidthCopy(l.Source("GRP", true, true, &none)), FixedHeading(true));
  EXPECT_EQ(TabSeparatedCopy(l.Source("GRP", true, true, &none)), TabHeading());
}

// Export mode writes the copy text in pieces as it is made, and the window's copy assembles it at its exact
// size: every form, whole or in pieces of any size, must give the same bytes, each piece ending at a line
// end.
TEST(Copy, StreamedPiecesAndExactSizeGiveTheSameText) {
  Lists l;
  for (int i = 0; i < 50; ++i) {
    std::string user = i % 3 == 0 ? Sjis("高橋") : "SATO";
    l.Add(user + "  " + std::to_string(i), user, "P" + std::to_string(i) + ",01", "02/04/21 13:05",
          i % 2 == 0 ? Sjis("注記 ") : "");
  }
  std::vector<size_t> odd;
  for (size_t row = 1; row < 50; row += 2) odd.push_back(row);
  for (bool tab : {false, true}) {
    for (bool full : {false, true}) {
      for (bool heading : {false, true}) {
        for (bool selectedOnly : {false, true}) {
          CopySource source = l.Source("GRP", full, heading, selectedOnly ? &odd : nullptr);
          std::string expected = tab ? TabSeparatedCopy(source) : FixedWidthCopy(source);
          struct ListRows final : CopyRows {
            const Lists& l;
            explicit ListRows(const Lists& lists) : l(lists) {}
            size_t Count() const override { return l.rows.Count(); }
            std::string_view Row(size_t i, std::string& scratch) const override {
              scratch.assign(l.rows[i]);  // composed, as the drawing list's rows are
              return scratch;
            }
            std::string_view User(size_t i) const override { return l.users[i]; }
            std::string_view Name(size_t i) const override { return l.names[i]; }
            std::string_view UpdateDate(size_t i) const override { return l.dates[i]; }
            std::string_view Note(size_t i) const override { return l.notes[i]; }
          } rows(l);
          CopyRequest request{rows, "GRP", full, heading, tab, source.selected};
          EXPECT_EQ(CopyText(request), expected);
          EXPECT_EQ(CopySize(request), expected.size());
          for (size_t chunk : {size_t{1}, size_t{100}, size_t{1} << 20}) {
            std::string joined;
            size_t pieces = 0;
            StreamCopy(request, chunk, [&](std::string_view piece) {
              EXPECT_EQ(piece.back(), '\n');
              EXPECT_LT(piece.size(), chunk + 120);
              joined.append(piece);
              ++pieces;
            });
            EXPECT_EQ(joined, expected) << tab << full << heading << selectedOnly << chunk;
            if (chunk == 1) {
              EXPECT_EQ(pieces, static_cast<size_t>(std::count(expected.begin(), expected.end(), '\n')));
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tovir

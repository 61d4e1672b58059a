// Rows of the drawing list, the progress positions and the search test.
#include "view/rows.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tovir {
namespace {

using test::Sjis;

const std::string kName = "A-1234,01" + std::string(12, ' ');  // a 21-byte drawing name

TEST(Rows, ShortAndFullRowsKeepTheirColumns) {
  struct Case {
    const char* what;
    std::string row;
    std::string expected;
  } cases[] = {
      {"short", ShortRow("sato", kName), "sato   " + kName},
      {"six-byte user", ShortRow("YAMADA", kName), "YAMADA " + kName},
      {"empty user", ShortRow("", kName), "       " + kName},
      {"three double-byte characters", ShortRow(Sjis("高橋一"), kName), Sjis("高橋一") + " " + kName},
      {"full", FullRow("yamada", kName, "02/04/21 13:05", "GEAR BOX" + std::string(48, ' ')),
       "yamada " + kName + " 02/04/21 13:05 GEAR BOX" + std::string(48, ' ')},
      {"file not opened", FullRow("sato", kName, "", ""), "sato   " + kName + "  "},
      {"note of blanks", FullRow("sato", kName, "02/04/21 13:05", std::string(56, ' ')),
       "sato   " + kName + " 02/04/21 13:05 " + std::string(56, ' ')},
      {"empty note", FullRow("sato", kName, "02/04/21 13:05", ""), "sato   " + kName + " 02/04/21 13:05 "},
  };
  for (const auto& c : cases) EXPECT_EQ(c.row, c.expected) << c.what;
  EXPECT_EQ(ShortRow("sato", kName).size(), 28u);
  EXPECT_EQ(FullRow("sato", kName, "", "").size(), 30u);
  EXPECT_EQ(FullRow("sato", kName, "02/04/21 13:05", std::string(56, ' ')).size(), 100u);
  EXPECT_EQ(FullRow("sato", kName, "02/04/21 13:05", "").size(), 44u);
}

TEST(Rows, ProgressShowsTheShareUpToTheDrawingBeingRead) {
  struct Case {
    size_t n;
    std::vector<int> positions;
  } cases[] = {
      {1, {100}},
      {3, {33, 66, 100}},
      {4, {25, 50, 75, 100}},
      {7, {14, 28, 42, 57, 71, 85, 100}},
  };
  for (const auto& c : cases) {
    std::vector<int> positions;
    for (size_t i = 0; i < c.n; ++i) positions.push_back(ProgressPosition(i, c.n));
    EXPECT_EQ(positions, c.positions) << c.n;
  }
  EXPECT_EQ(ProgressPosition(999999, 1000000), 100);
}

TEST(Rows, SearchIgnoresLetterCaseAndOuterBlanksOnly) {
  std::string jp = "sato   " + Sjis("歯車") + "-01,A" + std::string(12, ' ');
  struct Case {
    std::string row, text;
    bool match;
  } cases[] = {
      {"YAMADA A-1234,01", "a-12", true},
      {"yamada a-1234,01", "A-12", true},
      {"  YAMADA A-1234,01   ", "  yamada  ", true},
      {"YAMADA A-1234,01", "yamada  a", false},  // blanks inside must match
      {"YAMADA A-1234,01", "YAMADA A", true},
      {"YAMADA A-1234,01", "   ", false},
      {jp, Sjis("車"), true},
      {jp, "\x8e\x95", true},  // "歯"
      {Sjis("ゃ@"), "@", true},
      {Sjis("　"), "@", false},  // the full-width blank's trail byte is "@"
      {Sjis("Ｂ"), "a", false},  // "Ｂ" has the trail byte 0x61, "a"
      {"02/04/21 13:05 GEAR", "gear", true},
      {"ZETA-9,Z1", "zeta-9,z", true},  // the last letter folds like the others
      {"zeta-9,z1", "ZETA-9,Z", true},
      {"ZETA", "y", false},
  };
  for (const auto& c : cases) EXPECT_EQ(RowMatches(c.row, c.text), c.match) << c.row << " / " << c.text;
}

}  // namespace
}  // namespace tovir

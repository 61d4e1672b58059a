// The compact drawing table: sized from the index files, composed on demand, cut short only when memory ends.
#include "reader/drawing_table.h"

#include <gtest/gtest.h>

#include "base/path.h"
#include "mkdata.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"
#include "support/temp_folder.h"

namespace tovir {
namespace {

struct Group {
  std::string index;
  StringList files{StringList::Order::kSorted};
};

// One group whose index files hold `records` all-NUL records each (every one a drawing).
Group MakeGroup(const test::TempFolder& folder, std::initializer_list<std::pair<const char*, size_t>> files) {
  Group g;
  g.index = folder.Join({"G", "V3idxft"});
  mkdata::MakeDirectories(g.index);
  for (const auto& [name, records] : files) {
    mkdata::WriteFile(JoinPath(g.index, name),
                      std::string(kIndexHeaderSize + records * kIndexRecordSize, '\0'));
  }
  StringList users(StringList::Order::kSorted);
  ScanIndexDirectory(fs::NativeFileSystem(), g.index, g.files, users);
  return g;
}

TEST(DrawingTable, HoldsWhatFitsTheLimitAndSaysItWasCutShort) {
  test::TempFolder folder;
  Group g = MakeGroup(folder, {{"MCA", 150}, {"MCB", 100}});
  struct Case {
    size_t limit, count;
    bool truncated;
  } cases[] = {
      {0, 0, true},     {1, 1, true},      {149, 149, true},     {150, 150, true},
      {249, 249, true}, {250, 250, false}, {100000, 250, false},
  };
  for (const auto& c : cases) {
    CompactDrawingTable table;
    ReadIndexFiles(fs::NativeFileSystem(), g.index, g.files, table, c.limit);
    EXPECT_EQ(table.Count(), c.count) << c.limit;
    EXPECT_EQ(table.Truncated(), c.truncated) << c.limit;
    if (c.count == 0) continue;
    // The drawings held are the first ones, whole.
    EXPECT_EQ(table.User(0), "A");
    EXPECT_EQ(table.User(c.count - 1), c.count > 150 ? "B" : "A") << c.limit;
    EXPECT_EQ(table.Name(c.count - 1), "," + std::string(20, ' '));
    EXPECT_EQ(table.FileName(c.count - 1).View(), "Mc");
  }
}

TEST(DrawingTable, SizedOnceFromTheIndexFilesThatOpen) {
  test::TempFolder folder;
  Group g = MakeGroup(folder, {{"MCA", 3}, {"MCC", 5}});
  CompactDrawingTable table;
  ReadIndexFiles(fs::NativeFileSystem(), g.index, g.files, table);
  EXPECT_EQ(table.Count(), 8u);
  EXPECT_EQ(table.Capacity(), 8u);

  // A partial record counts as one; a file that does not open takes no room, and the files after it are read.
  mkdata::WriteFile(JoinPath(g.index, "MCA"), std::string(kIndexHeaderSize + 2 * kIndexRecordSize + 1, '\0'));
  mkdata::MakeDirectories(JoinPath(g.index, "MCB"));
  Group again;
  StringList users(StringList::Order::kSorted);
  ScanIndexDirectory(fs::NativeFileSystem(), g.index, again.files, users);
  CompactDrawingTable cut;
  ReadIndexFiles(fs::NativeFileSystem(), g.index, again.files, cut);
  EXPECT_EQ(cut.Count(), 8u);
  EXPECT_EQ(cut.Capacity(), 8u);
  EXPECT_FALSE(cut.Truncated());
}

TEST(DrawingTable, FileNamesStopAtANulInTheNumber) {
  struct Case {
    std::string number, name;
  } cases[] = {
      {"000123", "Mc000123.1@@"},
      {"12    ", "Mc12    .1@@"},
      {std::string("12\0\0\0\0", 6), "Mc12"},
      {std::string(6, '\0'), "Mc"},
      {std::string("\x82\xa0\0X\0\0", 6), "Mc\x82\xa0"},
  };
  for (const auto& c : cases) {
    DrawingRecord record{};
    std::copy(c.number.begin(), c.number.end(), record.number);
    EXPECT_EQ(DrawingFileName(record).View(), c.name);
  }
}

}  // namespace
}  // namespace tovir

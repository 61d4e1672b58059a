// The lists that hold every name and row.
#include "base/string_list.h"

#include <gtest/gtest.h>

namespace tovir {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_view_literals;

TEST(StringList, SortedListInsertsLetterCaseBlindAndKeepsDuplicates) {
  StringList list(StringList::Order::kSorted);
  for (auto s : {"B", "a", "c.txt", "A", "MCSATO_2", "b", "MCSATO_1"}) list.Add(s);
  EXPECT_EQ(list.ToVector(), (Strings{"a", "A", "B", "b", "c.txt", "MCSATO_1", "MCSATO_2"}));
  EXPECT_EQ(list.Add("a"), 2u);  // after the entries equal to it
}

TEST(StringList, ABatchEndsInTheOrderThatAddingOneByOneGives) {
  for (auto names : {Strings{"B", "a", "c.txt", "A", "MCSATO_2", "b", "MCSATO_1", "a"}, Strings{},
                     Strings{"x", "X", "x", "X\0y", "w"}}) {
    StringList one(StringList::Order::kSorted);
    StringList batch(StringList::Order::kSorted);
    for (const auto& name : names) {
      one.Add(name);
      batch.AddBatch(name);
    }
    batch.EndBatch();
    EXPECT_EQ(batch.ToVector(), one.ToVector());
  }
}

TEST(StringList, UnsortedListKeepsOrderAndEntriesEndAtNul) {
  StringList list;
  list.Add("z");
  list.Add("ab\0cd"sv);
  list.Add("\0x"sv);
  list.Add("a");
  EXPECT_EQ(list.ToVector(), (Strings{"z", "ab", "", "a"}));
  list.Clear();
  EXPECT_TRUE(list.Empty());
}

TEST(StringList, AddingAnEntryOfTheSameListIsSafe) {
  StringList list(StringList::Order::kSorted);
  list.Add("beta");
  for (int i = 0; i < 100; ++i) list.Add(list[0]);  // the buffer grows under the view being added
  EXPECT_EQ(list.Count(), 101u);
  EXPECT_EQ(list[100], "beta");
}

}  // namespace
}  // namespace tovir

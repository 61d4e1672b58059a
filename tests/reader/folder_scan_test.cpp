// The scans of a drawing-data folder: groups, index files, user names.
#include "reader/folder_scan.h"

#include <gtest/gtest.h>

#include "base/path.h"
#include "mkdata.h"
#include "support/temp_folder.h"

namespace tovir {
namespace {

using test::Sjis;
using Strings = std::vector<std::string>;

TEST(FolderScan, GroupsAreTheListableSubdirectoriesInLetterCaseBlindOrder) {
  test::TempFolder folder;
  for (std::string dir : {"B", "a", " LEAD"}) mkdata::MakeDirectories(folder.Join({dir}));
  mkdata::MakeDirectories(folder.Join({Sjis("設計")}));
  mkdata::WriteFile(folder.Join({"c.txt"}), "not a group");
  StringList groups(StringList::Order::kSorted);
  EXPECT_TRUE(ScanGroups(fs::NativeFileSystem(), folder.path(), groups).listed);
  EXPECT_EQ(groups.ToVector(), (Strings{" LEAD", "a", "B", Sjis("設計")}));

  StringList none(StringList::Order::kSorted);
  EXPECT_FALSE(ScanGroups(fs::NativeFileSystem(), folder.Join({"missing"}), none).listed);
  EXPECT_FALSE(ScanGroups(fs::NativeFileSystem(), folder.Join({"c.txt"}), none).listed);
  EXPECT_TRUE(
      ScanGroups(fs::NativeFileSystem(), folder.Join({"a"}), none).listed);  // no subdirectories: nothing
  EXPECT_TRUE(none.Empty());
}

TEST(FolderScan, UserNameIsBytesThreeToEightCutAtAWholeUnderscore) {
  struct Case {
    std::string_view index, user;
  } cases[] = {
      {"MCYAMADA", "YAMADA"},
      {"MCSATO_01", "SATO"},
      {"MCABCDEFGH", "ABCDEF"},
      {"MC_ABC", "_ABC"},
      {"MC", ""},
      {"MCx", "x"},
      {"MCsato_2", "sato"},
      {"MC\x83\x5f"
       "AB",
       "\x83\x5f"
       "AB"},  // "ダ" ends in the byte of "_"
      {"MCab\x83\x5f"
       "c_d",
       "ab\x83\x5f"
       "c"},                                         // the real "_" after it still cuts
      {"MCabcde\x83\x5f", "abcde\x83"},              // a character across byte 8 is cut in half
      {"MC\x8d\x82\x8b\xb4_1", "\x8d\x82\x8b\xb4"},  // "高橋_1"
  };
  for (const auto& c : cases) EXPECT_EQ(UserNameFromIndexFile(c.index), c.user) << c.index;
}

TEST(FolderScan, IndexDirectoryListsOnlyCapitalMcEntries) {
  test::TempFolder folder;
  std::string index = folder.Join({"GRP1", "V3idxft"});
  for (const char* name : {"MCYAMADA", "MCSATO_01", "mcLOWER", "README", "MCSATO_02", "MC"}) {
    mkdata::WriteFile(JoinPath(index, name), "");
  }
  mkdata::MakeDirectories(folder.Join({"GRP1", "V3idxft", "MCDIR"}));  // listed like a file
  StringList files(StringList::Order::kSorted);
  StringList users(StringList::Order::kSorted);
  EXPECT_TRUE(ScanIndexDirectory(fs::NativeFileSystem(), index, files, users).listed);
  EXPECT_EQ(files.ToVector(), (Strings{"MC", "MCDIR", "MCSATO_01", "MCSATO_02", "MCYAMADA"}));
  EXPECT_EQ(users.ToVector(), (Strings{"", "DIR", "SATO", "SATO", "YAMADA"}));
}

TEST(FolderScan, MissingOrOverlongIndexDirectoryIsNotListed) {
  test::TempFolder folder;
  StringList files(StringList::Order::kSorted);
  StringList users(StringList::Order::kSorted);
  EXPECT_FALSE(
      ScanIndexDirectory(fs::NativeFileSystem(), folder.Join({"GRP1", "V3idxft"}), files, users).listed);

  // A real directory whose path is longer than the program's 255-byte path buffer.
  std::string deep = folder.path();
  while (deep.size() <= kMaxIndexDirectoryPath) deep = JoinPath(deep, "d123456789");
  std::string index = JoinPath(deep, "V3idxft");
  ASSERT_TRUE(mkdata::MakeDirectories(index));
  ASSERT_TRUE(mkdata::WriteFile(JoinPath(index, "MCSATO"), ""));
  EXPECT_FALSE(ScanIndexDirectory(fs::NativeFileSystem(), index, files, users).listed);
  EXPECT_TRUE(files.Empty());
  EXPECT_TRUE(users.Empty());
}

}  // namespace
}  // namespace tovir

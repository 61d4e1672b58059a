// The data generator that tests, benchmarks and the sample stand on.
#include "mkdata.h"

#include <gtest/gtest.h>

#include <set>

#include "base/path.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"
#include "support/temp_folder.h"

namespace tovir {
namespace {

std::vector<std::string> LoadGroup(const std::string& folder, size_t* drawings) {
  StringList groups(StringList::Order::kSorted);
  ScanGroups(fs::NativeFileSystem(), folder, groups);
  *drawings = 0;
  for (size_t g = 0; g < groups.Count(); ++g) {
    std::string index = JoinPath(JoinPath(folder, groups[g]), "V3idxft");
    StringList files(StringList::Order::kSorted), users(StringList::Order::kSorted);
    ScanIndexDirectory(fs::NativeFileSystem(), index, files, users);
    StringList u, n, f;
    ReadIndexFiles(fs::NativeFileSystem(), index, files, {u, n, f});
    *drawings += n.Count();
  }
  return groups.ToVector();
}

TEST(MkData, TheSameSeedGivesTheSameFolderAndTheReaderFindsEveryDrawing) {
  test::TempFolder a, b;
  mkdata::Options options;
  options.groups = 3;
  options.usersPerGroup = 4;
  options.drawingsPerUser = 30;
  options.seed = 7;
  auto sa = mkdata::Generate(a.path(), options);
  auto sb = mkdata::Generate(b.path(), options);
  ASSERT_TRUE(sa && sb);
  EXPECT_EQ(sa->indexFiles, 12);
  size_t da = 0, db = 0;
  EXPECT_EQ(LoadGroup(a.path(), &da), LoadGroup(b.path(), &db));
  EXPECT_EQ(static_cast<long long>(da), sa->drawings);
  EXPECT_EQ(da, db);
  EXPECT_LT(sa->drawings, 360);  // some records are marked deleted
}

TEST(MkData, EveryUserOfAGroupHasAnIndexFileAndAUserNameOfItsOwn) {
  // Around the places where the form of the made-up names changes, and at the largest count the tool takes.
  const int users[] = {
      0, 7, 8, 9, 99999, 100000, 100001, 100035, 100036, 100000 + 60466175, 100000 + 60466176, 100000000};
  std::set<std::string> seen;
  for (int u : users) {
    std::string name = mkdata::UserName(u);
    EXPECT_TRUE(seen.insert(name).second) << u << " gives " << name << " twice";
    EXPECT_LE(name.size(), 6u) << u;
    EXPECT_EQ(UserNameFromIndexFile("MC" + name + "_01"), name) << u;
  }
}

}  // namespace
}  // namespace tovir

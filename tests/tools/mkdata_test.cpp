// The data generator that tests, benchmarks and the sample stand on.
#include "mkdata.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tovir

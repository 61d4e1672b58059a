// The walk of an archive never enters a directory it is already inside, even where no link makes the loop (a
// bind mount does it without one). The rest of the walk is held to the exports in the catalog's test.
#include "catalog/archive_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mkdata.h"
#include "support/forwarding_file_system.h"
#include "support/temp_folder.h"

namespace tovir::catalog {
namespace {

TEST(ArchiveWalk, ADirectoryMetAgainBelowItselfIsNotEnteredTwice) {
  test::TempFolder root("archive");
  ASSERT_TRUE(mkdata::MakeDirectories(root.Join({"a", "b", "MCADAM"})));
  ASSERT_TRUE(mkdata::MakeDirectories(root.Join({"c", "MCADAM"})));
  // Every directory below "a" says it is "a" itself.
  struct SameAll final : test::ForwardingFileSystem {
    SameAll() : ForwardingFileSystem(fs::NativeFileSystem()) {}
    std::string a;
    std::optional<fs::DirectoryIdentity> Identity(std::string_view p,
                                                  std::optional<fs::DirectoryIdentity> inner) override {
      if (p.substr(0, a.size()) == a) return fs::DirectoryIdentity{1, 1};
      return inner;
    }
  } fs;
  fs.a = root.Join({"a"});
  fs::Opened<fs::Directory> top = fs.OpenDirectory(root.path(), fs::Links::kNever);
  ASSERT_TRUE(top);
  auto folders = FindDrawingDataFolders(fs, *top, root.path(), {});
  ASSERT_TRUE(folders.has_value());
  ASSERT_EQ(folders->size(), 1u);  // "a/b" is "a" again: not entered
  EXPECT_EQ((*folders)[0].relative, "c/MCADAM");
}

}  // namespace
}  // namespace tovir::catalog

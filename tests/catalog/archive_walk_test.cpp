// The walk of an archive: every drawing-data folder found once, in path order, and nothing outside the root,
// no loop and nothing that is not a directory ever entered.
#include "catalog/archive_walk.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/path.h"
#include "mkdata.h"
#include "support/forwarding_file_system.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tovir::catalog {
namespace {

// The native file system, but with some directories that cannot be listed (a root-run test cannot take read
// permission away).
class Unlistable final : public test::ForwardingFileSystem {
 public:
  explicit Unlistable(std::set<std::string> paths)
      : ForwardingFileSystem(fs::NativeFileSystem()), paths_(std::move(paths)) {}
  bool ListDirectory(std::string_view path, const EntryCallback& onEntry) override {
    return !paths_.count(std::string(path)) && inner_.ListDirectory(path, onEntry);
  }
  bool ListEntries(std::string_view path, const KindCallback& onEntry) override {
    return !paths_.count(std::string(path)) && inner_.ListEntries(path, onEntry);
  }

 private:
  std::set<std::string> paths_;
};

// A path below `root` written with "/", as the platform writes it.
std::string Below(const test::TempFolder& root, std::string relative) {
  for (char& c : relative) {
    if (c == '/') c = kPathSeparator;
  }
  return JoinPath(root.path(), relative);
}

TEST(ArchiveWalk, FindsEveryFolderTheWindowWouldTakeOnceInPathOrder) {
  test::TempFolder root("archive");
  for (const char* folder : {"1999/disk002/MCADAM", "1998/disk017/mcadam", "1998/disk017/mcadam/G1/MCADAM",
                             "1998/disk-1/OldMcadam", "1998/disk003/MCADAM.bak", "1998/locked/MCADAM"}) {
    ASSERT_TRUE(mkdata::MakeDirectories(Below(root, folder)));
  }
  mkdata::WriteFile(root.Join({"1998", "notes", "MCADAM"}), "a file, not a folder");
  std::vector<std::string> expected{"1998/disk-1/OldMcadam", "1998/disk017/mcadam",
                                    "1998/disk017/mcadam/G1/MCADAM", "1999/disk002/MCADAM"};
#ifndef _WIN32
  // Links out of the root and back into it, a FIFO: none of them is entered, none is a folder found.
  test::TempFolder outside("elsewhere");
  ASSERT_TRUE(mkdata::MakeDirectories(outside.Join({"MCADAM"})));
  ASSERT_EQ(symlink(outside.path().c_str(), root.Join({"1999", "out"}).c_str()), 0);
  ASSERT_EQ(symlink(root.path().c_str(), root.Join({"1999", "disk002", "MCADAM", "loop"}).c_str()), 0);
  ASSERT_EQ(symlink(root.Join({"1999", "disk002", "MCADAM"}).c_str(), root.Join({"1999", "MCADAM"}).c_str()),
            0);
  ASSERT_EQ(mkfifo(root.Join({"1998", "pipeMCADAM"}).c_str(), 0600), 0);
#endif
  Unlistable fs({root.Join({"1998", "locked"})});
  std::vector<std::string> passedOver;
  size_t found = 0;
  WalkEvents events{[&](std::string_view path, std::string_view) { passedOver.emplace_back(path); },
                    [&](size_t count) { found = count; }};
  std::vector<ArchiveFolder> folders;
  ASSERT_TRUE(FindDrawingDataFolders(fs, root.path(), events, folders));
  std::vector<std::string> relative;
  for (const ArchiveFolder& folder : folders) {
    relative.push_back(folder.relative);
    EXPECT_EQ(folder.path.substr(0, root.path().size()), root.path());
  }
  EXPECT_EQ(relative, expected);
  EXPECT_EQ(found, expected.size());
  EXPECT_EQ(passedOver, std::vector<std::string>{root.Join({"1998", "locked"})});
  // A root that cannot be listed finds nothing.
  EXPECT_FALSE(FindDrawingDataFolders(fs, root.Join({"nowhere"}), events, folders));
}

#ifndef _WIN32
TEST(ArchiveWalk, ADirectoryMetAgainBelowItselfIsNotEnteredTwice) {
  // A loop that no link makes: the same directory through two paths, as a bind mount gives it. Here a file
  // system that says every directory below "a" is "a" itself.
  test::TempFolder root("archive");
  ASSERT_TRUE(mkdata::MakeDirectories(root.Join({"a", "b", "MCADAM"})));
  struct SameAll final : test::ForwardingFileSystem {
    SameAll() : ForwardingFileSystem(fs::NativeFileSystem()) {}
    std::string a;
    std::optional<fs::DirectoryIdentity> IdentityOf(std::string_view p) override {
      if (p.substr(0, a.size()) == a) return fs::DirectoryIdentity{1, 1};
      return inner_.IdentityOf(p);
    }
  } fs;
  fs.a = root.Join({"a"});
  std::vector<ArchiveFolder> folders;
  ASSERT_TRUE(FindDrawingDataFolders(fs, root.path(), {}, folders));
  EXPECT_TRUE(folders.empty());  // "a/b" is "a" again: not entered
}
#endif

}  // namespace
}  // namespace tovir::catalog

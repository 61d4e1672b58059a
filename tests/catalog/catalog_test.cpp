// The catalog of an archive holds exactly what the export of each folder holds, folder after folder in path
// order, with the folder's path in front; what cannot be read is named and counted, never lost in silence.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/path.h"
#include "cli/catalog_mode.h"
#include "cli/export_mode.h"
#include "mkdata.h"
#include "support/forwarding_file_system.h"
#include "support/scenario.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tovir {
namespace {

// The native file system with paths that cannot be opened or listed, as a damaged medium has them (a test run
// as root cannot take read permission away).
class Damaged final : public test::ForwardingFileSystem {
 public:
  Damaged() : ForwardingFileSystem(fs::NativeFileSystem()) {}
  std::set<std::string> broken;

 protected:
  fs::Fault Before(Call, std::string_view path) override {
    return broken.count(std::string(path)) > 0 ? fs::Fault::kDenied : fs::Fault::kNone;
  }
};

std::string Below(const test::TempFolder& root, std::string relative) {
  for (char& c : relative) {
    if (c == '/') c = kPathSeparator;
  }
  return JoinPath(root.path(), relative);
}

struct Output {
  int status = 0;
  std::string out;
  std::string err;
};

Output Catalog(fs::FileSystem& fs, const std::string& root, bool full, size_t readers, bool heading = false) {
  Output o;
  driver::ExportOptions options;
  options.folder = root;
  options.full = full;
  options.heading = heading;
  options.readers = readers;
  options.encoding = driver::Encoding::kCp932;
  o.status = cli::RunCatalog(
      options, fs, [&](std::string_view s) { o.out += s; }, [&](std::string_view s) { o.err += s; });
  return o;
}

// What the export of one folder writes, every line with the folder's path in front.
std::string Exported(fs::FileSystem& fs, const std::string& folder, const std::string& relative, bool full) {
  driver::ExportOptions options;
  options.folder = folder;
  options.full = full;
  options.tab = true;
  options.heading = false;
  options.allGroups = true;
  options.encoding = driver::Encoding::kCp932;
  std::string text;
  cli::RunExport(
      options, fs, [&](std::string_view s) { text += s; }, [](std::string_view) {});
  std::string lines;
  for (size_t pos = 0; pos < text.size();) {
    size_t end = text.find("\r\n", pos) + 2;
    lines += relative + "\t" + text.substr(pos, end - pos);
    pos = end;
  }
  return lines;
}

TEST(Catalog, HoldsWhatEachFolderExportsInPathOrderAndNamesWhatItPassesOver) {
  test::TempFolder root("archive");
  mkdata::Options made;
  made.groups = 2;
  made.usersPerGroup = 3;
  made.drawingsPerUser = 4;
  // Folders in an order the directory listing does not keep; one inside another's group; one "MCADAM" that is
  // a file, one that only begins so; a group without an index directory; an index file and a directory that
  // cannot be read.
  const std::vector<std::string> folders{"disk2/MCADAM", "disk10/MCADAM", "disk10/MCADAM/GRP1/old/MCADAM",
                                         "1998/a-b/McAdam"};
  for (size_t i = 0; i < folders.size(); ++i) {
    made.seed = i + 1;
    ASSERT_TRUE(mkdata::Generate(Below(root, folders[i]), made).has_value());
  }
  ASSERT_TRUE(mkdata::MakeDirectories(Below(root, "disk2/MCADAM/NOTVER3")));
  ASSERT_TRUE(mkdata::MakeDirectories(Below(root, "disk3/MCADAM")));
  ASSERT_TRUE(mkdata::MakeDirectories(Below(root, "disk2/MCADAM.bak/GRP1")));  // its path does not end so
  mkdata::WriteFile(Below(root, "disk4/MCADAM"), "a file");
  Damaged fs;
  fs.broken = {Below(root, "disk3"), Below(root, "disk10/MCADAM/SEKKEI/V3idxft/MCYAMADA")};
#ifndef _WIN32
  // A link out of the archive, one round it, and a FIFO: none is followed or opened.
  test::TempFolder outside("elsewhere");
  ASSERT_TRUE(mkdata::Generate(outside.Join({"MCADAM"}), made).has_value());
  ASSERT_EQ(symlink(outside.Join({"MCADAM"}).c_str(), Below(root, "disk5MCADAM").c_str()), 0);
  ASSERT_EQ(symlink(root.path().c_str(), Below(root, "disk2/MCADAM/GRP1/loop").c_str()), 0);
  ASSERT_EQ(mkfifo(Below(root, "disk2/fifoMCADAM").c_str(), 0600), 0);
#endif
  const std::vector<std::string> inOrder{"1998/a-b/McAdam", "disk10/MCADAM", "disk10/MCADAM/GRP1/old/MCADAM",
                                         "disk2/MCADAM"};
  for (bool full : {false, true}) {
    std::string expected;
    for (const std::string& folder : inOrder) expected += Exported(fs, Below(root, folder), folder, full);
    for (size_t readers : {size_t{1}, size_t{16}}) {
      SCOPED_TRACE(std::string(full ? "full" : "short") + ", " + std::to_string(readers) + " readers");
      Output o = Catalog(fs, root.path(), full, readers);
      EXPECT_EQ(o.status, 1);
      EXPECT_EQ(o.out, expected);
      // Each thing passed over is named once, and the summary counts it.
      EXPECT_NE(o.err.find("passed over disk3: cannot be listed: permission denied\n"), std::string::npos)
          << o.err;
      EXPECT_NE(o.err.find("passed over disk2/MCADAM/NOTVER3: MC Ver3"), std::string::npos) << o.err;
      EXPECT_NE(o.err.find("passed over disk10/MCADAM/SEKKEI: "), std::string::npos) << o.err;
#ifndef _WIN32
      EXPECT_NE(o.err.find("passed over disk5MCADAM: a link, not followed\n"), std::string::npos) << o.err;
      EXPECT_NE(o.err.find(", 4 passed over\n"), std::string::npos) << o.err;
#else
      EXPECT_NE(o.err.find(", 3 passed over\n"), std::string::npos) << o.err;
#endif
      EXPECT_EQ(o.err.find("elsewhere"), std::string::npos);
    }
  }
  // The heading names the folder column first.
  Output headed = Catalog(fs, root.path(), false, 4, true);
  EXPECT_EQ(headed.out.substr(0, headed.out.find("\r\n")),
            test::Sjis("ﾌｫﾙﾀﾞｰ\tGroup名\tUser名\t図面名（PN,FN）\t更新日\t更新時刻\t注記"));
}

TEST(Catalog, SaysWhetherAnythingWasListed) {
  test::TempFolder root("archive");
  ASSERT_TRUE(mkdata::MakeDirectories(root.Join({"empty"})));
  Damaged fs;
  EXPECT_EQ(Catalog(fs, root.path(), false, 4).status, 1);             // no drawing-data folder
  EXPECT_EQ(Catalog(fs, root.Join({"nowhere"}), false, 4).status, 2);  // no root
  Output none = Catalog(fs, root.path(), false, 4);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "tovir-cli: 0 folders, 0 groups, 0 drawings, 0 passed over\n");
}

}  // namespace
}  // namespace tovir

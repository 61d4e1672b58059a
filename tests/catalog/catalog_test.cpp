// The catalog of an archive holds exactly what the export of each folder holds, folder after folder in path
// order, with the folder's path in front; what cannot be read is named and counted, never lost in silence.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "base/path.h"
#include "cli/catalog_mode.h"
#include "cli/export_mode.h"
#include "mkdata.h"
#include "support/forwarding_file_system.h"
#include "support/memory_folder.h"
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

// The export of every group of one folder, tab-separated, without a heading.
Output ExportAll(fs::FileSystem& fs, const std::string& folder, bool full) {
  Output o;
  driver::ExportOptions options;
  options.folder = folder;
  options.full = full;
  options.tab = true;
  options.heading = false;
  options.allGroups = true;
  options.encoding = driver::Encoding::kCp932;
  o.status = cli::RunExport(
      options, fs, [&](std::string_view s) { o.out += s; }, [&](std::string_view s) { o.err += s; });
  return o;
}

// What the export of one folder writes, every line with the folder's path in front.
std::string Exported(fs::FileSystem& fs, const std::string& folder, const std::string& relative, bool full) {
  const std::string text = ExportAll(fs, folder, full).out;
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

// The same archive on a damaged medium, in memory: every run gives the whole output or names what it lacks,
// with a status other than 0, in the catalog and in the export of the damaged folder alike.
TEST(Catalog, DamagedMediaAreNamedAndCountedNeverLostInSilence) {
  using test::MemoryFileSystem;
  const std::string root = "A";
  const std::string d1 = JoinPath(JoinPath(root, "d1"), "MCADAM");
  const std::string d2 = JoinPath(JoinPath(root, "d2"), "MCADAM");
  const std::string group = JoinPath(d1, "G");
  struct Case {
    const char* what;
    std::function<void(MemoryFileSystem&)> damage;
    size_t rows;                    // of the full catalog; the archive holds 7
    std::vector<std::string> said;  // what the catalog names, each once
    size_t passedOver;
    std::vector<std::string> exportSaid;  // what the export of d1 (every group, full) says
    std::string slow = {};                // a file whose open waits, so that those after it are read first
    std::string summary = {};             // how the summary begins, where it matters
  };
  const std::string sep(1, kPathSeparator);
  const std::vector<Case> cases{
      {"nothing wrong", [](MemoryFileSystem&) {}, 7, {}, 0, {}},
      {"the index directory's listing breaks off",
       [&](MemoryFileSystem& fs) {
         fs.DamageDirectory(JoinPath(group, "V3idxft"), {true, fs::Fault::kMedium, 0, {}});
       },
       4,
       {"d1/MCADAM/G: V3idxft cannot be listed whole: input/output error"},
       1,
       {"G: " + test::Sjis("一覧を最後まで読めません：") + JoinPath(group, "V3idxft")}},
      {"the folder's listing breaks off after its first group",
       [&](MemoryFileSystem& fs) {
         fs.DamageDirectory(d1, {true, fs::Fault::kMedium, 1, {}});
       },
       5,
       {"d1/MCADAM: cannot be listed whole: input/output error"},
       1,
       {test::Sjis("一覧を最後まで読めません：") + d1}},
      {"descriptors run out while readers are in flight",
       [](MemoryFileSystem& fs) { fs.LimitHandles(4); },
       7,
       {},
       0,
       {}},
      {"descriptors run out while index files opened ahead wait their turn",
       [&](MemoryFileSystem& fs) {
         for (int u = 0; u < 30; ++u) test::AddMemoryGroup(fs, d1, "G", "U" + std::to_string(u), 1, 100 + u);
         fs.LimitHandles(5);
       },
       37,
       {},
       0,
       {},
       "MCSATO"},
      {"an index file's open runs out of descriptors even alone",
       [&](MemoryFileSystem& fs) {
         fs.FailOpen(test::MemoryIndexFile(d1, "G", "SATO"), fs::Fault::kExhausted);
       },
       4,
       {"d1/MCADAM/G: " + test::Sjis("インデックスファイルを読めません：MCSATO")},
       1,
       {"G: " + test::Sjis("インデックスファイルを読めません：MCSATO")}},
      {"two index files cannot be read: one line, two passed over",
       [&](MemoryFileSystem& fs) {
         test::AddMemoryGroup(fs, d1, "G", "TANI", 1, 20);
         fs.FailOpen(test::MemoryIndexFile(d1, "G", "SATO"), fs::Fault::kMedium);
         fs.FailOpen(test::MemoryIndexFile(d1, "G", "TANI"), fs::Fault::kDenied);
       },
       4,
       {"d1/MCADAM/G: " + test::Sjis("インデックスファイルを読めません：MCSATO ほか1件")},
       2,
       {"G: " + test::Sjis("インデックスファイルを読めません：MCSATO ほか1件")}},
      {"a drawing file whose read fails, and one the medium will not open",
       [&](MemoryFileSystem& fs) {
         test::BreakDrawingFile(fs, d1, "G", "SATO", 2, 50);
         fs.FailOpen(test::MemoryDrawingFile(d1, "G", "SATO", 3), fs::Fault::kMedium);
       },
       7,
       {"d1/MCADAM/G: " + test::Sjis("図面ファイルを読めません：SATO/Mc000002.1@@ ほか1件")},
       2,
       {"G: " + test::Sjis("図面ファイルを読めません：SATO") + sep + "Mc000002.1@@" +
        test::Sjis(" ほか1件")}},
      {"a drawing file that is a FIFO is a drawing without a file",
       [&](MemoryFileSystem& fs) { fs.AddOther(test::MemoryDrawingFile(d1, "G", "SATO", 1)); },
       7,
       {},
       0,
       {}},
      {"a folder whose name does not survive CP932, beside the one it turns into",
       [&](MemoryFileSystem& fs) {
         test::AddMemoryGroup(fs, JoinPath(JoinPath(root, "dX"), "MCADAM"), "Q", "SUGI", 1, 30);
         test::AddMemoryGroup(fs, JoinPath(JoinPath(root, "d?"), "MCADAM"), "R", "MORI", 2, 40);
         fs.ShowAs(JoinPath(root, "dX"), "d?");
       },
       9,
       {"dX/MCADAM: its CP932 name does not lead back to it"},
       1,
       {}},
      {"a group whose name does not survive CP932, beside the one it turns into",
       [&](MemoryFileSystem& fs) {
         test::AddMemoryGroup(fs, d1, "GX", "SUGI", 1, 30);
         fs.ShowAs(JoinPath(d1, "GX"), "G");
       },
       7,
       {"d1/MCADAM/GX: its CP932 name does not lead back to it"},
       1,
       {"G: " + test::Sjis("MC Ver3ではありません！")}},
      {"a group that is a link: the window follows it, the catalog does not",
       [&](MemoryFileSystem& fs) {
         test::AddMemoryGroup(fs, JoinPath("B", "MCADAM"), "ELSE", "FUJI", 2, 50);
         fs.AddLink(JoinPath(d1, "LINKED"), JoinPath(JoinPath("B", "MCADAM"), "ELSE"));
       },
       7,
       {"d1/MCADAM/LINKED: a link, not followed"},
       1,
       {}},
      {"an index directory that is a link",
       [&](MemoryFileSystem& fs) {
         test::AddMemoryGroup(fs, JoinPath("B", "MCADAM"), "ELSE", "FUJI", 2, 50);
         fs.AddLink(JoinPath(JoinPath(d1, "L"), "V3idxft"),
                    JoinPath(JoinPath(JoinPath("B", "MCADAM"), "ELSE"), "V3idxft"));
       },
       7,
       {"d1/MCADAM/L: " + test::Sjis("MC Ver3ではありません！") + " (a link, not followed)"},
       1,
       {}},
      {"a folder whose only group is not Ver3 counts no group",
       [&](MemoryFileSystem& fs) {
         fs.AddDirectory(JoinPath(JoinPath(JoinPath(root, "d3"), "MCADAM"), "NOIDX"));
       },
       7,
       {"d3/MCADAM/NOIDX: " + test::Sjis("MC Ver3ではありません！")},
       1,
       {},
       {},
       "tovir-cli: 3 folders, 3 groups, 7 drawings"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileSystem fs;
    test::AddMemoryGroup(fs, d1, "G", "SATO", 3);
    test::AddMemoryGroup(fs, d1, "H", "ITO", 2, 4);
    test::AddMemoryGroup(fs, d2, "K", "KATO", 2, 6);
    c.damage(fs);
    // The slow file's open waits while the readers open the files after it, which hold their descriptors
    // until their turn: the slow one then finds none left.
    struct Slow final : test::ForwardingFileSystem {
      Slow(fs::FileSystem& inner, std::string name) : ForwardingFileSystem(inner), name_(std::move(name)) {}
      fs::Fault Before(Call call, std::string_view path) override {
        if (call == Call::kOpenFile && !name_.empty() && path.ends_with(name_) && !waited_.exchange(true)) {
          std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return fs::Fault::kNone;
      }
      std::string name_;
      std::atomic<bool> waited_{false};
    } medium(fs, c.slow);
    for (size_t readers : {size_t{1}, size_t{16}}) {
      Output o = Catalog(medium, root, true, readers);
      EXPECT_EQ(o.status, c.said.empty() ? 0 : 1) << readers;
      EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), static_cast<std::ptrdiff_t>(c.rows)) << readers;
      std::string said;
      for (const std::string& line : c.said) said += "tovir-cli: passed over " + line + "\n";
      EXPECT_EQ(o.err.substr(0, o.err.rfind("tovir-cli: ")), said) << readers;
      EXPECT_NE(o.err.find(", " + std::to_string(c.passedOver) + " passed over\n"), std::string::npos)
          << o.err;
      EXPECT_EQ(o.err.substr(o.err.rfind("tovir-cli: "), c.summary.size()), c.summary);
      EXPECT_EQ(fs.OpenHandles(), 0);
    }
    medium.waited_ = false;
    const Output exported = ExportAll(medium, d1, true);
    std::string exportSaid;
    for (const std::string& line : c.exportSaid) exportSaid += line + "\n";
    EXPECT_EQ(exported.err, exportSaid);
    EXPECT_EQ(exported.status, c.exportSaid.empty() ? 0 : 1);
  }
}

// A directory two levels below another that says it is that one (as a bind mount makes it) is not entered:
// the walk ends, the folders above it are found once.
TEST(Catalog, ALoopTwoLevelsUpIsWalkedOnce) {
  test::MemoryFileSystem fs;
  test::AddMemoryGroup(fs, JoinPath(JoinPath("A", "a"), "MCADAM"), "G", "SATO", 1);
  fs.AddDirectory(JoinPath(JoinPath(JoinPath("A", "a"), "b"), "c"));
  const std::string c = JoinPath(JoinPath(JoinPath("A", "a"), "b"), "c");
  fs.DamageDirectory(JoinPath("A", "a"), {true, fs::Fault::kNone, 0, fs::DirectoryIdentity{7, 7}});
  fs.DamageDirectory(c, {true, fs::Fault::kNone, 0, fs::DirectoryIdentity{7, 7}});
  test::AddMemoryGroup(fs, JoinPath(c, "MCADAM"), "G", "SATO", 1);  // reached only through the loop
  Output o = Catalog(fs, "A", false, 1);
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.err, "tovir-cli: 1 folders, 1 groups, 1 drawings, 0 passed over\n");
}

}  // namespace
}  // namespace tovir

// tovir-cli on damaged media and small machines, made from outside the program as a user meets them: a
// listing the kernel fails part-way, a full disk, a reader that goes away, too few file descriptors, threads
// or memory, an execute-only directory, a strictatime mount, a tree deeper than any path buffer, names with
// tabs. Each run gives the whole output, or names what it lacks with a status other than 0.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "mkdata.h"
#include "support/shell.h"
#include "support/temp_folder.h"

namespace tovir {
namespace {

using test::Quote;
using test::Shell;
using test::ShellResult;

const std::string kCli = TOVIR_CLI;
const std::string kMkData = TOVIR_MKDATA;

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// An archive of drawing-data folders, readable by every user, and tovir-cli beside it where every user can
// run it.
class DamagedMedia : public ::testing::Test {
 protected:
  void SetUp() override {
    archive_ = root_.Join({"archive"});
    ASSERT_EQ(Shell(kMkData + " --folders 6 --groups 2 --users 30 --drawings 3 " + Quote(archive_)).status,
              0);
    folder_ = FirstFolder();
    cli_ = root_.Join({"tovir-cli"});
    std::filesystem::copy_file(kCli, cli_);
    Shell("chmod -R a+rX " + Quote(root_.path()) + " && chmod a+x " +
          Quote(std::string(std::filesystem::path(root_.path()).parent_path())));
    catalog_ = Run(" --catalog --full " + Quote(archive_));
    export_ = Run(" --full --tab --all-groups " + Quote(folder_));
    ASSERT_EQ(catalog_.status, 0) << catalog_.err;
    ASSERT_EQ(export_.status, 0) << export_.err;
  }

  std::string FirstFolder() {
    ShellResult found = Shell("find " + Quote(archive_) + " -name MCADAM | sort | head -n 1");
    return found.out.substr(0, found.out.find('\n'));
  }
  ShellResult Run(const std::string& args, const std::string& before = "") {
    return Shell(before + cli_ + args);
  }
  static bool Root() { return geteuid() == 0; }
  static bool Have(const std::string& tool) {
    return Shell("command -v " + tool + " >/dev/null").status == 0;
  }

  test::TempFolder root_{"damaged"};
  std::string archive_;
  std::string folder_;
  std::string cli_;
  ShellResult catalog_;
  ShellResult export_;
};

TEST_F(DamagedMedia, ADirectoryWhoseListingFailsIsNamedNeverTakenAsEnded) {
  if (!Have("strace")) GTEST_SKIP() << "strace is not installed";
  const std::string year = archive_ + "/" + Shell("ls " + Quote(archive_)).out.substr(0, 4);
  const std::string index = folder_ + "/GRP1/V3idxft";
  auto failing = [](const std::string& dir) {
    return "strace -f -o /dev/null -e inject=getdents64:error=EIO -P " + Quote(dir) + " ";
  };
  ShellResult walk = Run(" --catalog " + Quote(archive_), failing(year));
  EXPECT_EQ(walk.status, 1);
  EXPECT_NE(walk.err.find("cannot be listed whole: input/output error\n"), std::string::npos) << walk.err;
  ShellResult group = Run(" --catalog --full " + Quote(archive_), failing(index));
  EXPECT_EQ(group.status, 1);
  EXPECT_NE(group.err.find("/GRP1: V3idxft cannot be listed whole: input/output error\n"), std::string::npos)
      << group.err;
  EXPECT_LT(group.out.size(), catalog_.out.size());
  ShellResult exported = Run(" --full --tab --all-groups " + Quote(folder_), failing(index));
  EXPECT_EQ(exported.status, 1);
  EXPECT_NE(exported.err.find("GRP1: 一覧を最後まで読めません：" + index + "\n"), std::string::npos)
      << exported.err;
}

TEST_F(DamagedMedia, OutputThatCannotBeWrittenIsSaidAndAClosedPipeEndsQuietly) {
  for (const std::string& args :
       {" --catalog --full " + Quote(archive_), " --full --all-groups " + Quote(folder_)}) {
    ShellResult full = Run(args + " >/dev/full");
    EXPECT_EQ(full.status, 4) << args;
    EXPECT_EQ(full.err, "tovir-cli: cannot write the output: No space left on device\n") << args;
    // The reader takes one byte and goes: the writer ends without a word, as command-line tools do.
    ShellResult closed = Shell("{ " + cli_ + args + "; echo $? >&3; } 3>&1 | head -c 1 >/dev/null");
    EXPECT_TRUE(closed.out == "141\n" || closed.out.empty()) << args << ": " << closed.out;
    EXPECT_EQ(closed.err.find("cannot write"), std::string::npos) << closed.err;
  }
}

TEST_F(DamagedMedia, TooFewFileDescriptorsStillGiveTheWholeOutput) {
  // A sanitizer looks at memory through a pipe of its own, which it cannot have either.
  if (kSanitized) GTEST_SKIP() << "a sanitizer needs descriptors of its own";
  for (const char* readers : {" --readers 1", " --readers 16"}) {
    ShellResult catalog =
        Run(std::string(readers) + " --catalog --full " + Quote(archive_), "prlimit --nofile=12 ");
    EXPECT_EQ(catalog.status, 0) << readers << catalog.err;
    EXPECT_EQ(catalog.out, catalog_.out) << readers;
    ShellResult exported =
        Run(std::string(readers) + " --full --tab --all-groups " + Quote(folder_), "prlimit --nofile=8 ");
    EXPECT_EQ(exported.status, 0) << readers << exported.err;
    EXPECT_EQ(exported.out, export_.out) << readers;
  }
}

TEST_F(DamagedMedia, MemoryThatRunsOutNeverEndsAsComplete) {
  if (kSanitized) GTEST_SKIP() << "a sanitizer's shadow memory does not fit an address-space limit";
  const std::string big = root_.Join({"big", "MCADAM"});
  ASSERT_EQ(Shell(kMkData + " --index-only --groups 1 --users 1 --drawings 400000 " + Quote(big)).status, 0);
  ShellResult exported = Run(" --tab " + Quote(big), "prlimit --as=20000000 ");
  EXPECT_EQ(exported.status, 3);
  EXPECT_NE(exported.err.find("メモリが足りません！"), std::string::npos) << exported.err;
  ShellResult catalog = Run(" --catalog " + Quote(root_.Join({"big"})), "prlimit --as=20000000 ");
  EXPECT_EQ(catalog.status, 3);
  EXPECT_NE(catalog.err.find("メモリが足りません！"), std::string::npos) << catalog.err;
  EXPECT_NE(catalog.err.find("MCADAM"), std::string::npos) << catalog.err;  // the folder whose rows were cut
}

TEST_F(DamagedMedia, ThreadsAreASpeedUpNeverACondition) {
  if (!Root()) GTEST_SKIP() << "a limit of processes binds only a user who is not root";
  // A leak checker needs a thread of its own, which it would not get either.
  const std::string asNobody =
      "ASAN_OPTIONS=detect_leaks=0 setpriv --reuid=65534 --regid=65534 --clear-groups prlimit --nproc=1 ";
  ShellResult catalog = Run(" --catalog --full " + Quote(archive_), asNobody);
  EXPECT_EQ(catalog.status, 0) << catalog.err;
  EXPECT_EQ(catalog.out, catalog_.out);
  ShellResult exported = Run(" --full --tab --all-groups " + Quote(folder_), asNobody);
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out, export_.out);
  ShellResult script =
      Shell("printf 'start %s\\nmode 1\\ndump\\n' " + Quote(folder_) + " | " + asNobody + cli_ + " --script");
  EXPECT_EQ(script.status, 0) << script.err;
  EXPECT_NE(script.out.find("\"ListBox12\":[\""), std::string::npos) << script.err;
}

TEST_F(DamagedMedia, AnExecuteOnlyUserDirectoryGivesItsDatesAndNotes) {
  if (!Root()) GTEST_SKIP() << "permissions bind only a user who is not root";
  Shell("chown -R 65534 " + Quote(archive_) + " && find " + Quote(folder_ + "/GRP1") +
        " -mindepth 1 -maxdepth 1 -type d ! -name V3idxft -exec chmod 0311 {} +");
  const std::string asNobody =
      "ASAN_OPTIONS=detect_leaks=0 setpriv --reuid=65534 --regid=65534 --clear-groups ";
  ShellResult catalog = Run(" --catalog --full " + Quote(archive_), asNobody);
  EXPECT_EQ(catalog.status, 0) << catalog.err;
  EXPECT_EQ(catalog.out, catalog_.out);
  ShellResult exported = Run(" --full --tab --all-groups " + Quote(folder_), asNobody);
  EXPECT_EQ(exported.out, export_.out) << exported.err;
}

TEST_F(DamagedMedia, AccessTimesStayAsTheyWere) {
  if (!Root()) GTEST_SKIP() << "mounting needs root";
  const std::string mounted = root_.Join({"strict"});
  ASSERT_TRUE(mkdata::MakeDirectories(mounted));
  if (mount("tmpfs", mounted.c_str(), "tmpfs", MS_STRICTATIME, nullptr) != 0)
    GTEST_SKIP() << "tmpfs: " << errno;
  ASSERT_EQ(Shell("cp -a " + Quote(folder_) + " " + Quote(mounted) + " && find " + Quote(mounted) + " > " +
                  Quote(root_.Join({"paths"})))
                .status,
            0);
  const std::string times = "sleep 1.1; xargs -d '\\n' stat -c '%n %.9X' < " + Quote(root_.Join({"paths"}));
  const std::string before = Shell(times).out;
  const std::string copy = mounted + "/MCADAM";
  Run(" --catalog --full " + Quote(mounted) + " >/dev/null");
  Run(" --full --all-groups " + Quote(copy) + " >/dev/null");
  Shell("printf 'start %s\\nmode 1\\npress 1\\nmode 0\\npress 2\\n' " + Quote(copy) + " | " + cli_ +
        " --script >/dev/null");
  EXPECT_EQ(Shell(times).out, before);
  umount(mounted.c_str());
}

TEST_F(DamagedMedia, ADeepTreeGivesTheSameRowsHoweverItsRootIsWritten) {
  // 430 levels of ten bytes: past every path buffer, and past the kernel's own limit for one path.
  const std::string deep = root_.Join({"deep"});
  ASSERT_TRUE(mkdata::MakeDirectories(deep));
  {
    // Made one level at a time from inside, as no path can name the deepest levels.
    const int back = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(back, 0);
    ASSERT_EQ(chdir(deep.c_str()), 0);
    mkdata::Options made;
    made.groups = 1;
    made.usersPerGroup = 1;
    made.drawingsPerUser = 2;
    bool ok = true;
    for (int level = 1; ok && level <= 430; ++level) {
      ok = mkdir("d23456789", 0755) == 0 && chdir("d23456789") == 0;
      if (ok && level == 10) ok = mkdata::Generate("MCADAM", made).has_value();
    }
    made.seed = 3;
    ok = ok && mkdata::Generate("MCADAM", made).has_value();
    ASSERT_EQ(fchdir(back), 0);
    close(back);
    ASSERT_TRUE(ok);
  }
  ShellResult absolute = Run(" --catalog --full " + Quote(deep));
  ShellResult relative = Shell("cd " + Quote(deep) + " && " + cli_ + " --catalog --full .");
  EXPECT_EQ(absolute.status, 0) << absolute.err;
  EXPECT_EQ(absolute.err, "tovir-cli: 2 folders, 2 groups, 4 drawings, 0 passed over\n");
  EXPECT_EQ(relative.out, absolute.out);
  EXPECT_EQ(relative.err, absolute.err);
}

TEST_F(DamagedMedia, FolderNamesNeverBreakTheCatalogsLines) {
  const std::string odd = root_.Join({"odd"});
  for (const char* name : {"a\tb", "c\nd", "e\rf", "g\\h"}) {
    ASSERT_EQ(Shell(kMkData + " --groups 1 --users 1 --drawings 1 " + Quote(odd + "/" + name + "/MCADAM") +
                    " >/dev/null")
                  .status,
              0);
  }
  ShellResult catalog = Run(" --catalog --no-heading " + Quote(odd));
  EXPECT_EQ(catalog.status, 0) << catalog.err;
  std::string folders;
  for (size_t pos = 0; pos < catalog.out.size(); pos = catalog.out.find("\r\n", pos) + 2) {
    folders += catalog.out.substr(pos, catalog.out.find('\t', pos) - pos) + "|";
  }
  EXPECT_EQ(folders, "a\\tb/MCADAM|c\\nd/MCADAM|e\\rf/MCADAM|g\\\\h/MCADAM|");
}

TEST_F(DamagedMedia, NamesThatDoNotSurviveCp932NeverOpenTheirNeighbours) {
  // Side by side, each pair's CP932 forms are the same bytes: "a☃" and "a?", "ア" and its Shift-JIS bytes, a
  // byte that is no UTF-8 and the character CP932 gives it.
  const std::string pairs = root_.Join({"pairs"});
  const std::vector<std::string> names{"a\xe2\x98\x83", "a?",      "\xe3\x82\xa2",
                                       "\x83\x41",      "bad\xff", "bad\xef\xa3\xb3"};
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string folder = pairs + "/" + names[i] + "/MCADAM";
    ASSERT_EQ(Shell("mkdir -p " + Quote(folder) + " && cp -R " + Quote(folder_ + "/GRP1") + " " +
                    Quote(folder) + "/G" + std::to_string(i))
                  .status,
              0);
  }
  ShellResult catalog = Run(" --catalog --no-heading " + Quote(pairs));
  EXPECT_EQ(catalog.status, 1);
  // Each exact folder once, under its own group; each other one named by its disk name, never read.
  std::string folders;
  for (size_t pos = 0; pos < catalog.out.size(); pos = catalog.out.find("\r\n", pos) + 2) {
    const size_t tab = catalog.out.find('\t', pos);
    const std::string line = catalog.out.substr(pos, catalog.out.find('\t', tab + 1) - pos);
    if (folders.find(line) == std::string::npos) folders += line + "|";
  }
  EXPECT_EQ(folders, "a?/MCADAM\tG1|bad\xef\xa3\xb3/MCADAM\tG5|\xe3\x82\xa2/MCADAM\tG2|");
  EXPECT_NE(catalog.err.find("passed over a\\u{2603}/MCADAM: its CP932 name does not lead back to it"),
            std::string::npos)
      << catalog.err;
  EXPECT_NE(catalog.err.find("passed over \\x83A/MCADAM:"), std::string::npos) << catalog.err;
  EXPECT_NE(catalog.err.find("passed over bad\\xff/MCADAM:"), std::string::npos) << catalog.err;
}

TEST_F(DamagedMedia, TheCatalogNeverFollowsALinkNorOpensAFifo) {
  const std::string user = Shell("ls " + Quote(folder_ + "/GRP1") + " | grep -v V3idxft | head -n 1").out;
  const std::string files = folder_ + "/GRP1/" + user.substr(0, user.size() - 1);
  const std::string fifo = Shell("ls " + Quote(files) + " | head -n 1").out;
  const std::string fifoPath = files + "/" + fifo.substr(0, fifo.size() - 1);
  ASSERT_EQ(Shell("rm " + Quote(fifoPath) + " && mkfifo " + Quote(fifoPath)).status, 0);
  const std::string outside = root_.Join({"outside", "MCADAM"});
  ASSERT_EQ(Shell(kMkData + " --groups 1 --users 1 --drawings 2 " + Quote(outside) + " >/dev/null").status,
            0);
  ASSERT_EQ(Shell("ln -s " + Quote(outside + "/GRP1") + " " + Quote(folder_ + "/LINKED") + " && mkdir " +
                  Quote(folder_ + "/LINKIDX") + " && ln -s " + Quote(outside + "/GRP1/V3idxft") + " " +
                  Quote(folder_ + "/LINKIDX/V3idxft"))
                .status,
            0);
  // A writer waits on the FIFO until a reader opens it: the catalog must leave it waiting (the test lets it
  // go at the end).
  const std::string marker = root_.Join({"released"});
  ShellResult catalog = Shell("timeout 20 sh -c 'exec 3>" + fifoPath + "; echo released >" + marker +
                              "' >/dev/null 2>&1 & writer=$!; sleep 0.2; " + cli_ + " --catalog --full " +
                              Quote(archive_) + "; sleep 0.2; cat " + Quote(marker) + " 2>/dev/null; : <>" +
                              Quote(fifoPath) + "; wait $writer; true");
  EXPECT_EQ(catalog.out.find("released"), std::string::npos);
  EXPECT_NE(catalog.err.find("/LINKED: a link, not followed\n"), std::string::npos) << catalog.err;
  EXPECT_NE(catalog.err.find("/LINKIDX: MC Ver3ではありません！ (a link, not followed)\n"), std::string::npos)
      << catalog.err;
  EXPECT_EQ(catalog.out.find("outside"), std::string::npos);
}

}  // namespace
}  // namespace tovir

// The program only ever reads: after everything a user can do over a drawing-data folder, every file in and
// beside it has the same bytes, size and times, and nothing was added or removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "base/encoding.h"
#include "base/path.h"
#include "mkdata.h"
#include "support/scenario.h"

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

namespace tovir {
namespace {

namespace stdfs = std::filesystem;
using namespace test;

struct Entry {
  bool directory = false;
  long long size = 0;
  long long modified = 0;  // nanoseconds
  long long accessed = 0;  // nanoseconds; 0 where it is not compared
  std::string bytes;
  bool operator==(const Entry&) const = default;
};
using Snapshot = std::map<std::string, Entry>;

#ifndef _WIN32
long long Nanoseconds(const timespec& t) {
  return static_cast<long long>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Walks a tree without touching its access times (the walk must not disturb what it measures), and with
// `ageAccess` first sets every access time two days back, so that on a file system mounted with relatime any
// read at all would move it.
void Walk(const std::string& path, const std::string& key, bool ageAccess, Snapshot& out) {
  if (ageAccess) {
    timespec times[2] = {{time(nullptr) - 2 * 86400, 0}, {0, UTIME_OMIT}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
  }
  struct stat st;
  ASSERT_EQ(lstat(path.c_str(), &st), 0) << path;
  Entry& e = out[key];
  e.directory = S_ISDIR(st.st_mode);
  e.size = e.directory ? 0 : static_cast<long long>(st.st_size);
  e.modified = Nanoseconds(st.st_mtim);
  e.accessed = Nanoseconds(st.st_atim);
  int fd = open(path.c_str(), O_RDONLY | O_NOATIME | (e.directory ? O_DIRECTORY : 0));
  ASSERT_GE(fd, 0) << path;
  if (!e.directory) {
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) e.bytes.append(buffer, static_cast<size_t>(n));
    close(fd);
    return;
  }
  DIR* dir = fdopendir(fd);
  ASSERT_NE(dir, nullptr);
  std::vector<std::string> names;
  while (dirent* d = readdir(dir)) {
    std::string name = d->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  for (const auto& name : names) Walk(path + "/" + name, key + "/" + name, ageAccess, out);
}

Snapshot Take(const std::string& root, bool ageAccess = false) {
  Snapshot out;
  Walk(root, ".", ageAccess, out);
  return out;
}
#else
// Windows keeps access times only where the volume is told to, and offers no read-only way to leave them
// alone; bytes, sizes, write times and the listing are compared.
Snapshot Take(const std::string& root, bool = false) {
  Snapshot out;
  stdfs::path base(Cp932ToUtf16(root));
  out["."].directory = true;
  for (const auto& item : stdfs::recursive_directory_iterator(base)) {
    std::u8string name = stdfs::relative(item.path(), base).generic_u8string();
    Entry& e = out[std::string(name.begin(), name.end())];
    e.directory = item.is_directory();
    e.modified = item.last_write_time().time_since_epoch().count();
    if (e.directory) continue;
    e.size = static_cast<long long>(item.file_size());
    std::ifstream in(item.path(), std::ios::binary);
    e.bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  return out;
}
#endif

TEST(ReadOnly, NothingInOrBesideTheFolderChangesWhateverTheUserDoes) {
  TempFolder folder;
  mkdata::Options options;
  options.groups = 2;
  options.usersPerGroup = 3;
  options.drawingsPerUser = 5;
  options.seed = 21;
  ASSERT_TRUE(mkdata::Generate(folder.path(), options));
  // The parent holds only the folder: anything the program made beside it would show up in the walk.
  std::string parent = folder.path().substr(0, folder.path().rfind(kPathSeparator));
  Snapshot before = Take(parent, true);
  ASSERT_GT(before.size(), 30u);

  std::string path = Cp932ToUtf8(folder.path());
  ScriptResult r = RunScript("start " + path +
                             "\n"
                             "mode 1\ndump\n"                    // the full display reads every drawing file
                             "press 1\nsearch A\nsearch A\n"     // row detail and search
                             "copy 1\ncopy 2\ncopy 3\ncopy 4\n"  // every copy, with a heading
                             "heading off\ncopy 1\ncopy 3\nkey ctrl+c\npopup 2\n"
                             "group 1\ndump\n"            // a group change, still in the full display
                             "mode 0\npress 0\ncopy 2\n"  // the short display and its row detail
                             "drop " +
                             path + "\ndump\n");  // the folder dropped once more
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.dumps.size(), 3u);
  EXPECT_GT(r.dumps[0]["ListBox12"].size(), 0u);
  EXPECT_EQ(r.dumps[0]["ListBox12"].size(), r.dumps[0]["ListBox4"].size());
  EXPECT_NE(r.dumps[1]["CurrentGroup"].Str(), r.dumps[0]["CurrentGroup"].Str());
  EXPECT_GT(r.dumps[2]["ListBox13"].size(), 0u);

  Snapshot after = Take(parent);
  for (const auto& [key, entry] : before) {
    auto found = after.find(key);
    if (found == after.end()) {
      ADD_FAILURE() << key << " is gone";
    } else {
      EXPECT_EQ(found->second.bytes, entry.bytes) << key;
      EXPECT_EQ(found->second.size, entry.size) << key;
      EXPECT_EQ(found->second.modified, entry.modified) << key;
      EXPECT_EQ(found->second.accessed, entry.accessed) << key << ": the access time moved";
    }
  }
  for (const auto& [key, entry] : after) EXPECT_TRUE(before.count(key)) << key << " was made";
}

}  // namespace
}  // namespace tovir

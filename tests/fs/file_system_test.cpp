// The read-only file layer, run against the machine's own file system (under Wine for the Windows build).
#include "fs/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/dos_time.h"
#include "base/path.h"
#include "mkdata.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tovir {
namespace {

using test::Sjis;
using Strings = std::vector<std::string>;

Strings Listing(std::string_view path, bool* ok = nullptr) {
  Strings names;
  fs::Fault fault = fs::ListDirectory(fs::NativeFileSystem(), path,
                                      [&](const fs::Entry& e) { names.emplace_back(e.name); });
  if (ok != nullptr) *ok = fault == fs::Fault::kNone;
  std::sort(names.begin(), names.end());
  return names;
}

bool CanList(std::string_view path) {
  fs::Opened<fs::Directory> directory = fs::NativeFileSystem().OpenDirectory(path);
  return directory && directory->Listable();
}

std::string ReadAll(std::string_view path) {
  auto file = fs::NativeFileSystem().OpenRead(path);
  if (!file) return "<not opened>";
  std::string out(4096, '\0');
  out.resize(file->Read(out.data(), out.size()));
  return out;
}

TEST(FileSystem, ListsEveryEntryWithCp932Names) {
  test::TempFolder folder;
  mkdata::MakeDirectories(folder.Join({Sjis("設計")}));
  mkdata::WriteFile(folder.Join({"c.txt"}), "x");
  mkdata::WriteFile(folder.Join({Sjis("ﾌｧｲﾙ")}), "y");
  bool ok = false;
  EXPECT_EQ(Listing(folder.path(), &ok), (Strings{"c.txt", Sjis("設計"), Sjis("ﾌｧｲﾙ")}));
  EXPECT_TRUE(ok);
  EXPECT_TRUE(CanList(folder.Join({Sjis("設計")})));
  EXPECT_EQ(ReadAll(folder.Join({Sjis("ﾌｧｲﾙ")})), "y");
}

TEST(FileSystem, OnlyDirectoriesListAndOnlyRegularFilesOpen) {
  test::TempFolder folder;
  mkdata::WriteFile(folder.Join({"file"}), std::string("a\0b\r\n", 5));
  mkdata::MakeDirectories(folder.Join({"dir"}));
  auto& fs = fs::NativeFileSystem();
  struct Case {
    std::string path;
    bool lists, opens;
  } cases[] = {
      {folder.Join({"file"}), false, true},
      {folder.Join({"dir"}), true, false},
      {folder.Join({"missing"}), false, false},
      {folder.Join({"missing", "deeper"}), false, false},
      {folder.Join({"file", "below"}), false, false},
      {std::string(folder.Join({"file"})) + std::string("\0x", 2), false, false},  // never cut at a NUL
      {"", false, false},
  };
  for (const auto& c : cases) {
    bool listed = false;
    Listing(c.path, &listed);
    EXPECT_EQ(listed, c.lists) << c.path;
    EXPECT_EQ(CanList(c.path), c.lists) << c.path;
    EXPECT_EQ(fs.OpenRead(c.path) != nullptr, c.opens) << c.path;
  }
  EXPECT_EQ(ReadAll(folder.Join({"file"})), std::string("a\0b\r\n", 5));  // binary, no line-end translation
}

TEST(FileSystem, ReadsStopAtTheEndOfTheFile) {
  test::TempFolder folder;
  mkdata::WriteFile(folder.Join({"f"}), "0123456789");
  auto file = fs::NativeFileSystem().OpenRead(folder.Join({"f"}));
  ASSERT_NE(file, nullptr);
  char buffer[8];
  EXPECT_EQ(file->Read(buffer, 4), 4u);
  EXPECT_EQ(file->Read(buffer, 8), 6u);
  EXPECT_EQ(file->Read(buffer, 8), 0u);
}

TEST(FileSystem, LastWriteTimeIsLocalDosTime) {
  test::TempFolder folder;
  std::string path = folder.Join({"Mc000123.1@@"});
  mkdata::WriteFile(path, "x");
  struct Case {
    CivilTime when;
    const char* text;  // nullptr: outside the DOS range
  } cases[] = {
      {{2002, 4, 21, 13, 5, 58}, "02/04/21 13:05"},
      {{1999, 12, 31, 23, 59, 59}, "99/12/31 23:59"},
      {{1975, 6, 1, 12, 0, 0}, nullptr},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(mkdata::SetLastWriteTime(path, c.when));
    auto file = fs::NativeFileSystem().OpenRead(path);
    ASSERT_NE(file, nullptr);
    auto dos = file->LastWriteTime();
    if (c.text == nullptr) {
      EXPECT_FALSE(dos.has_value());
    } else {
      ASSERT_TRUE(dos.has_value());
      EXPECT_EQ(FormatUpdateDate(*dos), c.text);
    }
  }
}

TEST(FileSystem, FilesStayOpenableWhileAnotherProgramWritesThem) {
  test::TempFolder folder;
  std::string path = folder.Join({"MCSATO"});
  mkdata::WriteFile(path, "old");
  auto file = fs::NativeFileSystem().OpenRead(path);
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(mkdata::AppendFile(path, "new"));  // the CAD system may be writing while we read
  auto second = fs::NativeFileSystem().OpenRead(path);
  EXPECT_NE(second, nullptr);
}

// Large reads step over the holes of sparse files; what they give must be the file's bytes, holes as zeros,
// wherever the holes and the reads begin and end.
TEST(FileSystem, SparseFilesReadAsTheirBytesWithHolesAsZeros) {
  constexpr size_t kMiB = size_t{1} << 20;
  struct Piece {
    size_t offset;
    std::string bytes;
  };
  struct Case {
    const char* what;
    size_t size;
    std::vector<Piece> data;
  } cases[] = {
      {"all hole", 3 * kMiB, {}},
      {"data, hole, data, hole to the end", 4 * kMiB, {{0, "HEAD"}, {2 * kMiB + 5, "MIDDLE"}}},
      {"hole, then data at the end", 2 * kMiB + 10, {{2 * kMiB, "TAIL012345"}}},
      {"data across a read boundary", 2 * kMiB, {{kMiB - 3, "ACROSS"}}},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    std::string path = folder.Join({"MCSPARSE"});
    std::string expected(c.size, '\0');
    {
      std::ofstream out(path, std::ios::binary);
      for (const auto& p : c.data) {
        out.seekp(static_cast<std::streamoff>(p.offset));
        out.write(p.bytes.data(), static_cast<std::streamsize>(p.bytes.size()));
        expected.replace(p.offset, p.bytes.size(), p.bytes);
      }
    }
    std::filesystem::resize_file(path, c.size);
    for (size_t block : {size_t{64}, kMiB - 7, kMiB, 5 * kMiB}) {
      auto file = fs::NativeFileSystem().OpenRead(path);
      ASSERT_NE(file, nullptr);
      std::string got;
      std::string buffer(block, 'x');
      while (size_t n = file->Read(buffer.data(), block)) got.append(buffer, 0, n);
      EXPECT_TRUE(got == expected) << c.what << ", reads of " << block;
    }
  }
}

// A name converts character by character, as Windows converts it; one whose CP932 form does not lead back to
// it is listed in that form but never reached through it (it could name its neighbour), only through the
// listing's own disk name. The same on both file layers.
TEST(FileSystem, NamesReachTheEntryTheyWereListedFrom) {
  struct Case {
    const char* what;
    std::u8string disk;  // the name as the disk holds it
    std::string name;    // as the program sees it, CP932
    bool exact;
  } cases[] = {
      {"the five single bytes beyond Shift-JIS", u8"G\u0080\uF8F0\uF8F1\uF8F2\uF8F3", "G\x80\xA0\xFD\xFE\xFF",
       true},
      {"a character without a code", u8"\u8A2D\U0001F600\u8A08", Sjis("設") + "??" + Sjis("計"), false},
      {"a character without a code, next to a lead byte", u8"\u8A2D\u301C", Sjis("設") + "?", false},
      {"a similar character", u8"caf\u00E9", "cafe", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder folder;
    // Written by its disk name; a neighbour stands under the name its listing shows, when that is another.
    const std::filesystem::path dir = std::filesystem::path(folder.path()) / c.disk;
    ASSERT_TRUE(std::filesystem::create_directory(dir));
    std::ofstream(dir / "yamada", std::ios::binary) << "note";
    // (Windows takes no "?" in a name: there the lossy form reaches nothing at all.)
    const bool neighbour = !c.exact && (kPathSeparator == '/' || c.name.find('?') == std::string::npos);
    if (neighbour) mkdata::WriteFile(folder.Join({c.name, "yamada"}), "neighbour");
    std::string disk;
    fs::ListDirectory(fs::NativeFileSystem(), folder.path(), [&](const fs::Entry& e) {
      if (e.name == c.name && e.exact == c.exact) disk = e.disk;
    });
    ASSERT_FALSE(disk.empty());
    EXPECT_EQ(ReadAll(folder.Join({c.name, "yamada"})), c.exact     ? "note"
                                                        : neighbour ? "neighbour"
                                                                    : "<not opened>");
    fs::Opened<fs::Directory> top = fs::NativeFileSystem().OpenDirectory(folder.path());
    ASSERT_TRUE(top);
    fs::Opened<fs::Directory> listed = top->OpenDirectory(fs::Name::Disk(disk));
    ASSERT_TRUE(listed);
    char head[8] = {};
    fs::FileHead got = listed->ReadHead("yamada", head, sizeof head);
    EXPECT_EQ(std::string(head, got.got), "note");
  }
}

#ifdef _WIN32
TEST(FileSystem, DeviceNamesAreNotOpenedAsFiles) {
  test::TempFolder folder;
  for (const char* name : {"NUL", "CON", "COM1", "nul.txt"}) {
    EXPECT_EQ(fs::NativeFileSystem().OpenRead(folder.Join({name})), nullptr) << name;
  }
}
#else
TEST(FileSystem, PipesAndDevicesAreNeverOpened) {
  test::TempFolder folder;
  std::string fifo = folder.Join({"MCFIFO"});
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(fs::NativeFileSystem().OpenRead(fifo), nullptr);  // would block, or never end, if read
  EXPECT_FALSE(CanList(fifo));
  EXPECT_EQ(fs::NativeFileSystem().OpenRead("/dev/zero"), nullptr);
}

TEST(FileSystem, MissingComponentsAreFoundIgnoringLetterCase) {
  test::TempFolder folder("mcadam");
  mkdata::WriteFile(folder.Join({"Grp1", "v3IDXFT", "MCsato"}), "index");
  mkdata::WriteFile(folder.Join({"Grp1", "v3IDXFT", "MCSATO"}), "exact");
  mkdata::WriteFile(folder.Join({"Grp1", Sjis("設計"), "Mc000001.1@@"}), "drawing");
  std::string upper = folder.path().substr(0, folder.path().size() - 6) + "MCADAM";
  auto join = [](std::string a, std::initializer_list<std::string_view> parts) {
    for (auto p : parts) a += "/" + std::string(p);
    return a;
  };
  EXPECT_EQ(ReadAll(join(upper, {"GRP1", "V3idxft", "MCSATO"})), "exact");  // an exact name wins
  EXPECT_EQ(ReadAll(join(upper, {"grp1", "V3IDXFT", "MCsato"})), "index");
  EXPECT_EQ(ReadAll(join(upper, {"GRP1", Sjis("設計"), "mc000001.1@@"})), "drawing");
  EXPECT_TRUE(CanList(join(upper, {"GRP1", "V3idxft"})));
  EXPECT_EQ(ReadAll(join(upper, {"GRP2", "V3idxft", "MCSATO"})), "<not opened>");
}

TEST(FileSystem, NamesThatAreNotUtf8AreKeptAsTheirBytes) {
  test::TempFolder folder;
  // A Shift-JIS name copied from a floppy without conversion: its bytes are already CP932.
  std::string raw = folder.path() + "/\x90\xdd\x8c\x76";
  std::ofstream(raw, std::ios::binary) << "raw";  // the bytes as the name on disk, not UTF-8
  Strings names = Listing(folder.path());
  EXPECT_NE(std::find(names.begin(), names.end(), "\x90\xdd\x8c\x76"), names.end());
  EXPECT_EQ(ReadAll(raw), "raw");
}
#endif

}  // namespace
}  // namespace tovir

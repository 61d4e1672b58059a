// A drawing file's update date and note.
#include "reader/file_info.h"

#include <gtest/gtest.h>

#include "base/path.h"
#include "mkdata.h"

#ifndef _WIN32
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#endif
#include "support/memory_file_system.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"

namespace tovir {
namespace {

using namespace std::string_literals;
using test::Sjis;

TEST(FileInfo, NoteIsBytes104To159UpToTheFirstNul) {
  std::string padded = "ABC" + std::string(53, ' ');
  std::string kanji;
  for (int i = 0; i < 28; ++i) kanji += Sjis("図");
  std::string sized120 = std::string(104, 'h') + "0123456789ABCDEF";
  struct Case {
    const char* what;
    std::string file;
    std::string note;
  } cases[] = {
      {"blanks kept", mkdata::DrawingFileBytes(padded), padded},
      {"NUL ends it", mkdata::DrawingFileBytes("ABC\0DEF"s), "ABC"},
      {"first byte NUL", mkdata::DrawingFileBytes(""), ""},
      {"28 double-byte characters", mkdata::DrawingFileBytes(kanji), kanji},
      {"nothing past byte 159", mkdata::DrawingFileBytes(std::string(56, 'N') + "MORE"),
       std::string(56, 'N')},
      {"file of 120 bytes", sized120, "0123456789ABCDEF"},
      {"file of 120 bytes with a NUL", std::string(104, 'h') + "0123\0"s + std::string(11, 'x'), "0123"},
      {"file of 104 bytes", std::string(104, 'h'), ""},
      {"file of 100 bytes", std::string(100, 'h'), ""},
      {"empty file", "", ""},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    mkdata::WriteFile(folder.Join({"GRP1", "yamada", "Mc000123.1@@"}), c.file);
    mkdata::SetLastWriteTime(folder.Join({"GRP1", "yamada", "Mc000123.1@@"}), {2002, 4, 21, 13, 5, 58});
    FileInfo info =
        ReadFileInfo(fs::NativeFileSystem(), folder.Join({"GRP1", "V3idxft"}), "yamada", "Mc000123.1@@");
    EXPECT_TRUE(info.opened) << c.what;
    EXPECT_EQ(info.note, c.note) << c.what;
    EXPECT_EQ(info.updateDate, "02/04/21 13:05") << c.what;
  }
}

TEST(FileInfo, UpdateDateIsTheLastWriteTimeOrEmptyOutsideTheDosRange) {
  struct Case {
    CivilTime when;
    const char* text;
  } cases[] = {
      {{1999, 12, 31, 23, 59, 59}, "99/12/31 23:59"},
      {{2000, 1, 1, 0, 0, 0}, "00/01/01 00:00"},
      {{2002, 4, 21, 9, 5, 0}, "02/04/21 09:05"},
      {{2010, 10, 10, 10, 10, 0}, "10/10/10 10:10"},
      {{1975, 1, 1, 0, 0, 0}, ""},
  };
  test::TempFolder folder;
  std::string path = folder.Join({"G", "SATO", "Mc000001.1@@"});
  mkdata::WriteFile(path, mkdata::DrawingFileBytes("NOTE"));
  for (const auto& c : cases) {
    ASSERT_TRUE(mkdata::SetLastWriteTime(path, c.when));
    FileInfo info =
        ReadFileInfo(fs::NativeFileSystem(), folder.Join({"G", "V3idxft"}), "SATO", "Mc000001.1@@");
    EXPECT_TRUE(info.opened);
    EXPECT_EQ(info.updateDate, c.text);
    EXPECT_EQ(info.note, "NOTE");
  }
}

// The update date is the file's UTC time shown in the zone the machine is in, by either reader. (Made from a
// UTC time, not from a local time converted with the same offset, which would hide an offset applied the
// wrong way round.)
TEST(FileInfo, UpdateDateIsTheLastWriteTimeInTheMachinesZone) {
  struct Case {
    const char* zone;
    const char* text;
  } cases[] = {
      {"UTC0", "02/04/21 02:05"},
      {"JST-9", "02/04/21 11:05"},
      {"EST5", "02/04/20 21:05"},
  };
  constexpr int64_t kUtc = 1019354758;  // 2002-04-21 02:05:58 UTC
  test::MemoryFileSystem memory;
  const std::string index = JoinPath(JoinPath("M", "G"), "V3idxft");
  memory.AddDirectory(index);
  memory.AddFile(JoinPath(JoinPath(JoinPath("M", "G"), "SATO"), "Mc000001.1@@"),
                 test::MemoryFileSystem::FileEntry{mkdata::DrawingFileBytes("NOTE"), kUtc});
#ifndef _WIN32
  test::TempFolder folder;
  std::string path = folder.Join({"G", "SATO", "Mc000001.1@@"});
  mkdata::WriteFile(path, mkdata::DrawingFileBytes("NOTE"));
  mkdata::MakeDirectories(folder.Join({"G", "V3idxft"}));
  auto when = std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(kUtc)));
  std::filesystem::last_write_time(path, when);
#endif
  for (const auto& c : cases) {
    test::ScopedTimeZone zone(c.zone);
    EXPECT_EQ(ReadFileInfo(memory, index, "SATO", "Mc000001.1@@").updateDate, c.text) << c.zone;
    EXPECT_EQ(DrawingFileReader(memory, index).Read("SATO", "Mc000001.1@@").updateDate, c.text) << c.zone;
#ifndef _WIN32
    std::string disk = folder.Join({"G", "V3idxft"});
    EXPECT_EQ(ReadFileInfo(fs::NativeFileSystem(), disk, "SATO", "Mc000001.1@@").updateDate, c.text)
        << c.zone;
    EXPECT_EQ(DrawingFileReader(fs::NativeFileSystem(), disk).Read("SATO", "Mc000001.1@@").updateDate, c.text)
        << c.zone;
#endif
  }
}

TEST(FileInfo, DrawingFileIsFoundInTheUserDirectoryBesideTheIndexDirectory) {
  test::TempFolder folder;
  mkdata::WriteFile(folder.Join({"GRP1", " sa to", "Mc00 01.1@@"}), mkdata::DrawingFileBytes("BLANKS"));
  mkdata::WriteFile(folder.Join({Sjis("表示"), Sjis("高橋"), "Mc000001.1@@"}),
                    mkdata::DrawingFileBytes("JP"));
  mkdata::MakeDirectories(folder.Join({"GRP1", "SATO", "Mc000009.1@@"}));
  auto& fs = fs::NativeFileSystem();
  // A user name with blanks needs a user directory named with them.
  EXPECT_EQ(ReadFileInfo(fs, folder.Join({"GRP1", "V3idxft"}), " sa to", "Mc00 01.1@@").note, "BLANKS");
  EXPECT_FALSE(ReadFileInfo(fs, folder.Join({"GRP1", "V3idxft"}), "sa to", "Mc00 01.1@@").opened);
  // "表" ends in the byte 0x5C, which must not be taken for a separator.
  EXPECT_EQ(ReadFileInfo(fs, folder.Join({Sjis("表示"), "V3idxft"}), Sjis("高橋"), "Mc000001.1@@").note,
            "JP");
  EXPECT_FALSE(ReadFileInfo(fs, folder.Join({"GRP1", "V3idxft"}), "SATO", "Mc000002.1@@").opened);
  EXPECT_FALSE(ReadFileInfo(fs, folder.Join({"GRP1", "V3idxft"}), "SATO", "Mc000009.1@@").opened);
  EXPECT_FALSE(ReadFileInfo(fs, folder.Join({"GRP1", "V3idxft"}), "", "Mc").opened);
}

// The full display reads through a DrawingFileReader, the row detail through ReadFileInfo: for every drawing
// both must give the same, in whatever order the drawings come.
TEST(FileInfo, ReaderWithOpenUserDirectoriesGivesWhatReadFileInfoGives) {
  test::TempFolder folder;
  auto put = [&](std::initializer_list<std::string_view> parts, std::string bytes, int minute) {
    std::string path = folder.Join(parts);
    mkdata::WriteFile(path, bytes);
    mkdata::SetLastWriteTime(path, {2002, 4, 21, 13, minute, 0});
  };
  put({"G", "SATO", "Mc000001.1@@"}, mkdata::DrawingFileBytes("ONE"), 1);
  put({"G", "SATO", "Mc000002.1@@"}, std::string(120, 'x'), 2);
  put({"G", Sjis("高橋"), "Mc000003.1@@"}, mkdata::DrawingFileBytes(Sjis("注記")), 3);
  put({"G", " sa to", "Mc00 04.1@@"}, mkdata::DrawingFileBytes("BLANK"), 4);
  put({"G", "Mc"}, mkdata::DrawingFileBytes("EMPTY USER"), 5);
  mkdata::MakeDirectories(folder.Join({"G", "SATO", "Mc000009.1@@"}));
  mkdata::MakeDirectories(folder.Join({"G", "V3idxft"}));
  struct Case {
    std::string user, file;
  } cases[] = {
      {"SATO", "Mc000001.1@@"},
      {"SATO", "Mc000002.1@@"},
      {"SATO", "Mc000404.1@@"},  // missing
      {"SATO", "Mc000009.1@@"},  // a directory
      {Sjis("高橋"), "Mc000003.1@@"},
      {" sa to", "Mc00 04.1@@"},
      {"sa to", "Mc00 04.1@@"},
      {"NOBODY", "Mc000001.1@@"},
      {"", "Mc"},
      {"SATO", "Mc000001.1@@"},  // a user directory again
      {"SATO", "Mc\\0001.1@@"},  // a separator on Windows, a plain byte elsewhere
  };
  auto& fs = fs::NativeFileSystem();
  std::string index = folder.Join({"G", "V3idxft"});
  DrawingFileReader reader(fs, index);
  for (const auto& c : cases) {
    FileInfo expected = ReadFileInfo(fs, index, c.user, c.file);
    FileInfo got = reader.Read(c.user, c.file);
    EXPECT_EQ(got.opened, expected.opened) << c.user << "/" << c.file;
    EXPECT_EQ(got.updateDate, expected.updateDate) << c.user << "/" << c.file;
    EXPECT_EQ(got.note, expected.note) << c.user << "/" << c.file;
  }
  EXPECT_EQ(reader.Read("SATO", "Mc000001.1@@").note, "ONE");
  EXPECT_EQ(reader.Read("SATO", "Mc000002.1@@").note, std::string(16, 'x'));
}

#ifndef _WIN32
// Data copied from FAT media may carry other letter cases than the index records; the exact name is tried
// first, and the case-blind lookup finds the rest (and never a FIFO, which would block).
TEST(FileInfo, ReaderFindsNamesIgnoringLetterCaseOnlyWhenTheExactNameFails) {
  test::TempFolder folder;
  mkdata::WriteFile(folder.Join({"G", "sato", "MC000001.1@@"}), mkdata::DrawingFileBytes("UPPER"));
  mkdata::WriteFile(folder.Join({"G", "sato", "mc000002.1@@"}), mkdata::DrawingFileBytes("LOWER"));
  mkdata::WriteFile(folder.Join({"G", "sato", "Mc000002.1@@"}), mkdata::DrawingFileBytes("EXACT"));
  ASSERT_EQ(mkfifo(folder.Join({"G", "sato", "mc000003.1@@"}).c_str(), 0600), 0);
  mkdata::MakeDirectories(folder.Join({"G", "V3idxft"}));
  DrawingFileReader reader(fs::NativeFileSystem(), folder.Join({"G", "V3idxft"}));
  EXPECT_EQ(reader.Read("SATO", "Mc000001.1@@").note, "UPPER");
  EXPECT_EQ(reader.Read("SATO", "Mc000002.1@@").note, "EXACT");
  EXPECT_FALSE(reader.Read("SATO", "Mc000003.1@@").opened);
  EXPECT_FALSE(reader.Read("SATO", "Mc000004.1@@").opened);
}
#endif

TEST(FileInfo, GroupDirectoryKeepsTheSeparatorBeforeTheIndexDirectory) {
  std::string sep(1, kPathSeparator);
  EXPECT_EQ(GroupDirectoryOf("A" + sep + "MCADAM" + sep + "GRP1" + sep + "V3idxft"),
            "A" + sep + "MCADAM" + sep + "GRP1" + sep);
  EXPECT_EQ(GroupDirectoryOf("V3idxft"), "");
  EXPECT_EQ(DrawingFilePath("M" + sep + "G" + sep + "V3idxft", "yamada", "Mc000123.1@@"),
            "M" + sep + "G" + sep + "yamada" + sep + "Mc000123.1@@");
#ifdef _WIN32
  EXPECT_EQ(GroupDirectoryOf("A:V3idxft"), "A:");
  EXPECT_EQ(GroupDirectoryOf("A:\\MCADAM\\\x95\x5c\\V3idxft"), "A:\\MCADAM\\\x95\x5c\\");
#endif
}

}  // namespace
}  // namespace tovir

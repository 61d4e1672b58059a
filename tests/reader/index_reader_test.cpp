// The index file reader: records to drawing table.
#include "reader/index_reader.h"

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/path.h"
#include "mkdata.h"
#include "reader/folder_scan.h"
#include "support/memory_file_system.h"
#include "support/temp_folder.h"

namespace tovir {
namespace {

using namespace std::string_literals;
using mkdata::EncodeRecord;
using mkdata::Record;
using Strings = std::vector<std::string>;

struct Table {
  StringList users, names, files;
  DrawingTable ref() { return {users, names, files}; }
};

// Writes the index files (name, bytes) of one group and reads the group back.
Table ReadGroup(const test::TempFolder& folder,
                const std::vector<std::pair<std::string, std::string>>& indexFiles) {
  std::string index = folder.Join({"GRP1", "V3idxft"});
  mkdata::MakeDirectories(index);
  for (const auto& [name, bytes] : indexFiles) mkdata::WriteFile(JoinPath(index, name), bytes);
  StringList files(StringList::Order::kSorted);
  StringList users(StringList::Order::kSorted);
  ScanIndexDirectory(fs::NativeFileSystem(), index, files, users);
  Table table;
  ReadIndexFiles(fs::NativeFileSystem(), index, files, table.ref());
  return table;
}

std::string Raw(std::string bytes) {
  bytes.resize(mkdata::kRecordSize, '\0');
  return bytes;
}

TEST(IndexReader, RecordsBecomeUserDrawingNameAndFileName) {
  struct Case {
    const char* what;
    std::string record;
    std::string name, file;  // name empty: the record gives no drawing
  } cases[] = {
      {"plain", EncodeRecord({'1', "000123", "A-1234", "01"}), "A-1234,01" + std::string(12, ' '),
       "Mc000123.1@@"},
      {"deleted", EncodeRecord({'0', "000124", "A-1", "01"}), "", ""},
      {"NUL status is a drawing", EncodeRecord({'\0', "000125", "B", ""}), "B," + std::string(19, ' '),
       "Mc000125.1@@"},
      {"all NUL", Raw(""), "," + std::string(20, ' '), "Mc"},
      {"full width fields", EncodeRecord({'1', "999999", "ABCDEFGHIJKLMNOP", "WXYZ"}),
       "ABCDEFGHIJKLMNOP,WXYZ", "Mc999999.1@@"},
      {"inner blank stays", EncodeRecord({'1', "000001", "  AB CD", " 2"}), "AB CD,2" + std::string(14, ' '),
       "Mc000001.1@@"},
      {"file number untrimmed", EncodeRecord({'1', "12", "P", "F"}), "P,F" + std::string(18, ' '),
       "Mc12    .1@@"},
      {"NUL inside a field ends the entry", EncodeRecord({'1', "000002", "AB\0CD"s, "F"}), "AB",
       "Mc000002.1@@"},
      {"control bytes trimmed",
       Raw("1" + std::string(11, 'x') + "000003" + std::string(15, 'x') + "\t\x01P1\x1f" +
           std::string(11, '\0') + "x" +
           "\x10"
           "F\r\n"),
       "P1,F" + std::string(17, ' '), "Mc000003.1@@"},
      {"double-byte PN", EncodeRecord({'1', "000004", test::Sjis("歯車-01"), test::Sjis("改")}),
       test::Sjis("歯車-01,改") + std::string(11, ' '), "Mc000004.1@@"},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    Table t = ReadGroup(folder, {{"MCYAMADA", mkdata::IndexFileBytes({c.record})}});
    if (c.name.empty()) {
      EXPECT_EQ(t.names.Count(), 0u) << c.what;
      continue;
    }
    ASSERT_EQ(t.names.Count(), 1u) << c.what;
    EXPECT_EQ(t.users[0], "YAMADA") << c.what;
    EXPECT_EQ(t.names[0], c.name) << c.what;
    EXPECT_EQ(t.files[0], c.file) << c.what;
  }
}

TEST(IndexReader, FilesInListOrderRecordsInFileOrderDuplicatesKept) {
  test::TempFolder folder;
  auto rec = [](const char* pn) { return EncodeRecord({'1', "000001", pn, "01"}); };
  Table t = ReadGroup(folder, {{"MCb", mkdata::IndexFileBytes({rec("B1"), rec("B2")})},
                               {"MCa_1", mkdata::IndexFileBytes({rec("A1"), rec("A1")})},
                               {"MC", mkdata::IndexFileBytes({rec("N1")})}});
  EXPECT_EQ(t.users.ToVector(), (Strings{"", "a", "a", "b", "b"}));
  Strings names;
  for (auto n : t.names.ToVector()) names.push_back(std::string(Trim(n)));
  EXPECT_EQ(names, (Strings{"N1,01", "A1,01", "A1,01", "B1,01", "B2,01"}));
}

TEST(IndexReader, ShortAndPartialFilesGiveWhatTheyHold) {
  std::string header(64, 'H');
  std::string partial = "1" + std::string(11, 'x') + "000777" + std::string(15, 'x') + "PART";  // 37 bytes
  struct Case {
    const char* what;
    std::string bytes;
    Strings names, files;
  } cases[] = {
      {"shorter than the header", std::string(40, '1'), {}, {}},
      {"header only", header, {}, {}},
      {"partial trailing record reads as NUL-padded",
       header + partial,
       {"PART," + std::string(16, ' ')},
       {"Mc000777.1@@"}},
      {"one byte past the header", header + "1", {"," + std::string(20, ' ')}, {"Mc"}},
      {"whole record then partial",
       header + EncodeRecord({'1', "000001", "W", "1"}) + "0",
       {"W,1" + std::string(18, ' ')},
       {"Mc000001.1@@"}},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    Table t = ReadGroup(folder, {{"MCSATO", c.bytes}});
    EXPECT_EQ(t.names.ToVector(), c.names) << c.what;
    EXPECT_EQ(t.files.ToVector(), c.files) << c.what;
  }
}

TEST(IndexReader, AnIndexFileThatCannotBeOpenedHidesOnlyItself) {
  test::TempFolder folder;
  std::string index = folder.Join({"GRP1", "V3idxft"});
  mkdata::MakeDirectories(JoinPath(index, "MCB_DIR"));  // listed, but a directory does not open
  Table t = ReadGroup(folder, {{"MCA", mkdata::IndexFileBytes({EncodeRecord({'1', "000001", "A", "1"})})},
                               {"MCC", mkdata::IndexFileBytes({EncodeRecord({'1', "000002", "C", "1"})})}});
  EXPECT_EQ(t.users.ToVector(), (Strings{"A", "C"}));
  EXPECT_EQ(t.files.ToVector(), (Strings{"Mc000001.1@@", "Mc000002.1@@"}));
}

// Index files that cannot be opened, or fail part way, anywhere in the group: every other file is read, the
// result names the first one passed over and counts them all, and no file is left open.
TEST(IndexReader, UnreadableIndexFilesArePassedOverAndCounted) {
  using Fault = test::MemoryFileSystem::Fault;
  auto records = [](const char* pn, int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(EncodeRecord({'1', "00000" + std::to_string(i), pn, "1"}));
    return mkdata::IndexFileBytes(out);
  };
  struct Case {
    const char* what;
    Fault a, b, c;
    size_t readable;  // bytes of MCB that read before its read fails
    Strings users;
    size_t unreadable;
    const char* first;
  } cases[] = {
      {"all readable", Fault::kNone, Fault::kNone, Fault::kNone, 0, {"A", "B", "B", "C"}, 0, ""},
      {"second of three", Fault::kNone, Fault::kOpenFails, Fault::kNone, 0, {"A", "C"}, 1, "MCB"},
      {"first and last", Fault::kOpenFails, Fault::kNone, Fault::kOpenFails, 0, {"B", "B"}, 2, "MCA"},
      {"none opens", Fault::kOpenFails, Fault::kOpenFails, Fault::kOpenFails, 0, {}, 3, "MCA"},
      {"read fails in the header", Fault::kNone, Fault::kReadFails, Fault::kNone, 10, {"A", "C"}, 1, "MCB"},
      {"read fails after a record keeps it",
       Fault::kNone,
       Fault::kReadFails,
       Fault::kNone,
       64 + 192,
       {"A", "B", "C"},
       1,
       "MCB"},
  };
  for (const auto& c : cases) {
    test::MemoryFileSystem fs;
    std::string index = JoinPath(JoinPath(JoinPath("X", "MCADAM"), "GRP1"), "V3idxft");
    fs.AddFile(JoinPath(index, "MCC"), {records("C", 1), std::nullopt, c.c});
    fs.AddFile(JoinPath(index, "MCA"), {records("A", 1), std::nullopt, c.a});
    fs.AddFile(JoinPath(index, "MCB"), {records("B", 2), std::nullopt, c.b, c.readable});
    StringList files(StringList::Order::kSorted), users(StringList::Order::kSorted);
    ASSERT_TRUE(ScanIndexDirectory(fs, index, files, users).listed);
    Table t;
    IndexReadResult r = ReadIndexFiles(fs, index, files, t.ref());
    EXPECT_EQ(t.users.ToVector(), c.users) << c.what;
    EXPECT_EQ(t.names.Count(), c.users.size()) << c.what;
    EXPECT_EQ(t.files.Count(), c.users.size()) << c.what;
    EXPECT_EQ(r.unreadable, c.unreadable) << c.what;
    EXPECT_EQ(r.firstUnreadable, c.first) << c.what;
    EXPECT_EQ(fs.OpenFiles(), 0) << c.what;
  }
}

TEST(IndexReader, TheStatusTextNamesTheFirstFilePassedOverAndCountsTheRest) {
  struct Case {
    size_t unreadable;
    std::string first;
    std::string text;
  };
  // A vector rather than an array of results: GCC 12 at -O3 takes the array's strings for uninitialised.
  const std::vector<Case> cases{
      {0, "", ""},
      {1, "MCSATO ", test::Sjis("インデックスファイルを読めません：MCSATO ")},
      {3, test::Sjis("MC高橋"), test::Sjis("インデックスファイルを読めません：MC高橋 ほか2件")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnreadableIndexFilesText(IndexReadResult{c.unreadable, c.first}), c.text) << c.text;
  }
}

TEST(IndexReader, LargeFilesReadAcrossBlocksGiveEveryRecord) {
  test::TempFolder folder;
  std::vector<std::string> records;
  const int n = 10007;  // more than two read blocks, not a multiple of one
  for (int i = 0; i < n; ++i) {
    records.push_back(EncodeRecord(
        {i % 1000 == 999 ? '0' : '1', std::to_string(100000 + i), "P" + std::to_string(i), "1"}));
  }
  Table t = ReadGroup(folder, {{"MCBIG", mkdata::IndexFileBytes(records)}});
  ASSERT_EQ(t.names.Count(), static_cast<size_t>(n - n / 1000));
  ASSERT_EQ(t.files.Count(), t.names.Count());
  ASSERT_EQ(t.users.Count(), t.names.Count());
  EXPECT_EQ(t.files[0], "Mc100000.1@@");
  EXPECT_EQ(t.files[t.files.Count() - 1], "Mc110006.1@@");
  EXPECT_EQ(Trim(t.names[998]), "P998,1");
  EXPECT_EQ(Trim(t.names[999]), "P1000,1");  // record 999 was deleted
}

}  // namespace
}  // namespace tovir

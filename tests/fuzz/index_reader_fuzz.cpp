// The group scan and the index file reader over index files of any names and bytes, some of which cannot be
// opened or fail part way. Input: up to 8 files, each a flag byte (low 2 bits: 0 a file, 1 a file that does
// not open, 2 a file whose reads fail after its first half, 3 a directory), a name length byte, the name, a
// 16-bit little-endian content length and the content; a short input ends the last file early.
#include <set>
#include <string>
#include <string_view>

#include "base/path.h"
#include "fuzz_check.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"
#include "support/memory_file_system.h"

using namespace tovir;

namespace {

std::string_view Take(std::string_view& in, size_t n) {
  std::string_view out = in.substr(0, n);
  in.remove_prefix(out.size());
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  test::MemoryFileSystem fs;
  const std::string index = JoinPath(JoinPath(JoinPath("F", "MCADAM"), "G"), "V3idxft");
  fs.AddDirectory(index);
  size_t maxRecords = 0;  // records the readable files could hold at most
  for (int i = 0; i < 8 && !in.empty(); ++i) {
    unsigned flags = static_cast<unsigned char>(Take(in, 1)[0]);
    std::string_view lengthByte = Take(in, 1);
    std::string name(Take(in, lengthByte.empty() ? 0 : static_cast<unsigned char>(lengthByte[0])));
    std::string_view lengthBytes = Take(in, 2);
    size_t length = lengthBytes.size() < 2
                        ? 0
                        : static_cast<unsigned char>(lengthBytes[0]) |
                              static_cast<size_t>(static_cast<unsigned char>(lengthBytes[1])) << 8;
    std::string path = JoinPath(index, name);
    if ((flags & 3) == 3) {
      fs.AddDirectory(path);
      continue;
    }
    test::MemoryFileSystem::FileEntry entry;
    entry.bytes = std::string(Take(in, length));
    entry.fault = (flags & 3) == 1   ? test::MemoryFileSystem::Fault::kOpenFails
                  : (flags & 3) == 2 ? test::MemoryFileSystem::Fault::kReadFails
                                     : test::MemoryFileSystem::Fault::kNone;
    entry.readableBytes = entry.bytes.size() / 2;
    maxRecords += (entry.bytes.size() + kIndexRecordSize - 1) / kIndexRecordSize;
    fs.AddFile(path, std::move(entry));
  }

  StringList files(StringList::Order::kSorted), users(StringList::Order::kSorted);
  FUZZ_CHECK(ScanIndexDirectory(fs, index, files, users).listed);
  FUZZ_CHECK(files.Count() == users.Count());
  StringList u, n, f;
  IndexReadResult result = ReadIndexFiles(fs, index, files, {u, n, f});

  // The three lists stay in step, every entry keeps its width and holds no NUL.
  FUZZ_CHECK(u.Count() == n.Count() && n.Count() == f.Count());
  FUZZ_CHECK(n.Count() <= maxRecords);
  std::set<std::string> userNames;
  for (size_t i = 0; i < users.Count(); ++i) userNames.emplace(users[i]);
  for (size_t i = 0; i < n.Count(); ++i) {
    FUZZ_CHECK(u[i].size() <= 6 && n[i].size() <= kDrawingNameWidth && f[i].size() <= 12);
    FUZZ_CHECK(f[i].substr(0, 2) == "Mc");
    for (std::string_view s : {u[i], n[i], f[i]}) FUZZ_CHECK(s.find('\0') == std::string_view::npos);
    FUZZ_CHECK(userNames.count(std::string(u[i])) == 1);  // every drawing's user is in the user list
  }
  // What was passed over is counted and named.
  FUZZ_CHECK(result.unreadable <= files.Count());
  FUZZ_CHECK((result.unreadable == 0) == UnreadableIndexFilesText(result).empty());
  if (result.unreadable > 0) {
    bool listed = false;
    for (size_t i = 0; i < files.Count(); ++i) listed = listed || files[i] == result.firstUnreadable;
    FUZZ_CHECK(listed);
  }
  FUZZ_CHECK(fs.OpenFiles() == 0);
  return 0;
}

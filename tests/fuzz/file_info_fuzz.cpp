// The drawing file reader over a drawing file of any bytes and any 64-bit last-write time. Input: a flag byte
// (bit 0: the file system keeps a time; bit 1: the file does not open), 8 bytes of the time in seconds since
// 1970 UTC (little-endian, two's complement), then the file's bytes.
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "base/dos_time.h"
#include "base/path.h"
#include "fuzz_check.h"
#include "reader/file_info.h"
#include "support/memory_file_system.h"

using namespace tovir;

namespace {

// Local time nine hours ahead of UTC, as on the machines the program is made for: an offset that is not zero
// also takes the times at the ends of the 64-bit range past their limit.
const bool kZoneSet = [] {
#ifdef _WIN32
  _putenv_s("TZ", "JST-9");
  _tzset();
#else
  setenv("TZ", "JST-9", 1);
  tzset();
#endif
  return true;
}();

bool Digits(std::string_view s) {
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  const bool keepsTime = (data[0] & 1) != 0;
  const bool opens = (data[0] & 2) == 0;
  uint64_t bits = 0;
  for (int i = 8; i >= 1; --i) bits = bits << 8 | data[i];
  const auto when = static_cast<int64_t>(bits);

  test::MemoryFileSystem fs;
  const std::string index = JoinPath(JoinPath(JoinPath("F", "MCADAM"), "G"), "V3idxft");
  test::MemoryFileSystem::FileEntry entry;
  entry.bytes.assign(reinterpret_cast<const char*>(data) + 9, size - 9);
  if (keepsTime) entry.lastWriteUtc = when;
  if (!opens) entry.fault = test::MemoryFileSystem::Fault::kOpenFails;
  const std::string content = entry.bytes;
  fs.AddFile(DrawingFilePath(index, "SATO", "Mc000001.1@@"), std::move(entry));

  FileInfo info = ReadFileInfo(fs, index, "SATO", "Mc000001.1@@");
  FUZZ_CHECK(fs.OpenFiles() == 0);
  FUZZ_CHECK(info.opened == opens);
  if (!opens) {
    FUZZ_CHECK(info.updateDate.empty() && info.note.empty());
    return 0;
  }
  // The note: the 56 bytes at offset 104, as far as the file goes, up to the first NUL.
  std::string expected =
      content.size() > kNoteOffset ? content.substr(kNoteOffset, kNoteSize) : std::string();
  expected = expected.substr(0, expected.find('\0'));
  FUZZ_CHECK(info.note == expected);
  // The date: "yy/mm/dd hh:mm" with every field in its range, or nothing for a time outside the DOS range.
  const std::string& d = info.updateDate;
  FUZZ_CHECK(d.empty() || d.size() == 14);
  FUZZ_CHECK(!d.empty() || !keepsTime || !LocalDosDateTimeOf(when));
  if (!d.empty()) {
    FUZZ_CHECK(keepsTime);
    FUZZ_CHECK(d[2] == '/' && d[5] == '/' && d[8] == ' ' && d[11] == ':');
    for (size_t at : {0u, 3u, 6u, 9u, 12u}) FUZZ_CHECK(Digits(d.substr(at, 2)));
    int month = std::atoi(d.substr(3, 2).c_str()), day = std::atoi(d.substr(6, 2).c_str());
    int hour = std::atoi(d.substr(9, 2).c_str()), minute = std::atoi(d.substr(12, 2).c_str());
    FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59);
    // Within the DOS range, the text is the local calendar time of `when`.
    CivilTime local = CivilFromSeconds(when + 9 * 3600);
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d", local.year % 100, local.month, local.day,
                  local.hour, local.minute);
    FUZZ_CHECK(d == text);
  }
  return 0;
}

// Builds drawing-data folders for tests, benchmarks and the bundled sample.
#include "mkdata.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/encoding.h"
#include "base/path.h"

namespace tovir::mkdata {

namespace {

namespace stdfs = std::filesystem;

std::string Field(std::string_view text, size_t size) {
  std::string out(text.substr(0, size));
  out.resize(size, ' ');
  return out;
}

// The disk's form of a CP932 path: UTF-16 on Windows, UTF-8 on POSIX (raw bytes where a name is not CP932
// text, which the program's file layer finds again by those bytes).
stdfs::path DiskPath(std::string_view path) {
#ifdef _WIN32
  std::u16string wide = Cp932ToUtf16(path);
  return stdfs::path(std::wstring(wide.begin(), wide.end()));
#else
  if (auto utf8 = Cp932ToUtf8Exact(path)) return stdfs::path(*utf8);
  return stdfs::path(std::string(path));
#endif
}

bool Write(std::string_view path, std::string_view bytes, std::ios::openmode mode) {
  stdfs::path disk = DiskPath(path);
  std::error_code ec;
  if (disk.has_parent_path()) stdfs::create_directories(disk.parent_path(), ec);
  std::ofstream out(disk, std::ios::binary | mode);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// A small, fixed generator: the same seed gives the same folder on every platform and library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  const std::string& Pick(const std::vector<std::string>& items) {
    return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  uint64_t state_;
};

std::string Cp932(std::string_view utf8) {
  return Utf8ToCp932Lossy(utf8);
}

const char* const kGroupNames[] = {"GRP1", "SEKKEI", "設計",     "KIKAI",
                                   "試作", "DENKI",  "HINSHITU", "生産技術"};
// At most 6 bytes and no "_": the index file name carries the user directory's name in its bytes 3 to 8.
const char* const kUserNames[] = {"YAMADA", "SATO", "suzuki", "TANAKA", "ITO", "KATO", "高橋", "NAKA"};
const char* const kPartPrefixes[] = {"A", "B", "BRKT", "SHAFT", "GEAR", "FLANGE", "PLATE", "軸", "歯車"};
const char* const kNotes[] = {
    "GEAR BOX",   "ギアボックス組立図", "シャフト 加工図", "ブラケット（右）",
    "MOTOR BASE", "フランジ 試作品",    "COVER PLATE",     "軸受ハウジング",
    "",           "配線図 第２版",
};

// The made-up texts in CP932, converted once: a conversion per record would cost more than writing the
// record.
struct Texts {
  std::vector<std::string> groups, users, parts, notes;
};

const Texts& CachedTexts() {
  static const Texts texts = [] {
    auto convert = [](const auto& utf8) {
      std::vector<std::string> out;
      for (const char* text : utf8) out.push_back(Cp932(text));
      return out;
    };
    return Texts{convert(kGroupNames), convert(kUserNames), convert(kPartPrefixes), convert(kNotes)};
  }();
  return texts;
}

}  // namespace

std::string UserName(int u) {
  const Texts& texts = CachedTexts();
  if (u < static_cast<int>(texts.users.size())) return texts.users[static_cast<size_t>(u)];
  if (u < 100000) return "U" + std::to_string(u);
  constexpr int kDigits = 5;
  constexpr int kBlock = 36 * 36 * 36 * 36 * 36;
  int rest = u - 100000;
  std::string name(1 + kDigits, ' ');
  name[0] = static_cast<char>('V' + rest / kBlock);
  rest %= kBlock;
  for (int i = kDigits; i >= 1; --i, rest /= 36) {
    name[static_cast<size_t>(i)] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[rest % 36];
  }
  return name;
}

std::string EncodeRecord(const Record& record) {
  std::string out(kRecordSize, '\0');
  out[0] = record.status;
  out.replace(12, 6, Field(record.fileNumber, 6));
  out.replace(33, 16, Field(record.pn, 16));
  out.replace(50, 4, Field(record.fn, 4));
  return out;
}

std::string IndexFileBytes(const std::vector<std::string>& rawRecords) {
  std::string out(kHeaderSize, '\0');
  out.replace(0, 8, "MCIDX3  ");
  for (const auto& record : rawRecords) out += record;
  return out;
}

std::string DrawingFileBytes(std::string_view note, size_t size) {
  std::string out(size < 160 ? 160 : size, '\0');
  out.replace(0, 8, "MCDRW3  ");
  out.replace(104, note.size() < 56 ? note.size() : 56, note.substr(0, 56));
  out.resize(size);
  return out;
}

bool MakeDirectories(std::string_view path) {
  std::error_code ec;
  stdfs::create_directories(DiskPath(path), ec);
  return stdfs::is_directory(DiskPath(path), ec);
}

bool WriteFile(std::string_view path, std::string_view bytes) {
  return Write(path, bytes, std::ios::trunc);
}

bool AppendFile(std::string_view path, std::string_view bytes) {
  return Write(path, bytes, std::ios::app);
}

bool SetLastWriteTime(std::string_view path, const CivilTime& localTime) {
  using namespace std::chrono;
  int64_t utc = SecondsFromCivil(localTime) - CurrentUtcOffsetSeconds();
  auto when = file_clock::from_sys(sys_seconds(seconds(utc)));
  std::error_code ec;
  stdfs::last_write_time(DiskPath(path), when, ec);
  return !ec;
}

bool AppendRawRecords(std::string_view folder, std::string_view group, std::string_view name,
                      std::string_view bytes) {
  std::string path = JoinPath(JoinPath(JoinPath(folder, group), "V3idxft"), name);
  std::error_code ec;
  if (!stdfs::exists(DiskPath(path), ec) && !WriteFile(path, IndexFileBytes({}))) return false;
  return AppendFile(path, bytes);
}

void RemoveTree(std::string_view path) {
  std::error_code ec;
  stdfs::remove_all(DiskPath(path), ec);
}

std::optional<Summary> Generate(std::string_view folder, const Options& options) {
  Random random(options.seed);
  const Texts& texts = CachedTexts();
  Summary summary;
  if (!MakeDirectories(folder)) return std::nullopt;
  for (int g = 0; g < options.groups; ++g) {
    std::string group = texts.groups[static_cast<size_t>(g) % texts.groups.size()];
    if (g >= static_cast<int>(std::size(kGroupNames)))
      group += std::to_string(g / std::size(kGroupNames) + 1);
    std::string groupDir = JoinPath(folder, group);
    std::string indexDir = JoinPath(groupDir, "V3idxft");
    if (!MakeDirectories(indexDir)) return std::nullopt;
    ++summary.groups;
    for (int u = 0; u < options.usersPerGroup; ++u) {
      std::string user = UserName(u);
      std::string indexName = "MC" + user + (u % 3 == 1 ? "_01" : "");
      std::vector<std::string> records;
      records.reserve(static_cast<size_t>(options.drawingsPerUser));
      for (int d = 0; d < options.drawingsPerUser; ++d) {
        Record record;
        char number[16];
        std::snprintf(number, sizeof number, "%06d", (u * options.drawingsPerUser + d) % 1000000);
        record.fileNumber = number;
        record.pn = random.Pick(texts.parts) + "-" + std::to_string(1000 + random.Below(9000));
        record.fn = random.Below(4) == 0 ? "" : std::to_string(random.Below(20) + 1);
        if (record.fn.size() == 1) record.fn = "0" + record.fn;
        // Now and then a deleted record, which the program leaves out.
        if (random.Below(25) == 0) record.status = '0';
        records.push_back(EncodeRecord(record));
        if (record.status == '0') continue;
        ++summary.drawings;
        if (options.indexOnly) continue;
        std::string drawingPath = JoinPath(JoinPath(groupDir, user), "Mc" + record.fileNumber + ".1@@");
        const std::string& note = random.Pick(texts.notes);
        if (!WriteFile(drawingPath, DrawingFileBytes(note, 256 + static_cast<size_t>(random.Below(256))))) {
          return std::nullopt;
        }
        CivilTime when{1995 + random.Below(30), 1 + random.Below(12), 1 + random.Below(28),
                       random.Below(24),        random.Below(60),     random.Below(60)};
        if (!SetLastWriteTime(drawingPath, when)) return std::nullopt;
      }
      if (!WriteFile(JoinPath(indexDir, indexName), IndexFileBytes(records))) return std::nullopt;
      ++summary.indexFiles;
    }
  }
  return summary;
}

namespace {

// Every single byte and every lead byte with every byte after it, one unit each.
std::vector<std::string> EveryCodeUnit() {
  std::vector<std::string> units;
  for (int b = 0; b < 256; ++b) {
    auto lead = static_cast<unsigned char>(b);
    if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC))) {
      units.emplace_back(1, static_cast<char>(b));
      continue;
    }
    for (int t = 0; t < 256; ++t) units.push_back({static_cast<char>(b), static_cast<char>(t)});
  }
  return units;
}

// Fills fields of a fixed size from the units in turn, never cutting one; blanks make up the rest.
class UnitStream {
 public:
  explicit UnitStream(const std::vector<std::string>& units) : units_(units) {}
  bool Done() const { return next_ >= units_.size(); }
  std::string Take(size_t size) {
    std::string out;
    while (next_ < units_.size() && out.size() + units_[next_].size() <= size) out += units_[next_++];
    return Field(out, size);
  }

 private:
  const std::vector<std::string>& units_;
  size_t next_ = 0;
};

bool WriteCodeGroup(std::string_view folder, std::string_view group, std::string_view user, size_t limit,
                    Summary& summary) {
  std::vector<std::string> units = EveryCodeUnit();
  UnitStream names(units);
  UnitStream notes(units);
  std::string groupDir = JoinPath(folder, group);
  std::vector<std::string> records;
  for (size_t d = 0; d < limit && (!names.Done() || !notes.Done()); ++d) {
    Record record;
    char number[32];
    std::snprintf(number, sizeof number, "%06zu", d % 1000000);
    record.fileNumber = number;
    record.pn = names.Take(16);
    record.fn = names.Take(4);
    records.push_back(EncodeRecord(record));
    std::string drawingPath = JoinPath(JoinPath(groupDir, user), "Mc" + record.fileNumber + ".1@@");
    if (!WriteFile(drawingPath, DrawingFileBytes(notes.Take(56)))) return false;
    int minutes = static_cast<int>(d);
    if (!SetLastWriteTime(drawingPath, {2002, 4, 1 + minutes / 1440, minutes / 60 % 24, minutes % 60, 0})) {
      return false;
    }
    ++summary.drawings;
  }
  if (!WriteFile(JoinPath(JoinPath(groupDir, "V3idxft"), "MC" + std::string(user)),
                 IndexFileBytes(records))) {
    return false;
  }
  ++summary.groups;
  ++summary.indexFiles;
  return true;
}

}  // namespace

std::optional<Summary> GenerateEveryCode(std::string_view folder) {
  Summary summary;
  if (!MakeDirectories(folder)) return std::nullopt;
  if (!WriteCodeGroup(folder, "CODES", "CODES", SIZE_MAX, summary)) return std::nullopt;
  const char kOnlyCp932[] = "\x80\xA0\xFD\xFE\xFF";
  if (!WriteCodeGroup(folder, std::string("G") + kOnlyCp932, kOnlyCp932, 10, summary)) return std::nullopt;
  return summary;
}

std::optional<Summary> GenerateArchive(std::string_view root, int folders, const Options& options) {
  Summary total;
  for (int i = 0; i < folders; ++i) {
    char disk[16];
    std::snprintf(disk, sizeof disk, "disk%03d", i % 100);
    Options one = options;
    one.seed = options.seed + static_cast<uint64_t>(i);
    const std::string year = std::to_string(1995 + i / 100);
    auto made = Generate(JoinPath(JoinPath(JoinPath(root, year), disk), "MCADAM"), one);
    if (!made) return std::nullopt;
    total.groups += made->groups;
    total.indexFiles += made->indexFiles;
    total.drawings += made->drawings;
  }
  return total;
}

}  // namespace tovir::mkdata

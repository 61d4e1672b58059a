// tovir-mkdata: writes a drawing-data folder made up from a seed, for tests, benchmarks and the bundled
// sample.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/encoding.h"
#include "base/path.h"
#include "mkdata.h"

namespace {

const char kUsage[] =
    "usage: tovir-mkdata [options] FOLDER\n"
    "  --groups N        group directories (default 2)\n"
    "  --users N         users, and index files, per group (default 3)\n"
    "  --drawings N      drawings per user (default 20)\n"
    "  --seed S          seed of the made-up names, notes and times (default 1)\n"
    "  --index-only      write the index files only, no user directories or drawing files\n"
    "  --every-code      instead of made-up drawings, drawing names and notes holding every CP932 code\n"
    "  --folders N       FOLDER is an archive's root: N drawing-data folders YEAR/diskNNN/MCADAM in it, "
    "each\n"
    "                    made up from the seed plus its number\n"
    "  --raw GROUP/NAME=HEX\n"
    "                    append the bytes HEX to index file NAME of GROUP (a new file gets a 64-byte header\n"
    "                    first); the bytes are any bytes, whole records or not. May be given more than "
    "once.\n"
    "FOLDER is created if it does not exist; names on the command line are UTF-8.\n";

int Fail(const char* message) {
  std::fprintf(stderr, "tovir-mkdata: %s\n%s", message, kUsage);
  return 2;
}

bool ParseInt(const char* text, long long min, long long max, long long& out) {
  char* end = nullptr;
  long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || value < min || value > max) return false;
  out = value;
  return true;
}

bool ParseHex(std::string_view hex, std::string& out) {
  if (hex.size() % 2 != 0) return false;
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  for (size_t i = 0; i < hex.size(); i += 2) {
    int hi = digit(hex[i]);
    int lo = digit(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
  }
  return true;
}

struct Raw {
  std::string group;
  std::string name;
  std::string bytes;
};

}  // namespace

int main(int argc, char** argv) {
  tovir::mkdata::Options options;
  std::vector<Raw> raws;
  std::string folder;
  bool everyCode = false;
  long long folders = 0;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    long long n = 0;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--groups" || arg == "--users" || arg == "--drawings") {
      const char* v = value();
      if (v == nullptr || !ParseInt(v, 0, 100000000, n)) return Fail("a count must be a number from 0");
      (arg == "--groups"  ? options.groups
       : arg == "--users" ? options.usersPerGroup
                          : options.drawingsPerUser) = static_cast<int>(n);
    } else if (arg == "--seed") {
      const char* v = value();
      if (v == nullptr || !ParseInt(v, 0, 0x7FFFFFFFFFFFFFFFll, n)) return Fail("--seed needs a number");
      options.seed = static_cast<uint64_t>(n);
    } else if (arg == "--folders") {
      const char* v = value();
      if (v == nullptr || !ParseInt(v, 1, 100000, folders)) return Fail("--folders needs a number from 1");
    } else if (arg == "--index-only") {
      options.indexOnly = true;
    } else if (arg == "--every-code") {
      everyCode = true;
    } else if (arg == "--raw") {
      const char* v = value();
      std::string_view target = v == nullptr ? "" : v;
      size_t slash = target.find('/');
      size_t equals = target.find('=');
      Raw raw;
      if (slash == std::string_view::npos || equals == std::string_view::npos || equals < slash ||
          !ParseHex(target.substr(equals + 1), raw.bytes)) {
        return Fail("--raw needs GROUP/NAME=HEX");
      }
      raw.group = tovir::Utf8ToCp932Lossy(target.substr(0, slash));
      raw.name = tovir::Utf8ToCp932Lossy(target.substr(slash + 1, equals - slash - 1));
      raws.push_back(std::move(raw));
    } else if (!arg.empty() && arg[0] == '-') {
      return Fail("unknown option");
    } else if (folder.empty()) {
      folder = tovir::Utf8ToCp932Lossy(arg);
    } else {
      return Fail("only one FOLDER");
    }
  }
  if (folder.empty()) return Fail("FOLDER is missing");

  auto summary = everyCode     ? tovir::mkdata::GenerateEveryCode(folder)
                 : folders > 0 ? tovir::mkdata::GenerateArchive(folder, static_cast<int>(folders), options)
                               : tovir::mkdata::Generate(folder, options);
  if (!summary) {
    std::fprintf(stderr, "tovir-mkdata: could not write %s\n", tovir::Cp932ToUtf8(folder).c_str());
    return 1;
  }
  for (const Raw& raw : raws) {
    if (!tovir::mkdata::AppendRawRecords(folder, raw.group, raw.name, raw.bytes)) {
      std::fprintf(stderr, "tovir-mkdata: could not write index file %s\n",
                   tovir::Cp932ToUtf8(raw.name).c_str());
      return 1;
    }
  }
  std::printf("%d groups, %d index files, %lld drawings in %s\n", summary->groups, summary->indexFiles,
              summary->drawings, tovir::Cp932ToUtf8(folder).c_str());
  return 0;
}

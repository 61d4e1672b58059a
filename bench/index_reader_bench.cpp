// Reading a group of a million drawings: the program's reader against a bare C loop doing the same work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/path.h"
#include "mkdata.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"

namespace {

constexpr int kRecords = 1000000;

// One index file of a million records, made once per run.
const std::string& IndexDirectory() {
  static const std::string dir = [] {
    std::string root = (std::filesystem::temp_directory_path() / "tovir-bench-MCADAM").string();
    std::string index = tovir::JoinPath(tovir::JoinPath(root, "BIG"), "V3idxft");
    std::string path = tovir::JoinPath(index, "MCBIG_01");
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) != 64 + 192ull * kRecords) {
      std::vector<std::string> records;
      records.reserve(kRecords);
      for (int i = 0; i < kRecords; ++i) {
        records.push_back(tovir::mkdata::EncodeRecord(
            {i % 50 == 0 ? '0' : '1', std::to_string(100000 + i % 900000), "A-" + std::to_string(i), "01"}));
      }
      tovir::mkdata::WriteFile(path, tovir::mkdata::IndexFileBytes(records));
    }
    return index;
  }();
  return dir;
}

void BM_ReadIndexFiles(benchmark::State& state) {
  auto& fs = tovir::fs::NativeFileSystem();
  tovir::StringList files(tovir::StringList::Order::kSorted), users(tovir::StringList::Order::kSorted);
  tovir::ScanIndexDirectory(fs, IndexDirectory(), files, users);
  size_t count = 0;
  for (auto _ : state) {
    // The table is sized from the file and filled once per load, as the program does it.
    tovir::CompactDrawingTable table;
    tovir::ReadIndexFiles(fs, IndexDirectory(), files, table);
    count = table.Count();
    benchmark::DoNotOptimize(table.Record(count - 1));
  }
  state.counters["drawings"] = static_cast<double>(count);
}
BENCHMARK(BM_ReadIndexFiles)->Unit(benchmark::kMillisecond);

// The same work with nothing but stdio and fixed arrays: the floor the reader is measured against.
void BM_BareCLoop(benchmark::State& state) {
  std::string path = tovir::JoinPath(IndexDirectory(), "MCBIG_01");
  auto users = std::make_unique<char[]>(kRecords * 7);
  auto names = std::make_unique<char[]>(kRecords * 22);
  auto files = std::make_unique<char[]>(kRecords * 13);
  static char block[192 * 4096];
  size_t count = 0;
  for (auto _ : state) {
    count = 0;
    FILE* fp = std::fopen(path.c_str(), "rb");
    char header[64];
    if (std::fread(header, 1, 64, fp) != 64) break;
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, fp)) > 0) {
      for (size_t off = 0; off + 192 <= got; off += 192) {
        const char* r = block + off;
        if (r[0] == '0') continue;
        const char* pn = r + 33;
        size_t pb = 0, pe = 16;
        while (pb < pe && (unsigned char)pn[pb] <= 0x20) ++pb;
        while (pe > pb && (unsigned char)pn[pe - 1] <= 0x20) --pe;
        const char* fn = r + 50;
        size_t fb = 0, fe = 4;
        while (fb < fe && (unsigned char)fn[fb] <= 0x20) ++fb;
        while (fe > fb && (unsigned char)fn[fe - 1] <= 0x20) --fe;
        char* name = names.get() + count * 22;
        size_t len = 0;
        std::memcpy(name, pn + pb, pe - pb);
        len += pe - pb;
        name[len++] = ',';
        std::memcpy(name + len, fn + fb, fe - fb);
        len += fe - fb;
        std::memset(name + len, ' ', 21 - len);
        name[21] = '\0';  // a NUL inside a field ends the name there, as the C string does
        char* file = files.get() + count * 13;
        std::memcpy(file, "Mc", 2);
        std::memcpy(file + 2, r + 12, 6);
        std::memcpy(file + 8, ".1@@", 5);
        benchmark::DoNotOptimize(std::strlen(name) + std::strlen(file));
        std::memcpy(users.get() + count * 7, "BIG\0\0\0", 7);
        ++count;
      }
    }
    std::fclose(fp);
    benchmark::DoNotOptimize(names.get());
  }
  state.counters["drawings"] = static_cast<double>(count);
}
BENCHMARK(BM_BareCLoop)->Unit(benchmark::kMillisecond);

}  // namespace

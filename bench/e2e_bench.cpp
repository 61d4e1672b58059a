// End to end: tovir-cli's export mode against bare_export, the bare C loop doing the same work. Each scenario
// first checks that both write the same bytes, then times them side by side (warm: after one run each; cold:
// with the data's pages dropped from the page cache before every run; file server: both wait 1 ms before
// every open and status call, tovir-cli's export through a file system that does so) and prints the ratio of
// the medians and the peak memory of each.
//
//   e2e_bench [--cli PATH] [--bare PATH] [--latency-cli PATH] [--readers N] [--runs N] [--only NAME]
//   [--absurd]
//
// --readers gives tovir-cli's --readers (1: the files read one after another, as a plain loop reads them).
// --absurd also lists an index file of 8 GiB of zero bytes with tovir-cli under a 4 GB address-space limit.
#include <fcntl.h>
#include <ftw.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_process.h"
#include "mkdata.h"

namespace {

namespace stdfs = std::filesystem;

struct DataSet {
  const char* name;
  int users;
  int drawingsPerUser;
  bool indexOnly;
};

// About 100,000 and 1,000,000 drawings (one record in 25 is a deleted one), in one group of eight users.
constexpr DataSet kShort100k{"short-100k", 8, 13021, true};
constexpr DataSet kShort1m{"short-1m", 8, 130209, true};
constexpr DataSet kFull100k{"full-100k", 8, 13021, false};
constexpr DataSet kFull2k{"full-2k", 8, 261, false};

struct Scenario {
  const char* name;
  const DataSet* data;
  bool full;
  const char* encoding;
  bool cold;
  int latencyUs = 0;  // waited before every open and status call
};

const Scenario kScenarios[] = {
    {"short 100k cp932", &kShort100k, false, "cp932", false},
    {"short 1m cp932", &kShort1m, false, "cp932", false},
    {"short 1m utf-8", &kShort1m, false, "utf-8", false},
    {"full 100k cp932 warm", &kFull100k, true, "cp932", false},
    {"full 100k utf-8 warm", &kFull100k, true, "utf-8", false},
    {"full 100k cp932 cold", &kFull100k, true, "cp932", true},
    {"full 2k 1 ms per call", &kFull2k, true, "cp932", false, 1000},
};

// The first group mkdata writes.
constexpr const char* kGroup = "GRP1";

stdfs::path Root() {
  return stdfs::temp_directory_path() / "tovir-e2e-bench";
}

// Makes a data set once; later runs reuse it. Made in a child process: the kernel counts a parent's peak
// memory into every child it starts, so this process stays small.
std::string Folder(const DataSet& data) {
  stdfs::path dir = Root() / data.name;
  stdfs::path folder = dir / "MCADAM";
  stdfs::path stamp = dir / "made";
  if (!stdfs::exists(stamp)) {
    std::fprintf(stderr, "making %s ...\n", data.name);
    stdfs::remove_all(dir);
    pid_t pid = fork();
    if (pid == 0) {
      tovir::mkdata::Options options;
      options.groups = 1;
      options.usersPerGroup = data.users;
      options.drawingsPerUser = data.drawingsPerUser;
      options.indexOnly = data.indexOnly;
      _exit(tovir::mkdata::Generate(folder.string(), options) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "cannot make %s\n", folder.c_str());
      std::exit(1);
    }
    std::ofstream(stamp) << "made\n";
  }
  return folder.string();
}

using tovir::bench::DropFromCache;
using tovir::bench::Median;
using tovir::bench::Run;
using tovir::bench::RunProgram;

// Whether two files hold the same bytes, and how many lines the first holds; read in pieces, so this process
// stays small.
bool SameBytes(const std::string& a, const std::string& b, size_t& lines) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  std::vector<char> p(1 << 20), q(1 << 20);
  lines = 0;
  size_t total = 0;
  for (;;) {
    x.read(p.data(), static_cast<std::streamsize>(p.size()));
    y.read(q.data(), static_cast<std::streamsize>(q.size()));
    auto n = x.gcount();
    if (n != y.gcount() || !std::equal(p.begin(), p.begin() + n, q.begin())) return false;
    lines += static_cast<size_t>(std::count(p.begin(), p.begin() + n, '\n'));
    total += static_cast<size_t>(n);
    if (n == 0) return total > 0;
  }
}

struct Programs {
  std::string cli, bare, latencyCli, readers;  // readers: empty for tovir-cli's own choice
};

int RunScenario(const Scenario& s, const Programs& p, int runs) {
  std::string folder = Folder(*s.data);
  std::vector<std::string> tovir;
  std::vector<std::string> floor{p.bare, s.full ? "full" : "short", s.encoding, folder, kGroup};
  if (s.latencyUs > 0) {
    // The same export over a file system that waits as the bare loop does.
    std::string latency = std::to_string(s.latencyUs);
    tovir = {p.latencyCli, latency, p.readers.empty() ? "0" : p.readers, folder};
    floor.push_back(latency);
  } else {
    tovir = {p.cli, "--encoding", s.encoding};
    if (s.full) tovir.push_back("--full");
    if (!p.readers.empty()) tovir.insert(tovir.end(), {"--readers", p.readers});
    tovir.push_back(folder);
  }

  // The same bytes first: a floor that does less work would measure nothing.
  std::string outA = (Root() / "out-tovir").string(), outB = (Root() / "out-bare").string();
  Run a = RunProgram(tovir, outA.c_str()), b = RunProgram(floor, outB.c_str());
  size_t lines = 0;
  bool same = SameBytes(outA, outB, lines);
  if (a.status != 0 || b.status != 0 || !same) {
    std::printf("%-22s output differs (tovir-cli status %d, bare status %d; kept in %s)\n", s.name, a.status,
                b.status, Root().c_str());
    return 1;
  }
  stdfs::remove(outA);
  stdfs::remove(outB);

  std::vector<double> ta, tb;
  long peakA = a.peakKb, peakB = b.peakKb;
  for (int i = 0; i < runs; ++i) {
    // Alternated, so a slow moment of the machine costs both alike.
    if (s.cold) DropFromCache(folder);
    Run ra = RunProgram(tovir, "/dev/null");
    if (s.cold) DropFromCache(folder);
    Run rb = RunProgram(floor, "/dev/null");
    ta.push_back(ra.seconds);
    tb.push_back(rb.seconds);
    peakA = std::max(peakA, ra.peakKb);
    peakB = std::max(peakB, rb.peakKb);
  }
  double ma = Median(ta), mb = Median(tb);
  std::printf("%-22s %9zu %10.1f %10.1f %7.2fx %10.1f %10.1f %7.2fx\n", s.name, lines - 1, ma * 1000,
              mb * 1000, ma / mb, peakA / 1024.0, peakB / 1024.0,
              static_cast<double>(peakA) / static_cast<double>(peakB));
  std::fflush(stdout);
  return 0;
}

// An index file of 8 GiB of zero bytes: every record is a drawing. Made sparse, so it costs no disk.
int RunAbsurd(const std::string& cli) {
  stdfs::path folder = Root() / "absurd" / "MCADAM";
  stdfs::path index = folder / "ZERO" / "V3idxft" / "MCZERO";
  constexpr uintmax_t kSize = uintmax_t{8} << 30;
  std::error_code ec;
  if (stdfs::file_size(index, ec) != kSize) {
    stdfs::create_directories(index.parent_path());
    std::ofstream(index, std::ios::binary).close();
    stdfs::resize_file(index, kSize);
  }
  constexpr rlim_t kLimit = rlim_t{4} << 30;
  Run r = RunProgram({cli, "--encoding", "cp932", folder.string()}, "/dev/null", kLimit);
  std::printf("absurd 8 GiB of zeros: status %d, %.1f s, peak %.1f MB, under a %llu MB address-space limit\n",
              r.status, r.seconds, r.peakKb / 1024.0, static_cast<unsigned long long>(kLimit >> 20));
  return r.status == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Programs programs{TOVIR_CLI, BARE_EXPORT, TOVIR_LATENCY_CLI, ""};
  std::string& cli = programs.cli;
  std::string only;
  int runs = 5;
  bool absurd = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--cli" && i + 1 < argc) {
      cli = argv[++i];
    } else if (a == "--bare" && i + 1 < argc) {
      programs.bare = argv[++i];
    } else if (a == "--latency-cli" && i + 1 < argc) {
      programs.latencyCli = argv[++i];
    } else if (a == "--readers" && i + 1 < argc) {
      programs.readers = argv[++i];
    } else if (a == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--only" && i + 1 < argc) {
      only = argv[++i];
    } else if (a == "--absurd") {
      absurd = true;
    } else {
      std::fprintf(
          stderr,
          "usage: e2e_bench [--cli PATH] [--bare PATH] [--latency-cli PATH] [--readers N] [--runs N] "
          "[--only NAME] [--absurd]\n");
      return 2;
    }
  }
  std::printf("tovir-cli: %s%s%s\n", cli.c_str(), programs.readers.empty() ? "" : " --readers ",
              programs.readers.c_str());
  std::printf("%-22s %9s %10s %10s %8s %10s %10s %8s\n", "scenario", "drawings", "tovir ms", "bare ms",
              "ratio", "tovir MB", "bare MB", "ratio");
  int failed = 0;
  for (const Scenario& s : kScenarios) {
    if (!only.empty() && std::string(s.name).find(only) == std::string::npos) continue;
    failed |= RunScenario(s, programs, runs);
  }
  if (absurd) failed |= RunAbsurd(cli);
  return failed;
}

// The catalog of an archive against what a user does without it: one tovir-cli export per drawing-data
// folder. An archive of 1,000 folders of 100 drawings each (as tovir-mkdata --folders makes one) is listed
// both ways, short and full, warm and with the archive's pages dropped from the page cache. Each scenario
// first checks that the catalog holds exactly the exports' rows, each after its folder's path; then it times
// both and prints the ratio, and the catalog's peak memory beside that of a catalog of a quarter of the
// folders.
//
//   catalog_bench [--cli PATH] [--folders N] [--runs N]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_process.h"
#include "mkdata.h"

namespace {

namespace stdfs = std::filesystem;

using tovir::bench::DropFromCache;
using tovir::bench::Median;

struct Run {
  tovir::bench::Run run;
  std::string out;
};

// Runs a program, keeping its standard output when asked.
Run RunProgram(const std::vector<std::string>& argv, bool keep) {
  const std::string outPath = (stdfs::temp_directory_path() / "tovir-catalog-bench.out").string();
  Run r{tovir::bench::RunProgram(argv, keep ? outPath.c_str() : "/dev/null"), {}};
  if (keep) {
    std::ifstream in(outPath, std::ios::binary);
    r.out.assign(std::istreambuf_iterator<char>(in), {});
    stdfs::remove(outPath);
  }
  return r;
}

// Makes the archive once; later runs reuse it. In a child, so that this process stays small.
stdfs::path Archive(int folders) {
  stdfs::path root = stdfs::temp_directory_path() / "tovir-catalog-bench" / std::to_string(folders);
  stdfs::path stamp = root / "made";
  if (stdfs::exists(stamp)) return root;
  std::fprintf(stderr, "making an archive of %d folders ...\n", folders);
  stdfs::remove_all(root);
  pid_t pid = fork();
  if (pid == 0) {
    tovir::mkdata::Options options;
    options.groups = 2;
    options.usersPerGroup = 2;
    options.drawingsPerUser = 25;
    _exit(tovir::mkdata::GenerateArchive((root / "archive").string(), folders, options) ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::exit(1);
  std::ofstream(stamp) << "made\n";
  return root;
}

// The drawing-data folders below `archive`, by their paths below it, in byte order.
std::vector<std::string> Folders(const stdfs::path& archive) {
  std::vector<std::string> found;
  for (const auto& entry : stdfs::recursive_directory_iterator(archive)) {
    if (entry.is_directory() && entry.path().filename() == "MCADAM") {
      found.push_back(entry.path().lexically_relative(archive).string());
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  std::string cli = TOVIR_CLI;
  int folders = 1000;
  int runs = 3;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--cli" && i + 1 < argc) {
      cli = argv[++i];
    } else if (a == "--folders" && i + 1 < argc) {
      folders = std::max(4, std::atoi(argv[++i]));
    } else if (a == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fputs("usage: catalog_bench [--cli PATH] [--folders N] [--runs N]\n", stderr);
      return 2;
    }
  }
  const stdfs::path archive = Archive(folders) / "archive";
  const stdfs::path quarter = Archive(folders / 4) / "archive";
  const std::vector<std::string> paths = Folders(archive);
  std::printf("%d folders of 100 drawings: the catalog against one tovir-cli export per folder\n", folders);
  std::printf("%-12s %9s %12s %12s %7s %12s %12s\n", "scenario", "rows", "catalog ms", "exports ms", "ratio",
              "catalog MB", "quarter MB");
  struct Scenario {
    const char* name;
    bool full;
    bool cold;
  };
  int failed = 0;
  for (Scenario s : {Scenario{"short warm", false, false}, Scenario{"full warm", true, false},
                     Scenario{"full cold", true, true}}) {
    std::vector<std::string> catalog{cli, "--catalog", "--no-heading", "--encoding", "cp932"};
    if (s.full) catalog.push_back("--full");
    auto exportOf = [&](const std::string& folder) {
      std::vector<std::string> e{cli, "--all-groups", "--tab", "--no-heading", "--encoding", "cp932"};
      if (s.full) e.push_back("--full");
      e.push_back((archive / folder).string());
      return e;
    };
    // The same rows first.
    catalog.push_back(archive.string());
    Run whole = RunProgram(catalog, true);
    std::string expected;
    for (const std::string& folder : paths) {
      Run one = RunProgram(exportOf(folder), true);
      for (size_t pos = 0; pos < one.out.size();) {
        size_t end = one.out.find("\r\n", pos) + 2;
        expected += folder + "\t" + one.out.substr(pos, end - pos);
        pos = end;
      }
    }
    size_t rows = static_cast<size_t>(std::count(whole.out.begin(), whole.out.end(), '\n'));
    if (whole.run.status != 0 || whole.out != expected) {
      std::printf("%-12s the catalog's rows differ from the exports' (status %d)\n", s.name,
                  whole.run.status);
      failed = 1;
      continue;
    }
    std::vector<double> tc, te;
    long peak = whole.run.peakKb;
    for (int r = 0; r < runs; ++r) {
      if (s.cold) DropFromCache(archive.string());
      Run c = RunProgram(catalog, false);
      tc.push_back(c.run.seconds);
      peak = std::max(peak, c.run.peakKb);
      if (s.cold) DropFromCache(archive.string());
      double sum = 0;
      for (const std::string& folder : paths) sum += RunProgram(exportOf(folder), false).run.seconds;
      te.push_back(sum);
    }
    std::vector<std::string> small = catalog;
    small.back() = quarter.string();
    Run q = RunProgram(small, false);
    const double mc = Median(tc), me = Median(te);
    std::printf("%-12s %9zu %12.1f %12.1f %6.2fx %12.1f %12.1f\n", s.name, rows, mc * 1000, me * 1000,
                mc / me, peak / 1024.0, q.run.peakKb / 1024.0);
    std::fflush(stdout);
  }
  return failed;
}

// What the end-to-end benchmarks share: a program run and timed in a process of its own, the page cache
// emptied of a data set, the median of runs.
#pragma once

#include <fcntl.h>
#include <ftw.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace tovir::bench {

struct Run {
  double seconds = 0;
  long peakKb = 0;
  int status = -1;
};

// Runs a program with its standard output to `outPath` and its standard error dropped, under an address-space
// limit when one is given.
inline Run RunProgram(const std::vector<std::string>& argv, const char* outPath,
                      rlim_t addressLimit = RLIM_INFINITY) {
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    int out = open(outPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int null = open("/dev/null", O_WRONLY);
    if (out < 0 || null < 0) _exit(127);
    dup2(out, 1);
    dup2(null, 2);
    if (addressLimit != RLIM_INFINITY) {
      rlimit limit{addressLimit, addressLimit};
      setrlimit(RLIMIT_AS, &limit);
    }
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  Run run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakKb = usage.ru_maxrss;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

namespace detail {
inline int DropFile(const char* path, const struct stat*, int type, struct FTW*) {
  if (type != FTW_F) return 0;
  int fd = open(path, O_RDONLY);
  if (fd >= 0) {
    fdatasync(fd);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
  }
  return 0;
}
}  // namespace detail

// Drops the files under `folder` from the page cache (and nothing else of the machine's).
inline void DropFromCache(const std::string& folder) {
  nftw(folder.c_str(), detail::DropFile, 64, FTW_PHYS);
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace tovir::bench

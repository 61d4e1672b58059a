// tovir-cli's export mode over a file system that waits before every open and status call, as a file server
// does: for the end-to-end benchmark's slow-medium scenarios.
//   tovir_latency_cli LATENCY_US READERS FOLDER    (the full display, CP932, the first group; READERS 0 for
//                                                  tovir-cli's own choice)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/export_mode.h"
#include "latency_file_system.h"

int main(int argc, char** argv) {
  using namespace tovir;
  if (argc != 4) {
    std::fputs("usage: tovir_latency_cli LATENCY_US READERS FOLDER\n", stderr);
    return 2;
  }
  bench::LatencyFileSystem fs(fs::NativeFileSystem(), std::chrono::microseconds(std::atol(argv[1])));
  cli::ExportOptions options;
  options.folder = argv[3];
  options.full = true;
  options.encoding = driver::Encoding::kCp932;
  if (long readers = std::atol(argv[2]); readers > 0) options.readers = static_cast<size_t>(readers);
  auto sink = [](std::FILE* f) { return [f](std::string_view bytes) { driver::WriteBytes(f, bytes); }; };
  int status = cli::RunExport(options, fs, sink(stdout), sink(stderr));
  std::fflush(stdout);
  return status;
}

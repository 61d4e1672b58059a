// The time from a click on a group to the drawn drawing list, on the real windows: the load (index files
// read, rows made, the list's count set) and the paint of the visible rows. Not a test: it reports.
//   tovir-gui-bench FOLDER    (FOLDER with at least two groups; the first loads at start)
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "fs/arguments.h"
#include "kit/win32/backend.h"

int main(int argc, char** argv) {
  using namespace tovir;
  std::vector<std::string> args = fs::CommandLineArguments(argc, argv);
  if (args.empty()) {
    std::fputs("usage: tovir-gui-bench FOLDER\n", stderr);
    return 2;
  }
  auto windows = kit::win32::CreateRealWindows();
  Program program(windows->App(), fs::NativeFileSystem(), {args[0]});
  windows->App().ProcessMessages();
  TForm1& form = program.Form1();
  if (form.ListBox1.Count() < 2) {
    std::fputs("tovir-gui-bench: the folder needs two groups\n", stderr);
    return 2;
  }
  double best = 1e9;
  for (int round = 0; round < 4; ++round) {
    // Alternate between the groups, so that every click loads.
    size_t group = round % 2 == 0 ? 1 : 0;
    auto start = std::chrono::steady_clock::now();
    windows->Input().PressRow(form.ListBox1, group);  // the press, the load, then every message: the paint
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    best = ms < best ? ms : best;
    std::printf("group %zu: %zu rows drawn in %.1f ms\n", group, form.ListBox13.Count(), ms);
  }
  std::printf("best: %.1f ms\n", best);
  return 0;
}

// The real windows at the size of a big group. Not a test: it reports.
//   tovir-gui-bench FOLDER          the time from a click on a group to the drawn drawing list (FOLDER with
//   at
//                                   least two groups; the first loads at start)
//   tovir-gui-bench --copies FOLDER the four copies of the first group's rows: every row selected, then one
//   tovir-gui-bench --full FOLDER   the full display of the first group, read into the window
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "fs/arguments.h"
#include "kit/headless/headless_application.h"
#include "kit/win32/backend.h"

namespace {

using namespace tovir;
using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int ClickToDrawn(kit::win32::RealWindows& windows, TForm1& form) {
  if (form.ListBox1.Count() < 2) {
    std::fputs("tovir-gui-bench: the folder needs two groups\n", stderr);
    return 2;
  }
  double best = 1e9;
  for (int round = 0; round < 4; ++round) {
    // Alternate between the groups, so that every click loads.
    size_t group = round % 2 == 0 ? 1 : 0;
    auto start = Clock::now();
    windows.Input().PressRow(form.ListBox1, group);  // the press, the load, then every message: the paint
    double ms = Since(start);
    best = ms < best ? ms : best;
    std::printf("group %zu: %zu rows drawn in %.1f ms\n", group, form.ListBox13.Count(), ms);
  }
  std::printf("best: %.1f ms\n", best);
  return 0;
}

int Copies(kit::win32::RealWindows& windows, TForm1& form) {
  kit::Scriptable& input = windows.Input();
  const size_t rows = form.ListBox13.Count();
  if (rows == 0) return 2;
  struct Selection {
    const char* name;
    bool all;
  };
  for (Selection selection : {Selection{"every row selected", true}, Selection{"one row selected", false}}) {
    input.PressRow(form.ListBox13, rows / 2);
    if (selection.all) {
      input.PressRow(form.ListBox13, 0);
      input.PressRow(form.ListBox13, rows - 1, kit::MouseButton::kLeft, {.shift = true});
    }
    for (const char* copy : {"Copy1", "Copy2", "Copy3", "Copy4"}) {
      auto start = Clock::now();
      input.ChooseMenuItem(*form.MainMenu1.Find(copy));
      std::printf("%s of %zu rows, %s: %.1f ms\n", copy, rows, selection.name, Since(start));
    }
  }
  return 0;
}

int Full(kit::win32::RealWindows& windows, TForm1& form, const std::string& folder) {
  // The same reading without windows first, in this very process: what the window adds is the difference.
  kit::HeadlessApplication headless;
  Program inMemory(headless, fs::NativeFileSystem(), {folder});
  auto start = Clock::now();
  headless.PickRadioItem(inMemory.Form1().RadioGroup1, 1);
  std::printf("full display of %zu drawing files without windows: %.0f ms\n",
              inMemory.Form1().ListBox13.Count(), Since(start));
  start = Clock::now();
  windows.Input().PickRadioItem(form.RadioGroup1, 1);
  std::printf("full display of %zu drawing files in the window: %.0f ms\n", form.ListBox13.Count(),
              Since(start));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = fs::CommandLineArguments(argc, argv);
  std::string mode;
  if (!args.empty() && args[0].rfind("--", 0) == 0) {
    mode = args[0];
    args.erase(args.begin());
  }
  if (args.empty()) {
    std::fputs("usage: tovir-gui-bench [--copies | --full] FOLDER\n", stderr);
    return 2;
  }
  auto windows = kit::win32::CreateRealWindows();
  Program program(windows->App(), fs::NativeFileSystem(), {args[0]});
  windows->App().ProcessMessages();
  TForm1& form = program.Form1();
  if (mode == "--copies") return Copies(*windows, form);
  if (mode == "--full") return Full(*windows, form, args[0]);
  return ClickToDrawn(*windows, form);
}

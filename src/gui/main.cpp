// tovir.exe: the program on real windows. With --script it runs tovir-cli's script language as real input to
// the real windows and writes the same dumps.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/program.h"
#include "cli/output.h"
#include "cli/script.h"
#include "fs/arguments.h"
#include "kit/win32/backend.h"

namespace {

using namespace tovir;

int ScriptMode(kit::win32::RealWindows& windows, const std::vector<std::string>& args) {
  bool hex = false;
  std::string file;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--hex") {
      hex = true;
    } else if (file.empty()) {
      file = args[i];
    } else {
      std::fputs("usage: tovir --script [--hex] [FILE]\n", stderr);
      return 2;
    }
  }
  std::string script;
  char buffer[65536];
  size_t n;
  if (file.empty() || file == "-") {
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) script.append(buffer, n);
  } else {
    auto f = fs::NativeFileSystem().OpenRead(file);
    if (!f) {
      std::fprintf(stderr, "tovir: cannot read %s\n", file.c_str());
      return 2;
    }
    while ((n = f->Read(buffer, sizeof buffer)) > 0) script.append(buffer, n);
  }
  auto sink = [](std::FILE* stream) {
    return [stream](std::string_view bytes) {
      cli::WriteBytes(stream, bytes);
      std::fflush(stream);
    };
  };
  cli::ScriptRunner runner(windows.App(), windows.Input(), fs::NativeFileSystem(), hex, sink(stdout),
                           sink(stderr));
  return runner.Run(script);
}

}  // namespace

int main(int argc, char** argv) {
  cli::UseBinaryStreams();
  std::vector<std::string> args = fs::CommandLineArguments(argc, argv);
  auto windows = kit::win32::CreateRealWindows();
  if (!args.empty() && args[0] == "--script") return ScriptMode(*windows, args);
  // An exception that escapes start-up or the loop is shown the standard way; the program then ends with 0.
  try {
    Program program(windows->App(), fs::NativeFileSystem(), args);
    windows->Run();
  } catch (const std::exception& e) {
    windows->App().ReportException(e.what());
  }
  return 0;
}

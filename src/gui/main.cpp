// tovir.exe: the program on real windows. With --script it runs tovir-cli's script language as real input to
// the real windows and writes the same dumps.
#include <exception>
#include <string>
#include <vector>

#include "app/program.h"
#include "base/messages.h"
#include "driver/options.h"
#include "driver/output.h"
#include "driver/script.h"
#include "fs/arguments.h"
#include "kit/win32/backend.h"

namespace {

using namespace tovir;

constexpr driver::Tool kTool = driver::Tool::kWindows;

int ScriptMode(kit::win32::RealWindows& windows, const driver::Options& options) {
  std::string script;
  if (!driver::ReadScript(options.scriptFile, script)) {
    kit::win32::ShowOutput(driver::UsageError(kTool, "cannot read " + options.scriptFile), true,
                           msg::kAppTitle);
    return driver::kExitUsage;
  }
  auto sink = [](std::FILE* stream) {
    return [stream](std::string_view bytes) {
      driver::WriteBytes(stream, bytes);
      std::fflush(stream);
    };
  };
  driver::ScriptRunner runner(windows.App(), windows.Input(), fs::NativeFileSystem(), options.hex,
                              sink(stdout), sink(stderr));
  return runner.Run(script);
}

}  // namespace

int main(int argc, char** argv) {
  driver::UseBinaryStreams();
  std::string error;
  const auto options = driver::ParseOptions(kTool, fs::CommandLineArguments(argc, argv), error);
  if (!options) {
    kit::win32::ShowOutput(driver::UsageError(kTool, error), true, msg::kAppTitle);
    return driver::kExitUsage;
  }
  if (options->mode == driver::Options::Mode::kHelp) {
    kit::win32::ShowOutput(driver::Usage(kTool), false, msg::kAppTitle);
    return 0;
  }
  if (options->mode == driver::Options::Mode::kVersion) {
    kit::win32::ShowOutput(driver::VersionText(), false, msg::kAppTitle);
    return 0;
  }
  std::unique_ptr<kit::win32::RealWindows> windows;
  try {
    windows = kit::win32::CreateRealWindows();
  } catch (const std::exception& e) {
    kit::win32::ShowOutput(e.what(), true, msg::kAppTitle);
    return 1;
  }
  if (options->mode == driver::Options::Mode::kScript) return ScriptMode(*windows, *options);
  // An exception that escapes start-up or the loop is shown the standard way, and the program ends with a
  // status that says it failed: a window the system would not make, or anything else that stopped it.
  try {
    Program program(windows->App(), fs::NativeFileSystem(), options->arguments);
    windows->Run();
  } catch (...) {
    windows->App().ReportException(std::current_exception());
    return 1;
  }
  return 0;
}

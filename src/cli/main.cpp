// tovir-cli: the program's main window without windows. Export mode writes what a copy command would put on
// the clipboard; script mode feeds the window commands and dumps its state; catalog mode lists every group of
// an archive.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/catalog_mode.h"
#include "cli/export_mode.h"
#include "driver/options.h"
#include "driver/output.h"
#include "driver/script.h"
#include "fs/arguments.h"

namespace {

using namespace tovir;

// Standard error takes what cannot wait; when it cannot be written either, nothing is left to say it with.
driver::Sink ErrorSink() {
  return [](std::string_view bytes) { driver::WriteBytes(stderr, bytes); };
}

int Run(const std::vector<std::string>& args, driver::CheckedOutput& out) {
  std::string error;
  const auto options = driver::ParseOptions(driver::Tool::kCommandLine, args, error);
  if (!options) {
    driver::WriteBytes(stderr, driver::UsageError(driver::Tool::kCommandLine, error));
    return driver::kExitUsage;
  }
  // The export and the catalog stop at the first write that fails: nothing more could reach the output.
  const driver::Sink stopping = [&out](std::string_view bytes) {
    out.Write(bytes);
    if (out.Failed()) throw driver::OutputFailed{};
  };
  switch (options->mode) {
    case driver::Options::Mode::kHelp:
      out.Write(driver::Usage(driver::Tool::kCommandLine));
      return 0;
    case driver::Options::Mode::kVersion:
      out.Write(driver::VersionText());
      return 0;
    case driver::Options::Mode::kScript: {
      std::string script;
      if (!driver::ReadScript(options->scriptFile, script)) {
        driver::WriteBytes(
            stderr, driver::UsageError(driver::Tool::kCommandLine, "cannot read " + options->scriptFile));
        return driver::kExitUsage;
      }
      // A script's commands all run, whatever became of the output.
      driver::ScriptRunner runner(
          fs::NativeFileSystem(), options->hex, [&out](std::string_view bytes) { out.Write(bytes); },
          ErrorSink());
      return runner.Run(script);
    }
    case driver::Options::Mode::kCatalog: {
      driver::ExportOptions exports = options->exports;
      exports.progress = driver::IsTerminal(stderr);
      return cli::RunCatalog(exports, fs::NativeFileSystem(), stopping, ErrorSink());
    }
    case driver::Options::Mode::kExport:
    case driver::Options::Mode::kWindows:
      break;
  }
  driver::ExportOptions exports = options->exports;
  exports.progress = exports.full && driver::IsTerminal(stderr);
  return cli::RunExport(exports, fs::NativeFileSystem(), stopping, ErrorSink());
}

}  // namespace

int main(int argc, char** argv) {
  driver::UseBinaryStreams();
  driver::ReserveHeadroom();
  driver::CheckedOutput out(stdout);
  int status = 1;
  try {
    status = Run(fs::CommandLineArguments(argc, argv), out);
  } catch (const driver::OutputFailed&) {
    status = driver::kExitOutput;
  } catch (const std::exception& e) {
    driver::ReleaseHeadroom();
    std::fprintf(stderr, "tovir-cli: %s\n", e.what());
  }
  // Whatever the mode: output that did not all reach its place is said, and the status says so too.
  if (!out.Finish()) {
    if (out.ClosedPipe()) return driver::kExitClosedPipe;
    std::fprintf(stderr, "tovir-cli: cannot write the output: %s\n", out.Reason().c_str());
    return driver::kExitOutput;
  }
  return status;
}

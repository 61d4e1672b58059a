// tovir-cli: the program's main window without windows. Export mode writes what a copy command would put on
// the clipboard; script mode feeds the window commands and dumps its state.
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

driver::Sink StreamSink(std::FILE* stream) {
  return [stream](std::string_view bytes) { driver::WriteBytes(stream, bytes); };
}

int Run(const std::vector<std::string>& args) {
  std::string error;
  const auto options = driver::ParseOptions(driver::Tool::kCommandLine, args, error);
  if (!options) {
    driver::WriteBytes(stderr, driver::UsageError(driver::Tool::kCommandLine, error));
    return driver::kExitUsage;
  }
  switch (options->mode) {
    case driver::Options::Mode::kHelp:
      driver::WriteBytes(stdout, driver::Usage(driver::Tool::kCommandLine));
      return 0;
    case driver::Options::Mode::kVersion:
      driver::WriteBytes(stdout, driver::VersionText());
      return 0;
    case driver::Options::Mode::kScript: {
      std::string script;
      if (!driver::ReadScript(options->scriptFile, script)) {
        driver::WriteBytes(
            stderr, driver::UsageError(driver::Tool::kCommandLine, "cannot read " + options->scriptFile));
        return driver::kExitUsage;
      }
      driver::ScriptRunner runner(fs::NativeFileSystem(), options->hex, StreamSink(stdout),
                                  StreamSink(stderr));
      return runner.Run(script);
    }
    case driver::Options::Mode::kCatalog: {
      driver::ExportOptions exports = options->exports;
      exports.progress = driver::IsTerminal(stderr);
      return cli::RunCatalog(exports, fs::NativeFileSystem(), StreamSink(stdout), StreamSink(stderr));
    }
    case driver::Options::Mode::kExport:
    case driver::Options::Mode::kWindows:
      break;
  }
  driver::ExportOptions exports = options->exports;
  exports.progress = exports.full && driver::IsTerminal(stderr);
  return cli::RunExport(exports, fs::NativeFileSystem(), StreamSink(stdout), StreamSink(stderr));
}

}  // namespace

int main(int argc, char** argv) {
  driver::UseBinaryStreams();
  int status = 1;
  try {
    status = Run(fs::CommandLineArguments(argc, argv));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tovir-cli: %s\n", e.what());
  }
  std::fflush(stdout);
  return status;
}

// The command lines of both programs, read by one parser: tovir.exe (the program on real windows) and
// tovir-cli (export mode and script mode). An option one of them does not know, or an argument it cannot
// take, gets the same usage error from both.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/output.h"
#include "reader/read_ahead.h"

namespace tovir::driver {

enum class Tool { kWindows, kCommandLine };

// What export mode writes (tovir-cli FOLDER).
struct ExportOptions {
  std::string folder;  // CP932; for a catalog, the root of the archive
  bool full = false;   // the full display, with update dates and notes
  bool tab = false;    // tab-separated lines (Copy3) instead of fixed-width ones (Copy1)
  bool heading = true;
  std::optional<std::string> group;  // CP932; the first group whose trimmed name equals it
  bool allGroups = false;
  Encoding encoding = Encoding::kUtf8;
  size_t readers = kDefaultReaders;  // threads reading files ahead, 1 to kMaxReaders
  bool progress = false;             // draw a progress bar on standard error while the full display reads
};

struct Options {
  enum class Mode {
    kWindows,  // tovir.exe [FOLDER]: the program's windows
    kExport,   // tovir-cli FOLDER
    kCatalog,  // tovir-cli --catalog ROOT: every drawing-data folder under ROOT in one table
    kScript,   // --script [--hex] [FILE]
    kHelp,     // --help: the usage, exit status 0
    kVersion,  // --version: the version window's name, number and date
  };
  Mode mode = Mode::kWindows;
  std::vector<std::string>
      arguments;  // tovir.exe's: the folder first; the shell may add more, which it ignores
  ExportOptions exports;
  bool hex = false;        // script mode: texts in dumps as hex bytes
  std::string scriptFile;  // script mode: "" or "-" for standard input
};

// Reads the arguments after the program's name; nullopt and `error` (without the program's name) when they
// are not what the tool takes.
std::optional<Options> ParseOptions(Tool tool, const std::vector<std::string>& args, std::string& error);

// The tool's name as its messages begin: "tovir" or "tovir-cli".
std::string_view ToolName(Tool tool);
// The usage text, ending with a line end.
std::string Usage(Tool tool);
// The usage error: "NAME: ERROR", then the usage text.
std::string UsageError(Tool tool, std::string_view error);
// What --version says: the version window's name, number and date on one line, with its line end.
std::string VersionText();

// The exit status of a usage error.
inline constexpr int kExitUsage = 2;

}  // namespace tovir::driver

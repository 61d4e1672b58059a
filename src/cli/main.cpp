// tovir-cli: the program's main window without windows. Export mode writes what a copy command would put on
// the clipboard; script mode feeds the window commands and dumps its state.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/export_mode.h"
#include "cli/output.h"
#include "cli/script.h"
#include "fs/arguments.h"

namespace {

using namespace tovir;

const char kUsage[] =
    "usage: tovir-cli [--full] [--tab] [--no-heading] [--group NAME | --all-groups] [--encoding utf-8|cp932] "
    "[--readers N] FOLDER\n"
    "       tovir-cli --script [--hex] [FILE]\n";

int UsageError(const std::string& what) {
  std::fprintf(stderr,
               "tovir-cli: %s (usage: tovir-cli [options] FOLDER, or tovir-cli --script [--hex] [FILE])\n",
               what.c_str());
  return 2;
}

// A count of reader threads, 1 to kMaxReaders, in decimal digits.
std::optional<size_t> ReaderCount(const std::string& text) {
  if (text.empty()) return std::nullopt;
  size_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<size_t>(c - '0');
    if (n > kMaxReaders) return std::nullopt;  // before it could overflow
  }
  if (n < 1) return std::nullopt;
  return n;
}

std::string ReadAll(std::FILE* stream) {
  std::string text;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0) text.append(buffer, n);
  return text;
}

cli::Sink StreamSink(std::FILE* stream) {
  return [stream](std::string_view bytes) { cli::WriteBytes(stream, bytes); };
}

int ScriptMode(const std::vector<std::string>& args) {
  bool hex = false;
  std::string file;
  bool haveFile = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--hex" && !haveFile) {
      hex = true;
    } else if (!haveFile && (args[i] == "-" || args[i].rfind("--", 0) != 0)) {
      file = args[i];
      haveFile = true;
    } else {
      return UsageError("unexpected argument " + args[i]);
    }
  }
  std::string script;
  if (!haveFile || file == "-") {
    script = ReadAll(stdin);
  } else {
    auto f = fs::NativeFileSystem().OpenRead(file);
    if (!f) return UsageError("cannot read " + file);
    char buffer[65536];
    size_t n;
    while ((n = f->Read(buffer, sizeof buffer)) > 0) script.append(buffer, n);
  }
  cli::ScriptRunner runner(fs::NativeFileSystem(), hex, StreamSink(stdout), StreamSink(stderr));
  int status = runner.Run(script);
  std::fflush(stdout);
  return status;
}

int ExportMode(const std::vector<std::string>& args) {
  cli::ExportOptions options;
  bool haveFolder = false;
  bool haveGroup = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--full") {
      options.full = true;
    } else if (a == "--tab") {
      options.tab = true;
    } else if (a == "--no-heading") {
      options.heading = false;
    } else if (a == "--all-groups") {
      options.allGroups = true;
    } else if (a == "--group") {
      if (i + 1 >= args.size()) return UsageError("--group needs a NAME");
      options.group = args[++i];
      haveGroup = true;
    } else if (a == "--encoding") {
      if (i + 1 >= args.size()) return UsageError("--encoding needs utf-8 or cp932");
      const std::string& e = args[++i];
      if (e == "utf-8" || e == "utf8") {
        options.encoding = cli::Encoding::kUtf8;
      } else if (e == "cp932") {
        options.encoding = cli::Encoding::kCp932;
      } else {
        return UsageError("unknown encoding " + e);
      }
    } else if (a == "--readers") {
      if (i + 1 >= args.size()) return UsageError("--readers needs a number");
      auto readers = ReaderCount(args[++i]);
      if (!readers) return UsageError("--readers takes 1 to " + std::to_string(kMaxReaders));
      options.readers = *readers;
    } else if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return UsageError("unknown option " + a);
    } else if (!haveFolder) {
      options.folder = a;
      haveFolder = true;
    } else {
      return UsageError("only one FOLDER");
    }
  }
  if (!haveFolder) return UsageError("FOLDER is missing");
  if (haveGroup && options.allGroups) return UsageError("--group and --all-groups exclude each other");
  options.progress = options.full && cli::IsTerminal(stderr);
  int status = cli::RunExport(options, fs::NativeFileSystem(), StreamSink(stdout), StreamSink(stderr));
  std::fflush(stdout);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  cli::UseBinaryStreams();
  std::vector<std::string> args = fs::CommandLineArguments(argc, argv);
  try {
    if (!args.empty() && args[0] == "--script") return ScriptMode(args);
    return ExportMode(args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tovir-cli: %s\n", e.what());
    return 1;
  }
}

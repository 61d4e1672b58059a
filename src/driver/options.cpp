// The command lines of both programs.
#include "driver/options.h"

#include <charconv>

#include "base/messages.h"

namespace tovir::driver {

namespace {

bool IsOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-';
}

std::optional<Options> Fail(std::string& error, std::string message) {
  error = std::move(message);
  return std::nullopt;
}

// --script [--hex] [FILE]
std::optional<Options> ParseScript(const std::vector<std::string>& args, std::string& error) {
  Options options;
  options.mode = Options::Mode::kScript;
  bool haveFile = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--hex" && !haveFile) {
      options.hex = true;
    } else if (!haveFile && (a == "-" || !IsOption(a))) {
      options.scriptFile = a;
      haveFile = true;
    } else {
      return Fail(error, "unexpected argument " + a);
    }
  }
  return options;
}

std::optional<Options> ParseWindows(const std::vector<std::string>& args, std::string& error) {
  Options options;
  bool positional = false;
  for (const std::string& a : args) {
    if (!positional && a == "--") {
      positional = true;
    } else if (!positional && IsOption(a)) {
      return Fail(error, "unknown option " + a);
    } else {
      options.arguments.push_back(a);
    }
  }
  return options;
}

std::optional<Options> ParseExport(const std::vector<std::string>& args, std::string& error) {
  Options options;
  options.mode = Options::Mode::kExport;
  ExportOptions& e = options.exports;
  bool haveFolder = false;
  bool haveGroup = false;
  bool positional = false;
  bool catalog = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](const std::string& what) -> const std::string* {
      if (i + 1 >= args.size()) {
        error = a + " needs " + what;
        return nullptr;
      }
      return &args[++i];
    };
    if (positional || !IsOption(a)) {
      if (haveFolder) return Fail(error, "only one FOLDER");
      e.folder = a;
      haveFolder = true;
    } else if (a == "--") {
      positional = true;
    } else if (a == "--catalog") {
      catalog = true;
    } else if (a == "--full") {
      e.full = true;
    } else if (a == "--tab") {
      e.tab = true;
    } else if (a == "--no-heading") {
      e.heading = false;
    } else if (a == "--all-groups") {
      e.allGroups = true;
    } else if (a == "--group") {
      const std::string* name = value("a NAME");
      if (name == nullptr) return std::nullopt;
      e.group = *name;
      haveGroup = true;
    } else if (a == "--encoding") {
      const std::string* name = value("utf-8 or cp932");
      if (name == nullptr) return std::nullopt;
      if (*name == "utf-8" || *name == "utf8") {
        e.encoding = Encoding::kUtf8;
      } else if (*name == "cp932") {
        e.encoding = Encoding::kCp932;
      } else {
        return Fail(error, "unknown encoding " + *name);
      }
    } else if (a == "--readers") {
      const std::string* n = value("a number from 1 to " + std::to_string(kMaxReaders));
      if (n == nullptr) return std::nullopt;
      size_t readers = 0;
      auto [end, ec] = std::from_chars(n->data(), n->data() + n->size(), readers);
      if (ec != std::errc() || end != n->data() + n->size() || readers < 1 || readers > kMaxReaders) {
        return Fail(error, "--readers needs a number from 1 to " + std::to_string(kMaxReaders));
      }
      e.readers = readers;
    } else {
      return Fail(error, "unknown option " + a);
    }
  }
  if (catalog) {
    // A catalog is always the tab-separated table of every group of every folder.
    if (haveGroup || e.allGroups)
      return Fail(error, "--catalog lists every group; --group and --all-groups do not go with it");
    if (!haveFolder) return Fail(error, "--catalog needs a ROOT");
    options.mode = Options::Mode::kCatalog;
    e.tab = true;
    return options;
  }
  if (!haveFolder) return Fail(error, "FOLDER is missing");
  if (haveGroup && e.allGroups) return Fail(error, "--group and --all-groups exclude each other");
  return options;
}

}  // namespace

std::optional<Options> ParseOptions(Tool tool, const std::vector<std::string>& args, std::string& error) {
  if (!args.empty() && args[0] == "--script") return ParseScript(args, error);
  // --help and --version answer wherever they stand before a "--".
  for (const std::string& a : args) {
    if (a == "--") break;
    Options options;
    if (a == "--help" || a == "-h") {
      options.mode = Options::Mode::kHelp;
      return options;
    }
    if (a == "--version") {
      options.mode = Options::Mode::kVersion;
      return options;
    }
  }
  return tool == Tool::kWindows ? ParseWindows(args, error) : ParseExport(args, error);
}

std::string_view ToolName(Tool tool) {
  return tool == Tool::kWindows ? "tovir" : "tovir-cli";
}

std::string Usage(Tool tool) {
  if (tool == Tool::kWindows) {
    return "usage: tovir [FOLDER]\n"
           "       tovir --script [--hex] [FILE]\n"
           "       tovir --help | --version\n";
  }
  return "usage: tovir-cli [--full] [--tab] [--no-heading] [--group NAME | --all-groups]\n"
         "                 [--encoding utf-8|cp932] [--readers N] FOLDER\n"
         "       tovir-cli --catalog [--full] [--no-heading] [--encoding utf-8|cp932] [--readers N] ROOT\n"
         "       tovir-cli --script [--hex] [FILE]\n"
         "       tovir-cli --help | --version\n";
}

std::string UsageError(Tool tool, std::string_view error) {
  std::string text(ToolName(tool));
  text.append(": ").append(error).append("\n").append(Usage(tool));
  return text;
}

std::string VersionText() {
  std::string text(msg::kVersionName);
  text.append(" ").append(msg::kVersionNumber).append(" ").append(msg::kVersionDate).append("\n");
  return text;
}

}  // namespace tovir::driver

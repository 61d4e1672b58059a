// Both programs' command lines through the one parser: what each takes, and the same error for what neither
// takes.
#include "driver/options.h"

#include <gtest/gtest.h>

namespace tovir::driver {
namespace {

using Mode = Options::Mode;

TEST(Options, BothProgramsReadTheirArgumentsWithOneParser) {
  struct Case {
    Tool tool;
    std::vector<std::string> args;
    Mode mode;
    const char* error;  // nullptr: accepted
  } cases[] = {
      {Tool::kWindows, {}, Mode::kWindows, nullptr},
      {Tool::kWindows, {"A:\\MCADAM", "B:\\MCADAM"}, Mode::kWindows, nullptr},  // the shell may add more
      {Tool::kWindows, {"--", "-odd\\MCADAM"}, Mode::kWindows, nullptr},
      {Tool::kCommandLine, {"--", "-odd/MCADAM"}, Mode::kExport, nullptr},
      {Tool::kWindows, {"--frob"}, Mode::kWindows, "unknown option --frob"},
      {Tool::kCommandLine, {"--frob", "F"}, Mode::kExport, "unknown option --frob"},
      {Tool::kWindows, {"--full", "F"}, Mode::kWindows, "unknown option --full"},
      {Tool::kWindows, {"--help"}, Mode::kHelp, nullptr},
      {Tool::kCommandLine, {"--full", "--help"}, Mode::kHelp, nullptr},
      {Tool::kWindows, {"--version"}, Mode::kVersion, nullptr},
      {Tool::kCommandLine, {"--version"}, Mode::kVersion, nullptr},
      {Tool::kWindows, {"--script", "--hex", "s.txt"}, Mode::kScript, nullptr},
      {Tool::kCommandLine, {"--script", "s.txt", "--hex"}, Mode::kScript, "unexpected argument --hex"},
      {Tool::kCommandLine, {"F", "G"}, Mode::kExport, "only one FOLDER"},
      {Tool::kCommandLine, {"--readers", "16", "F"}, Mode::kExport, nullptr},
      {Tool::kCommandLine, {"--readers", "0", "F"}, Mode::kExport, "--readers needs a number from 1 to 64"},
      {Tool::kCommandLine, {"--readers", "8x", "F"}, Mode::kExport, "--readers needs a number from 1 to 64"},
      {Tool::kCommandLine, {"--readers", "-3", "F"}, Mode::kExport, "--readers needs a number from 1 to 64"},
      {Tool::kCommandLine, {"--group"}, Mode::kExport, "--group needs a NAME"},
      {Tool::kCommandLine, {"--catalog", "--full", "ROOT"}, Mode::kCatalog, nullptr},
      {Tool::kCommandLine, {"--catalog"}, Mode::kCatalog, "--catalog needs a ROOT"},
      {Tool::kCommandLine,
       {"--catalog", "--all-groups", "ROOT"},
       Mode::kCatalog,
       "--catalog lists every group; --group and --all-groups do not go with it"},
      {Tool::kCommandLine,
       {"--group", "G", "--all-groups", "F"},
       Mode::kExport,
       "--group and --all-groups exclude each other"},
  };
  for (const Case& c : cases) {
    std::string error;
    auto options = ParseOptions(c.tool, c.args, error);
    std::string where = std::string(ToolName(c.tool)) + " " + (c.args.empty() ? "" : c.args[0]);
    if (c.error != nullptr) {
      EXPECT_FALSE(options.has_value()) << where;
      EXPECT_EQ(error, c.error) << where;
      continue;
    }
    ASSERT_TRUE(options.has_value()) << where << ": " << error;
    EXPECT_EQ(options->mode, c.mode) << where;
  }
  // What they did take, as they took it.
  std::string error;
  EXPECT_EQ(ParseOptions(Tool::kWindows, {"--", "-odd\\MCADAM"}, error)->arguments,
            std::vector<std::string>{"-odd\\MCADAM"});
  EXPECT_EQ(ParseOptions(Tool::kCommandLine, {"--readers", "16", "F"}, error)->exports.readers, 16);
  EXPECT_EQ(ParseOptions(Tool::kCommandLine, {"--", "-odd/MCADAM"}, error)->exports.folder, "-odd/MCADAM");
  EXPECT_EQ(UsageError(Tool::kWindows, "unknown option --frob"),
            "tovir: unknown option --frob\n" + Usage(Tool::kWindows));
  EXPECT_EQ(VersionText(), "TOVIR Version 1.30 2002.04.21\n");
}

}  // namespace
}  // namespace tovir::driver

// tovir-cli as a program: its options, exit statuses and output bytes, over folders made by tovir-mkdata.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver/options.h"
#include "mkdata.h"
#include "support/scenario.h"
#include "support/shell.h"

namespace tovir {
namespace {

using namespace test;

using Result = ShellResult;

const std::string kCli = TOVIR_CLI;
const std::string kMkData = TOVIR_MKDATA;

size_t Lines(const std::string& text) {
  size_t n = 0;
  for (size_t pos = 0; (pos = text.find("\r\n", pos)) != std::string::npos; pos += 2) ++n;
  return n;
}

TEST(CliProgram, FullTabExportOfTenThousandDrawingsWritesEveryRow) {
  TempFolder folder;
  Result made = Shell(kMkData + " --groups 1 --users 10 --drawings 1042 --seed 3 " + Quote(folder.path()));
  ASSERT_EQ(made.status, 0);
  long long drawings = std::stoll(made.out.substr(made.out.find("files, ") + 7));
  ASSERT_GE(drawings, 10000);
  Result r = Shell(kCli + " --full --tab " + Quote(folder.path()));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Lines(r.out), static_cast<size_t>(drawings) + 1);
  EXPECT_EQ(r.out.substr(0, r.out.find("\r\n")), "Group名\tUser名\t図面名（PN,FN）\t更新日\t更新時刻\t注記");
  // Every row has its six fields and its update date.
  size_t rows = 0;
  for (size_t pos = r.out.find("\r\n") + 2; pos < r.out.size(); pos = r.out.find("\r\n", pos) + 2) {
    std::string line = r.out.substr(pos, r.out.find("\r\n", pos) - pos);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
    EXPECT_EQ(line.find("\t\t\t"), std::string::npos) << line;
    ++rows;
  }
  EXPECT_EQ(rows, static_cast<size_t>(drawings));
}

TEST(CliProgram, AGroupNamedWithTheSingleBytesOnlyCp932HasListsEveryDrawing) {
  TempFolder folder;
  ASSERT_EQ(Shell(kMkData + " --every-code " + Quote(folder.path())).status, 0);
  // 0x80, 0xA0 and 0xFD to 0xFF, typed in UTF-8 and named so on disk.
  const std::string only = "\x80\xA0\xFD\xFE\xFF";
  Result r = Shell(kCli + " --full --tab --encoding cp932 --no-heading --group " +
                   Quote("G\u0080\uF8F0\uF8F1\uF8F2\uF8F3") + " " + Quote(folder.path()));
  EXPECT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(Lines(r.out), 10u);
  size_t row = 0;
  for (size_t pos = 0; pos < r.out.size(); pos = r.out.find("\r\n", pos) + 2, ++row) {
    std::string line = r.out.substr(pos, r.out.find("\r\n", pos) - pos);
    // Group, user, drawing name, date, time, note: the drawing file was found by the names it lies under.
    EXPECT_EQ(line.substr(0, 13), "G" + only + "\t" + only + "\t") << row;
    size_t date = line.find("\t02/04/01\t");
    EXPECT_NE(date, std::string::npos) << row;
    if (row > 0) {
      EXPECT_GT(line.size(), date + 17) << row;  // a note (the first begins with a NUL)
    }
  }
}

TEST(CliProgram, ExitStatusesAndMessages) {
  TempFolder folder;
  WriteIndexFile(folder, "GRP1", "MCSATO", Numbered(2));
  mkdata::MakeDirectories(folder.Join({"NOIDX"}));
  // A folder whose name begins with "-", named relative to the folder it lies in.
  TempFolder odd("-odd/MCADAM");
  WriteIndexFile(odd, "ODD", "MCSATO", Numbered(1));
  const std::string oddParent = odd.path().substr(0, odd.path().size() - std::string("/-odd/MCADAM").size());
  struct Case {
    std::string args;
    int status;
    std::string out;
    std::string err;         // the beginning of what standard error shows
    std::string where = {};  // the folder it runs in, if not this one
  } cases[] = {
      {"/tmp/nowhere", 2, "", "Mcadamﾌｫﾙﾀﾞｰをドロップしてください！\n"},
      {"--group NOPE " + Quote(folder.path()), 2, "", "tovir-cli: unknown group: NOPE\n"},
      {"--bogus " + Quote(folder.path()), 2, "", "tovir-cli: unknown option --bogus"},
      {"", 2, "", "tovir-cli: FOLDER is missing"},
      {"--help", 0, driver::Usage(driver::Tool::kCommandLine), ""},
      {"--version", 0, "TOVIR Version 1.30 2002.04.21\n", ""},
      {"--catalog /no/such/archive", 2, "", "tovir-cli: cannot list /no/such/archive\n"},
      {"--no-heading --group GRP1 " + Quote(folder.path()), 0,
       "GRP1    SATO   P1,01" + std::string(16, ' ') + "\r\nGRP1    SATO   P2,01" + std::string(16, ' ') +
           "\r\n",
       ""},
      {"--tab --all-groups " + Quote(folder.path()), 1,
       "Group名\tUser名\t図面名（PN,FN）\t更新日\t更新時刻\t注記\r\nGRP1\tSATO\tP1,"
       "01\t\t\t\r\nGRP1\tSATO\tP2,01\t\t\t\r\n",
       "NOIDX: MC Ver3ではありません！\n"},
      {"--group NOIDX --no-heading " + Quote(folder.path()), 1, "", "MC Ver3ではありません！\n"},
      {"--tab --no-heading --encoding cp932 --group GRP1 --full " + Quote(folder.path()), 0,
       "GRP1\tSATO\tP1,01\t02/04/21\t13:05\tN1\r\nGRP1\tSATO\tP2,01\t02/04/21\t13:05\tN2\r\n", ""},
      {"--tab --no-heading --group GRP1 --full --readers 1 " + Quote(folder.path()), 0,
       "GRP1\tSATO\tP1,01\t02/04/21\t13:05\tN1\r\nGRP1\tSATO\tP2,01\t02/04/21\t13:05\tN2\r\n", ""},
      {"--tab --no-heading --group GRP1 --full --readers 64 " + Quote(folder.path()), 0,
       "GRP1\tSATO\tP1,01\t02/04/21\t13:05\tN1\r\nGRP1\tSATO\tP2,01\t02/04/21\t13:05\tN2\r\n", ""},
      {"--readers 65 " + Quote(folder.path()), 2, "",
       "tovir-cli: --readers needs a number from 1 to 64\nusage:"},
      {"--readers 18446744073709551617 " + Quote(folder.path()), 2, "",
       "tovir-cli: --readers needs a number from 1 to 64\nusage:"},
      {Quote(folder.path()) + " --readers", 2, "", "tovir-cli: --readers needs a number"},
      {"--no-heading -- -odd/MCADAM", 0, "ODD     SATO   P1,01" + std::string(16, ' ') + "\r\n", "",
       oddParent},
      {"--no-heading -odd/MCADAM", 2, "", "tovir-cli: unknown option -odd/MCADAM", oddParent},
  };
  for (const auto& c : cases) {
    Result r = Shell((c.where.empty() ? "" : "cd " + Quote(c.where) + " && ") + kCli + " " + c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, c.out) << c.args;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.args;
    if (c.err.empty()) {
      EXPECT_EQ(r.err, "") << c.args;
    }
  }
  Result cp932 = Shell(kCli + " --encoding cp932 " + Quote(folder.path()));
  EXPECT_EQ(cp932.out.substr(0, 7), "Group\x96\xbc");
}

TEST(CliProgram, ScriptModeReadsAFileOrStandardInput) {
  TempFolder folder;
  WriteIndexFile(folder, "G", "MCSATO", Numbered(1));
  std::string script = "start " + folder.path() + "\nmode 1\ndump\n";
  mkdata::WriteFile(folder.Join({"script.txt"}), script);
  Result fromFile = Shell(kCli + " --script " + Quote(folder.Join({"script.txt"})));
  Result fromStdin = Shell("printf '%s' " + Quote(script) + " | " + kCli + " --script --hex -");
  EXPECT_EQ(fromFile.status, 0);
  EXPECT_EQ(Json::Parse(fromFile.out)["ListBox12"][0].Str(), "02/04/21 13:05");
  EXPECT_EQ(Json::Parse(fromStdin.out)["ListBox12"][0].Str(), "30322f30342f32312031333a3035");
  Result bad = Shell("printf 'dump\\nwat\\n' | " + kCli + " --script");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("line 2"), std::string::npos);
}

}  // namespace
}  // namespace tovir

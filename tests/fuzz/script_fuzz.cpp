// The script parser and the script runner over a fixed drawing-data folder in memory. The input is the script
// after its first line, which starts the program with that folder.
#include <memory>
#include <string>
#include <string_view>

#include "base/path.h"
#include "driver/dump.h"
#include "driver/script.h"
#include "fuzz_check.h"
#include "mkdata.h"
#include "reader/folder_scan.h"
#include "support/json.h"
#include "support/memory_file_system.h"

using namespace tovir;

namespace {

const std::string kFolder = JoinPath("F", "MCADAM");

test::MemoryFileSystem& Folder() {
  static test::MemoryFileSystem* fs = [] {
    auto* made = new test::MemoryFileSystem;
    const char* groups[] = {"GRP1", "\x90\xdd\x8c\x76", "EMPTY"};  // the middle one is 設計
    for (int g = 0; g < 2; ++g) {
      for (const char* index : {"MCSATO", "MCYAMADA_1"}) {
        std::vector<std::string> records;
        for (int d = 0; d < 4; ++d) {
          std::string number = "00000" + std::to_string(d);
          records.push_back(
              mkdata::EncodeRecord({d == 2 ? '0' : '1', number, "P-" + std::to_string(d), "01"}));
          test::MemoryFileSystem::FileEntry drawing;
          drawing.bytes = mkdata::DrawingFileBytes(d == 1 ? "\x83m\x81[\x83g" : "NOTE " + std::to_string(d));
          drawing.lastWriteUtc = 1019390758 + d * 86400;
          std::string user(UserNameFromIndexFile(index));
          made->AddFile(JoinPath(JoinPath(JoinPath(kFolder, groups[g]), user), "Mc" + number + ".1@@"),
                        std::move(drawing));
        }
        made->AddFile(JoinPath(JoinPath(JoinPath(kFolder, groups[g]), "V3idxft"), index),
                      mkdata::IndexFileBytes(records));
      }
    }
    made->AddDirectory(JoinPath(kFolder, groups[2]));  // a group without an index directory
    return made;
  }();
  return *fs;
}

// Commands that would keep the run going for long: many ticks, or a wait for a far pass.
bool Slow(const driver::Command& c) {
  if ((c.Is("tick") || c.Is("during-read")) && c.number > 100) {
    return true;
  }
  return c.inner != nullptr && Slow(*c.inner);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  int lineNumber = 1;
  for (size_t pos = 0; pos <= input.size();) {
    size_t end = input.find('\n', pos);
    if (end == std::string_view::npos) end = input.size();
    std::string error;
    auto command = driver::ParseCommand(input.substr(pos, end - pos), ++lineNumber, error);
    FUZZ_CHECK(command.has_value() == error.empty());
    if (command && Slow(*command)) return 0;
    pos = end + 1;
  }

  std::string script = "start " + kFolder + "\n" + std::string(input);
  driver::ScriptRunner runner(
      Folder(), false, [](std::string_view) {}, [](std::string_view) {});
  int status = runner.Run(script);
  FUZZ_CHECK(status == 0 || status == 2);
  FUZZ_CHECK(Folder().OpenFiles() == 0);
  if (runner.program() == nullptr) return 0;
  // The drawing table and the per-row lists stay in step whatever came in between.
  test::Json dump = test::Json::Parse(driver::DumpState(*runner.program(), runner.app().State(), false));
  size_t drawings = dump["ListBox4"].size();
  FUZZ_CHECK(dump["ListBox3"].size() == drawings && dump["ListBox5"].size() == drawings);
  size_t rows = dump["ListBox13"].size();
  FUZZ_CHECK(dump["ListBox12"].size() == rows && dump["ListBox9"].size() == rows && rows <= drawings);
  return 0;
}

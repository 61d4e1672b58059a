// Scenarios for the main window.
#include "support/scenario.h"

#include <cstdio>

#include "base/path.h"
#include "driver/script.h"
#include "mkdata.h"
#include "reader/folder_scan.h"

namespace tovir::test {

void WriteIndexFile(const TempFolder& folder, std::string_view group, std::string_view indexName,
                    const std::vector<Drawing>& drawings, int firstNumber) {
  std::vector<std::string> records;
  std::string user(UserNameFromIndexFile(indexName));
  for (size_t i = 0; i < drawings.size(); ++i) {
    const Drawing& d = drawings[i];
    char number[16];
    std::snprintf(number, sizeof number, "%06d", firstNumber + static_cast<int>(i));
    records.push_back(mkdata::EncodeRecord({d.status, number, d.pn, d.fn}));
    if (!d.file) continue;
    std::string path = folder.Join({group, user, std::string("Mc") + number + ".1@@"});
    mkdata::WriteFile(path, mkdata::DrawingFileBytes(d.note));
    mkdata::SetLastWriteTime(path, d.when);
  }
  mkdata::WriteFile(folder.Join({group, "V3idxft", indexName}), mkdata::IndexFileBytes(records));
}

std::vector<Drawing> Numbered(int n) {
  std::vector<Drawing> drawings;
  for (int i = 1; i <= n; ++i) {
    Drawing d;
    d.pn = "P" + std::to_string(i);
    d.note = "N" + std::to_string(i);
    drawings.push_back(d);
  }
  return drawings;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out = "hex:";
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

ScriptResult RunScript(std::string_view script, bool hex, fs::FileSystem* fs) {
  ScriptResult result;
  driver::ScriptRunner runner(
      fs != nullptr ? *fs : fs::NativeFileSystem(), hex, [&](std::string_view s) { result.out += s; },
      [&](std::string_view s) { result.err += s; });
  result.status = runner.Run(script);
  size_t pos = 0;
  while (pos < result.out.size()) {
    size_t end = result.out.find('\n', pos);
    if (end == std::string::npos) end = result.out.size();
    std::string_view line(result.out.data() + pos, end - pos);
    if (!line.empty() && line.front() == '{') result.dumps.push_back(Json::Parse(line));
    pos = end + 1;
  }
  return result;
}

}  // namespace tovir::test

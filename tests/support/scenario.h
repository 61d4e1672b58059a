// Scenarios for the main window: drawing-data folders built to order, and scripts run through the script
// mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/dos_time.h"
#include "fs/file_system.h"
#include "support/json.h"
#include "support/temp_folder.h"

namespace tovir::test {

struct Drawing {
  std::string pn;
  std::string fn = "01";
  std::string note;                        // CP932, written at offset 104
  CivilTime when{2002, 4, 21, 13, 5, 58};  // last-write time, local
  bool file = true;                        // whether the drawing file exists
  char status = '1';
};

// Writes index file `indexName` of `group` holding `drawings` (file numbers 000001, 000002, ... from
// `firstNumber`) and each drawing's file in the user directory the index file name stands for.
void WriteIndexFile(const TempFolder& folder, std::string_view group, std::string_view indexName,
                    const std::vector<Drawing>& drawings, int firstNumber = 1);

// `n` drawings named P1, P2, ... with notes N1, N2, ...
std::vector<Drawing> Numbered(int n);

// A script TEXT argument that gives these bytes exactly: "hex:" and their hex digits.
std::string Hex(std::string_view bytes);

struct ScriptResult {
  int status = 0;
  std::string out;
  std::string err;
  std::vector<Json> dumps;
  const Json& last() const { return dumps.back(); }
};

// Runs a script (UTF-8, one command per line) through the script mode, over the real file system unless `fs`
// is given.
ScriptResult RunScript(std::string_view script, bool hex = false, fs::FileSystem* fs = nullptr);

}  // namespace tovir::test

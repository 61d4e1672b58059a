// Command-line arguments on Windows: taken as UTF-16 from the system and converted with the program's code
// page 932 table, as a Japanese system's ANSI command line would hold them.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "base/encoding.h"
#include "fs/arguments.h"

namespace tovir::fs {

std::vector<std::string> CommandLineArguments(int, char**) {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) {
    args.push_back(Utf16ToCp932Lossy(std::u16string(wide[i], wide[i] + wcslen(wide[i]))));
  }
  LocalFree(wide);
  return args;
}

}  // namespace tovir::fs

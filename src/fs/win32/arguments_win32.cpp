// Command-line arguments on Windows: taken as UTF-16 from the system and converted with code page 932.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "fs/arguments.h"

namespace tovir::fs {

std::vector<std::string> CommandLineArguments(int, char**) {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) {
    int len = static_cast<int>(wcslen(wide[i]));
    int n = len == 0 ? 0 : WideCharToMultiByte(932, 0, wide[i], len, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(932, 0, wide[i], len, arg.data(), n, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  LocalFree(wide);
  return args;
}

}  // namespace tovir::fs

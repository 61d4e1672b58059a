// Programs run through the shell.
#include "support/shell.h"

#include <sys/wait.h>

#include <cstdio>

#include "support/temp_folder.h"

namespace tovir::test {

std::string ReadFile(const std::string& path) {
  std::string text;
  if (FILE* f = fopen(path.c_str(), "rb")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    fclose(f);
  }
  return text;
}

ShellResult Shell(const std::string& command) {
  TempFolder errors("err");
  std::string errFile = errors.Join({"stderr"});
  std::string line = "{ " + command + "\n} 2>" + errFile;
  ShellResult r;
  FILE* pipe = popen(line.c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[65536];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
  r.err = ReadFile(errFile);
  return r;
}

std::string Quote(const std::string& s) {
  std::string quoted = "'";
  for (char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace tovir::test

// Programs run through the shell, as a user runs them: their exit status, standard output and standard error.
#pragma once

#include <string>

namespace tovir::test {

struct ShellResult {
  int status = -1;  // the exit status; 128 + the signal for one a signal ended, as the shell says it
  std::string out;
  std::string err;
};

// Runs a command line with /bin/sh, keeping its standard output and standard error apart.
ShellResult Shell(const std::string& command);

// A word quoted for the shell.
std::string Quote(const std::string& s);

// A file's bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace tovir::test

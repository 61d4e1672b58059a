// Command-line arguments on POSIX: UTF-8, like file names.
#include "fs/arguments.h"
#include "fs/posix/posix_file_system.h"

namespace tovir::fs {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(PosixFileSystem::NameFromDisk(argv[i]));
  return args;
}

}  // namespace tovir::fs

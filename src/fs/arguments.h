// The program's command-line arguments as CP932 byte strings, converted from the system's own form the way
// file names are.
#pragma once

#include <string>
#include <vector>

namespace tovir::fs {

// The arguments after the program name.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace tovir::fs

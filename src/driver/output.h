// How tovir-cli writes the program's CP932 texts: as UTF-8 or as the bytes themselves.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tovir::driver {

enum class Encoding { kUtf8, kCp932 };

std::string Encode(std::string_view cp932, Encoding encoding);

// Writes bytes unchanged (no line-end translation on any platform).
void WriteBytes(std::FILE* stream, std::string_view bytes);

// Puts standard output and standard error into binary mode where the platform translates line ends.
void UseBinaryStreams();

bool IsTerminal(std::FILE* stream);

// A script's text from FILE, or from standard input for "" or "-"; false when the file cannot be read.
bool ReadScript(const std::string& file, std::string& script);

}  // namespace tovir::driver

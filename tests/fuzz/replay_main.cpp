// Replays a fuzz target's corpus without libFuzzer, so every test run (native, sanitizers, Windows under
// Wine) goes over the committed seeds and every finding kept since. Each argument is a file or a directory of
// files; a file whose name ends in ".hex" holds hex digits (blanks, line ends and "#" comments ignored), any
// other file is taken byte for byte.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_check.h"

namespace {

namespace stdfs = std::filesystem;

bool DecodeHex(const std::string& text, std::string& out) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  int high = -1;
  bool comment = false;
  for (char c : text) {
    if (comment) {
      comment = c != '\n';
      continue;
    }
    if (c == '#') {
      comment = true;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    int d = digit(c);
    if (d < 0) return false;
    if (high < 0) {
      high = d;
    } else {
      out += static_cast<char>(high * 16 + d);
      high = -1;
    }
  }
  return high < 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<stdfs::path> files;
  for (int i = 1; i < argc; ++i) {
    stdfs::path arg(argv[i]);
    if (stdfs::is_directory(arg)) {
      for (const auto& entry : stdfs::directory_iterator(arg)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
    } else {
      files.push_back(arg);
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 1;
  }
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
      std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
      return 1;
    }
    if (path.extension() == ".hex") {
      std::string decoded;
      if (!DecodeHex(bytes, decoded)) {
        std::fprintf(stderr, "%s: not hex\n", path.string().c_str());
        return 1;
      }
      bytes = std::move(decoded);
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("replayed %zu inputs\n", files.size());
  return 0;
}

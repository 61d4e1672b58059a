// How tovir-cli writes the program's CP932 texts.
#include "driver/output.h"

#include "base/encoding.h"
#include "fs/file_system.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tovir::driver {

std::string Encode(std::string_view cp932, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? Cp932ToUtf8(cp932) : std::string(cp932);
}

void WriteBytes(std::FILE* stream, std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

void UseBinaryStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
}

bool IsTerminal(std::FILE* stream) {
#ifdef _WIN32
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

bool ReadScript(const std::string& file, std::string& script) {
  char buffer[65536];
  size_t n;
  script.clear();
  if (file.empty() || file == "-") {
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) script.append(buffer, n);
    return true;
  }
  auto f = fs::NativeFileSystem().OpenRead(file);
  if (!f) return false;
  while ((n = f->Read(buffer, sizeof buffer)) > 0) script.append(buffer, n);
  return true;
}

}  // namespace tovir::driver

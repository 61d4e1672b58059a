// How tovir-cli writes the program's CP932 texts.
#include "cli/output.h"

#include "base/encoding.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tovir::cli {

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

}  // namespace tovir::cli

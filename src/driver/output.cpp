// How tovir-cli writes the program's CP932 texts.
#include "driver/output.h"

#include <cerrno>
#include <cstring>
#include <memory>

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

bool WriteBytes(std::FILE* stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

void CheckedOutput::Write(std::string_view bytes) {
  if (error_ != 0 || bytes.empty()) return;
  errno = 0;
  if (!WriteBytes(stream_, bytes)) error_ = errno != 0 ? errno : EIO;
}

bool CheckedOutput::Finish() {
  if (error_ == 0) {
    errno = 0;
    if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0) error_ = errno != 0 ? errno : EIO;
  }
  return error_ == 0;
}

bool CheckedOutput::ClosedPipe() const {
  // A Windows pipe whose reader has gone reports EINVAL to the C library's writes, as well as EPIPE.
#ifdef _WIN32
  return error_ == EPIPE || error_ == EINVAL;
#else
  return error_ == EPIPE;
#endif
}

std::string CheckedOutput::Reason() const {
  return std::strerror(error_);
}

namespace {

// Enough for the last messages and the summary, and for the library's own bookkeeping while they are made.
constexpr size_t kHeadroomBytes = size_t{1} << 20;
std::unique_ptr<char[]> headroom;  // the process's one reserve, held by main's thread

}  // namespace

void ReserveHeadroom() {
  headroom = std::make_unique<char[]>(kHeadroomBytes);  // zeroed: the pages are really had, not only promised
}

void ReleaseHeadroom() {
  headroom.reset();
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
    return std::ferror(stdin) == 0;
  }
  auto f = fs::NativeFileSystem().OpenRead(file);
  if (!f) return false;
  while ((n = f->Read(buffer, sizeof buffer)) > 0) script.append(buffer, n);
  return !f->Failed();
}

}  // namespace tovir::driver

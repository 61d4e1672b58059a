// How tovir-cli writes the program's CP932 texts: as UTF-8 or as the bytes themselves.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tovir::driver {

enum class Encoding { kUtf8, kCp932 };

std::string Encode(std::string_view cp932, Encoding encoding);

// Writes bytes unchanged (no line-end translation on any platform); false when they were not all written.
bool WriteBytes(std::FILE* stream, std::string_view bytes);

// The exit statuses both modes of tovir-cli share: 0 complete; 1 something passed over, and said; 2 a usage
// error or a refused folder (kExitUsage); 3 memory ran out; 4 the output could not be written. A closed pipe
// (the reader went away, as `| head` does) ends quietly, as command-line tools do, with the status a shell
// shows for a tool that a closed pipe ended.
inline constexpr int kExitPassedOver = 1;
inline constexpr int kExitOutOfMemory = 3;
inline constexpr int kExitOutput = 4;
inline constexpr int kExitClosedPipe = 141;

// The program's output (standard output) with every write checked: once one fails, nothing more is written,
// and why stays to be said.
class CheckedOutput {
 public:
  explicit CheckedOutput(std::FILE* stream) : stream_(stream) {}
  void Write(std::string_view bytes);
  // Writes what is buffered; false when anything could not be written.
  bool Finish();
  bool Failed() const { return error_ != 0; }
  // The failure was a reader that went away.
  bool ClosedPipe() const;
  // Why the output could not be written, for the message.
  std::string Reason() const;

 private:
  std::FILE* stream_;
  int error_ = 0;
};

// Thrown by a writer's sink once the output has failed, so that the work stops: nothing more could reach the
// output anyway.
struct OutputFailed {};

// Memory kept back from the start, and given back when memory runs out, so that the message and the summary
// can still be written.
void ReserveHeadroom();
void ReleaseHeadroom();

// Puts standard output and standard error into binary mode where the platform translates line ends.
void UseBinaryStreams();

bool IsTerminal(std::FILE* stream);

// A script's text from FILE, or from standard input for "" or "-"; false when the file cannot be read.
bool ReadScript(const std::string& file, std::string& script);

}  // namespace tovir::driver

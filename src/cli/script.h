// Script mode: the program's windows fed with commands, one per line, as the user's input, and dumps of their
// whole state; over the headless backend (tovir-cli) or over real windows (tovir.exe).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "fs/file_system.h"
#include "kit/headless/headless_application.h"

namespace tovir::cli {

using Sink = std::function<void(std::string_view)>;

struct Command {
  enum class Kind {
    kStart,
    kDrop,
    kGroup,
    kMode,
    kPress,
    kSearch,
    kCopy,
    kPopup,
    kKey,
    kHeadingOn,
    kHeadingOff,
    kUsage,
    kVersion,
    kCancel,
    kTick,
    kDuringRead,
    kExit,
    kFocus,
    kClose,
    kClick,
    kDump,
    kLayout,
    kPause
  };
  Kind kind = Kind::kDump;
  int line = 0;
  bool hasText = false;
  std::string text;  // CP932
  long long number = 0;
  kit::MouseButton button = kit::MouseButton::kLeft;
  kit::ShiftState shift;
  std::shared_ptr<Command> inner;  // the held-back command of during-read
};

// Parses one script line (without its line end); nullopt and `error` set when it is not a command.
std::optional<Command> ParseCommand(std::string_view line, int lineNumber, std::string& error);

class ScriptRunner {
 public:
  // Over a headless backend of its own.
  ScriptRunner(fs::FileSystem& fs, bool hex, Sink out, Sink err);
  // Over the caller's backend: `app` makes the windows, `input` takes the script's input.
  ScriptRunner(kit::Application& app, kit::Scriptable& input, fs::FileSystem& fs, bool hex, Sink out,
               Sink err);
  // Runs the script's lines; returns the exit status (2 at the first line that is not a command, else 0).
  int Run(std::string_view script);

  Program* program() { return program_.get(); }
  kit::Application& app() { return app_; }

 private:
  ScriptRunner(std::unique_ptr<kit::HeadlessApplication> headless, fs::FileSystem& fs, bool hex, Sink out,
               Sink err);
  void Start(const std::vector<std::string>& args);
  // Turns one command into the user's input, or writes what it asks for.
  void Execute(const Command& command);
  kit::TForm* FindForm(std::string_view name);
  void OnProcessMessages();
  void DropArmed();

  struct Held {
    long long pass;
    Command command;
    bool armed = false;  // the full display it waits for has begun
  };

  fs::FileSystem& fs_;
  bool hex_;
  Sink out_;
  Sink err_;
  std::unique_ptr<kit::HeadlessApplication> headless_;
  kit::Application& app_;
  kit::Scriptable& input_;
  std::unique_ptr<Program> program_;
  std::vector<Held> held_;
};

}  // namespace tovir::cli

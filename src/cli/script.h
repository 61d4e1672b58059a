// Script mode of tovir-cli: a headless main window fed with commands, one per line, and dumps of its whole
// state.
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
    kLayout
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
  ScriptRunner(fs::FileSystem& fs, bool hex, Sink out, Sink err);
  // Runs the script's lines; returns the exit status (2 at the first line that is not a command, else 0).
  int Run(std::string_view script);

  Program* program() { return program_.get(); }
  kit::HeadlessApplication& app() { return app_; }

 private:
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
  kit::HeadlessApplication app_;
  kit::UserInput& input_ = app_;
  std::unique_ptr<Program> program_;
  std::vector<Held> held_;
};

}  // namespace tovir::cli

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
#include "kit/keys.h"

namespace tovir::driver {

using Sink = std::function<void(std::string_view)>;

class ScriptRunner;
struct CommandEntry;

// One parsed script line.
struct Command {
  const CommandEntry* entry = nullptr;  // which command, from the command table
  int line = 0;
  bool hasText = false;
  std::string text;  // CP932: a TEXT argument, or a window's (and button's) name
  long long number = 0;
  kit::MouseButton button = kit::MouseButton::kLeft;
  kit::ShiftState shift;
  kit::Key key;
  std::shared_ptr<Command> inner;  // the held-back command of during-read

  // The command's word ("drop", "tick", ...).
  std::string_view Word() const;
  bool Is(std::string_view word) const { return Word() == word; }
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
  // Runs the script's lines; returns the exit status: 2 at the first line that is not a command, or at a
  // during-read that can no longer be reached; else 0.
  int Run(std::string_view script);

  Program* program() { return program_.get(); }
  kit::Application& app() { return app_; }

  // What each command does, as the command table names it.
  void Drop(const Command& c);
  void Group(const Command& c);
  void Mode(const Command& c);
  void Press(const Command& c);
  void Search(const Command& c);
  void Copy(const Command& c);
  void Popup(const Command& c);
  void PressKey(const Command& c);
  void Menu(std::string_view item);
  void Cancel(const Command& c);
  void Tick(const Command& c);
  void Pause(const Command& c);
  void DuringRead(const Command& c);
  void Focus(const Command& c);
  void Close(const Command& c);
  void Click(const Command& c);
  void Dump(const Command& c);
  void Layout(const Command& c);

 private:
  ScriptRunner(std::unique_ptr<kit::HeadlessApplication> headless, fs::FileSystem& fs, bool hex, Sink out,
               Sink err);
  void Start(const std::vector<std::string>& args);
  // Turns one command into the user's input, or writes what it asks for.
  void Execute(const Command& command);
  void OnProcessMessages();
  // Held commands whose full display, `reading` or an earlier one, has ended: said, and given up.
  void ReportEnded(int reading);
  // A held command that cannot run any more stops the script, as a line that is not a command does.
  void Refuse(int line, std::string_view why);

  struct Held {
    long long pass;
    Command command;
    int reading;  // the full display it is for, as TForm1::Readings counts them
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
  int status_ = 0;  // 2 once the script has been stopped by a held command
};

}  // namespace tovir::driver

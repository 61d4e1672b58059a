// Script mode: the command table, the parser and the runner.
#include "driver/script.h"

#include <charconv>
#include <exception>
#include <initializer_list>

#include "base/cp932.h"
#include "base/encoding.h"
#include "driver/dump.h"

namespace tovir::driver {

namespace {

using Button = kit::MouseButton;

bool ParseNumber(std::string_view text, long long& out) {
  if (text.empty() || text.size() > 12) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && out >= 0;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A TEXT argument: "hex:" and hex digits give bytes exactly; anything else is UTF-8, converted to CP932.
bool ParseText(std::string_view text, std::string& out, std::string& error) {
  if (text.substr(0, 4) == "hex:") {
    std::string_view digits = text.substr(4);
    out.clear();
    for (size_t i = 0; i < digits.size(); i += 2) {
      int hi = HexDigit(digits[i]);
      int lo = i + 1 < digits.size() ? HexDigit(digits[i + 1]) : -1;
      if (hi < 0 || lo < 0) {
        error = "hex: needs pairs of hex digits";
        return false;
      }
      out += static_cast<char>(hi * 16 + lo);
    }
    return true;
  }
  auto cp932 = Utf8ToCp932(text);
  if (!cp932) {
    error = "text is not UTF-8 that CP932 can hold (use hex: for exact bytes)";
    return false;
  }
  out = *cp932;
  return true;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// Joins texts; a chain of `+` on a temporary string makes GCC 12 at -O3 warn falsely about overlapping
// copies.
std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

bool IsWindowName(std::string_view name) {
  for (std::string_view window : Program::WindowNames()) {
    if (window == name) return true;
  }
  return false;
}

std::string WindowList() {
  std::string list;
  for (std::string_view window : Program::WindowNames()) {
    list += list.empty() ? "" : ", ";
    list += window;
  }
  return list;
}

}  // namespace

// What a command takes after its word.
enum class Argument {
  kNone,
  kText,          // the rest of the line, as TEXT
  kOptionalText,  // the same, or nothing
  kNumber,        // a number from `min` to `max`
  kPress,         // a row, then left, right or middle, then shift or ctrl
  kKey,           // a key: ctrl+c, ctrl+shift+c, esc, enter, ...
  kWindow,        // a window's name
  kButton,        // a window's button: Form5.BitBtn1
  kOnOff,         // on or off
  kDuringRead,    // a pass, then a command
};

struct CommandEntry {
  std::string_view word;
  Argument argument;
  void (*run)(ScriptRunner& runner, const Command& c);
  long long min = 0;
  long long max = 0;
};

namespace {

constexpr long long kMaxNumber = 1000000000;

// Every command of the script language: its word, what it takes and what it does.
const CommandEntry kCommands[] = {
    {"start", Argument::kOptionalText, [](ScriptRunner&, const Command&) {}},
    {"drop", Argument::kText, [](ScriptRunner& r, const Command& c) { r.Drop(c); }},
    {"group", Argument::kNumber, [](ScriptRunner& r, const Command& c) { r.Group(c); }, 0, kMaxNumber},
    {"mode", Argument::kNumber, [](ScriptRunner& r, const Command& c) { r.Mode(c); }, 0, 1},
    {"press", Argument::kPress, [](ScriptRunner& r, const Command& c) { r.Press(c); }},
    {"search", Argument::kOptionalText, [](ScriptRunner& r, const Command& c) { r.Search(c); }},
    {"copy", Argument::kNumber, [](ScriptRunner& r, const Command& c) { r.Copy(c); }, 1, 4},
    {"popup", Argument::kNumber, [](ScriptRunner& r, const Command& c) { r.Popup(c); }, 1, 4},
    {"key", Argument::kKey, [](ScriptRunner& r, const Command& c) { r.PressKey(c); }},
    {"heading", Argument::kOnOff,
     [](ScriptRunner& r, const Command& c) { r.Menu(c.number != 0 ? "htuki" : "hnasi"); }},
    {"usage", Argument::kNone, [](ScriptRunner& r, const Command&) { r.Menu("K1"); }},
    {"version", Argument::kNone, [](ScriptRunner& r, const Command&) { r.Menu("About1"); }},
    {"exit", Argument::kNone, [](ScriptRunner& r, const Command&) { r.Menu("Exit1"); }},
    {"cancel", Argument::kNone, [](ScriptRunner& r, const Command& c) { r.Cancel(c); }},
    {"tick", Argument::kNumber, [](ScriptRunner& r, const Command& c) { r.Tick(c); }, 0, 1000000},
    {"pause", Argument::kNumber, [](ScriptRunner& r, const Command& c) { r.Pause(c); }, 0, 600000},
    {"during-read", Argument::kDuringRead, [](ScriptRunner& r, const Command& c) { r.DuringRead(c); }},
    {"focus", Argument::kWindow, [](ScriptRunner& r, const Command& c) { r.Focus(c); }},
    {"close", Argument::kWindow, [](ScriptRunner& r, const Command& c) { r.Close(c); }},
    {"click", Argument::kButton, [](ScriptRunner& r, const Command& c) { r.Click(c); }},
    {"dump", Argument::kNone, [](ScriptRunner& r, const Command& c) { r.Dump(c); }},
    {"layout", Argument::kNone, [](ScriptRunner& r, const Command& c) { r.Layout(c); }},
};

const CommandEntry* FindCommand(std::string_view word) {
  for (const CommandEntry& command : kCommands) {
    if (command.word == word) return &command;
  }
  return nullptr;
}

}  // namespace

std::string_view Command::Word() const {
  return entry != nullptr ? entry->word : std::string_view();
}

std::optional<Command> ParseCommand(std::string_view line, int lineNumber, std::string& error) {
  Command c;
  c.line = lineNumber;
  size_t blank = line.find(' ');
  std::string_view word = line.substr(0, blank);
  std::string_view rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  bool hasRest = blank != std::string_view::npos;
  std::vector<std::string_view> args = Words(rest);

  c.entry = FindCommand(word);
  if (c.entry == nullptr) {
    error = word.empty() ? "empty command" : Cat({"unknown command '", word, "'"});
    return std::nullopt;
  }
  const CommandEntry& command = *c.entry;
  auto fail = [&](std::initializer_list<std::string_view> parts) {
    error = Cat(parts);
    return std::nullopt;
  };
  switch (command.argument) {
    case Argument::kNone:
      if (hasRest) return fail({"'", word, "' takes no argument"});
      break;
    case Argument::kText:
    case Argument::kOptionalText:
      if (!hasRest) {
        if (command.argument == Argument::kText) return fail({"'", word, "' needs a text"});
        break;
      }
      c.hasText = true;
      if (!ParseText(rest, c.text, error)) return std::nullopt;
      break;
    case Argument::kNumber:
      if (args.size() != 1 || !ParseNumber(args[0], c.number) || c.number < command.min ||
          c.number > command.max) {
        if (command.max >= kMaxNumber) return fail({"'", word, "' needs a number"});
        return fail({"'", word, "' needs a number from ", std::to_string(command.min), " to ",
                     std::to_string(command.max)});
      }
      break;
    case Argument::kPress: {
      if (args.empty() || args.size() > 3 || !ParseNumber(args[0], c.number)) {
        return fail({"'press' needs a row, then left, right or middle, then shift or ctrl"});
      }
      bool button = false;
      bool keys = false;
      for (size_t i = 1; i < args.size(); ++i) {
        std::string_view a = args[i];
        if (!button && (a == "left" || a == "right" || a == "middle")) {
          c.button = a == "left" ? Button::kLeft : a == "right" ? Button::kRight : Button::kMiddle;
          button = true;
        } else if (!keys && (a == "shift" || a == "ctrl")) {
          c.shift.shift = a == "shift";
          c.shift.ctrl = a == "ctrl";
          keys = true;
        } else {
          return fail({"'press' does not know '", a, "'"});
        }
      }
      break;
    }
    case Argument::kKey: {
      std::optional<kit::Key> key = args.size() == 1 ? kit::Key::Parse(args[0]) : std::nullopt;
      if (!key) {
        return fail({"'key' knows ctrl+c, ctrl+shift+c, ctrl+alt+c (any letter), esc, enter, tab and f1"});
      }
      c.key = *key;
      break;
    }
    case Argument::kOnOff:
      if (args.size() != 1 || (args[0] != "on" && args[0] != "off"))
        return fail({"'", word, "' needs on or off"});
      c.number = args[0] == "on" ? 1 : 0;
      break;
    case Argument::kWindow:
      if (args.size() != 1 || !IsWindowName(args[0])) {
        return fail({"'", word, "' needs a window: ", WindowList()});
      }
      c.text = std::string(args[0]);
      break;
    case Argument::kButton: {
      size_t dot = args.size() == 1 ? args[0].find('.') : std::string_view::npos;
      if (dot == std::string_view::npos || !IsWindowName(args[0].substr(0, dot))) {
        return fail({"'", word, "' needs a window's button, such as Form5.BitBtn1"});
      }
      c.text = std::string(args[0]);
      break;
    }
    case Argument::kDuringRead: {
      size_t space = rest.find(' ');
      if (space == std::string_view::npos || !ParseNumber(rest.substr(0, space), c.number)) {
        return fail({"'during-read' needs a pass and a command"});
      }
      auto inner = ParseCommand(rest.substr(space + 1), lineNumber, error);
      if (!inner) return std::nullopt;
      if (inner->Is("start")) return fail({"'start' can only be the first command"});
      c.inner = std::make_shared<Command>(std::move(*inner));
      break;
    }
  }
  return c;
}

ScriptRunner::ScriptRunner(fs::FileSystem& fs, bool hex, Sink out, Sink err)
    : ScriptRunner(std::make_unique<kit::HeadlessApplication>(), fs, hex, std::move(out), std::move(err)) {}

ScriptRunner::ScriptRunner(std::unique_ptr<kit::HeadlessApplication> headless, fs::FileSystem& fs, bool hex,
                           Sink out, Sink err)
    : ScriptRunner(*headless, *headless, fs, hex, std::move(out), std::move(err)) {
  headless_ = std::move(headless);
}

ScriptRunner::ScriptRunner(kit::Application& app, kit::Scriptable& input, fs::FileSystem& fs, bool hex,
                           Sink out, Sink err)
    : fs_(fs), hex_(hex), out_(std::move(out)), err_(std::move(err)), app_(app), input_(input) {
  input_.SetExceptionSink([this](std::exception_ptr error) {
    err_(Cat({"exception: ", kit::ExceptionText(error), "\n"}));
  });
  input_.SetMessageHook([this] { OnProcessMessages(); });
}

int ScriptRunner::Run(std::string_view script) {
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < script.size() && !app_.Terminated()) {
    size_t end = script.find('\n', pos);
    if (end == std::string_view::npos) end = script.size();
    std::string_view line = script.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;

    std::string error;
    auto command = ParseCommand(line, lineNumber, error);
    if (command && command->Is("start") && program_) error = "'start' can only be the first command";
    if (!command || !error.empty()) {
      err_(Cat({"line ", std::to_string(lineNumber), ": ", error, "\n"}));
      return 2;
    }
    if (!program_) {
      std::vector<std::string> args;
      if (command->Is("start") && command->hasText) args.push_back(command->text);
      Start(args);
      if (command->Is("start") || !program_) continue;
    }
    Execute(*command);
    if (status_ != 0) return status_;
    // Between two lines no full display runs: one that began during the line has ended.
    ReportEnded(program_->Form1().Readings());
  }
  if (!program_ && !app_.Terminated()) Start({});
  // What is still held was given after the last full display of the run (or the program ended first).
  for (const Held& h : held_) {
    err_(Cat({"line ", std::to_string(h.command.line),
              ": no full display comes after it; the command cannot run\n"}));
    status_ = 2;
  }
  held_.clear();
  return status_;
}

void ScriptRunner::Start(const std::vector<std::string>& args) {
  // An exception that escapes start-up is shown, and the program ends.
  try {
    program_ = std::make_unique<Program>(app_, fs_, args);
  } catch (...) {
    app_.ReportException(std::current_exception());
    app_.Terminate();
  }
}

void ScriptRunner::Execute(const Command& c) {
  c.entry->run(*this, c);
}

void ScriptRunner::Drop(const Command& c) {
  input_.DropFiles(program_->Form1(), {c.text});
}

void ScriptRunner::Group(const Command& c) {
  TForm1& form = program_->Form1();
  // A click below the last group name only focuses the list.
  if (static_cast<size_t>(c.number) < form.ListBox1.Count()) {
    input_.PressRow(form.ListBox1, static_cast<size_t>(c.number));
  } else {
    input_.Focus(form.ListBox1);
  }
}

void ScriptRunner::Mode(const Command& c) {
  input_.PickRadioItem(program_->Form1().RadioGroup1, static_cast<int>(c.number));
}

void ScriptRunner::Press(const Command& c) {
  input_.PressRow(program_->Form1().ListBox13, static_cast<size_t>(c.number), c.button, c.shift);
}

void ScriptRunner::Search(const Command& c) {
  TForm1& form = program_->Form1();
  if (c.hasText) input_.TypeText(form.Edit10, c.text);
  input_.ClickButton(form.BitBtn1);
}

void ScriptRunner::Copy(const Command& c) {
  if (kit::TMenuItem* item = program_->Form1().MainMenu1.Find(Cat({"Copy", std::to_string(c.number)}))) {
    input_.ChooseMenuItem(*item);
  }
}

void ScriptRunner::Popup(const Command& c) {
  if (kit::TMenuItem* item = program_->Form1().PopupMenu1.Find(Cat({"p", std::to_string(c.number)}))) {
    input_.ChooseMenuItem(*item);
  }
}

void ScriptRunner::PressKey(const Command& c) {
  input_.PressKey(c.key);
}

void ScriptRunner::Menu(std::string_view name) {
  if (kit::TMenuItem* item = program_->Form1().MainMenu1.Find(name)) input_.ChooseMenuItem(*item);
}

void ScriptRunner::Cancel(const Command&) {
  // Only a window that is shown has a button to press.
  input_.ClickButton(program_->Form2().BitBtn1);
}

void ScriptRunner::Tick(const Command& c) {
  input_.Tick(static_cast<int>(c.number));
}

void ScriptRunner::Pause(const Command& c) {
  input_.Pause(static_cast<int>(c.number));
}

void ScriptRunner::DuringRead(const Command& c) {
  const TForm1& form = program_->Form1();
  const int pass = form.ReadingPass();
  if (pass < 0) {
    // For the next full display to begin, however many commands come before it.
    held_.push_back({c.number, *c.inner, form.Readings() + 1});
    return;
  }
  // Given at a pass of a running full display (held itself): for that one, whose earlier passes are gone.
  if (c.number < pass) {
    Refuse(c.line, Cat({"the full display is past pass ", std::to_string(c.number),
                        " already; the command cannot run"}));
    return;
  }
  held_.push_back({c.number, *c.inner, form.Readings()});
}

void ScriptRunner::Focus(const Command& c) {
  input_.FocusWindow(*program_->FindWindow(c.text));
}

void ScriptRunner::Close(const Command& c) {
  input_.ClickCloseBox(*program_->FindWindow(c.text));
}

void ScriptRunner::Click(const Command& c) {
  size_t dot = c.text.find('.');
  kit::TControl* control = program_->FindWindow(c.text.substr(0, dot))->FindControl(c.text.substr(dot + 1));
  if (auto* button = dynamic_cast<kit::TButton*>(control)) {
    input_.ClickButton(*button);
  } else {
    err_(Cat({"line ", std::to_string(c.line), ": ", c.text, " is not a button\n"}));
  }
}

void ScriptRunner::Dump(const Command&) {
  out_(DumpState(*program_, app_.State(), hex_) + "\n");
}

void ScriptRunner::Layout(const Command&) {
  out_(DumpLayout(*program_, app_.State(), hex_) + "\n");
}

void ScriptRunner::OnProcessMessages() {
  if (status_ != 0 || !program_) return;
  const int pass = program_->Form1().ReadingPass();
  if (pass < 0) return;
  // Messages may be processed many times at one pass while a drawing file is awaited: a held command runs
  // at the first of them. One held for an earlier full display that ended before its pass is said now.
  const int reading = program_->Form1().Readings();
  ReportEnded(reading - 1);
  for (size_t i = 0; i < held_.size();) {
    if (held_[i].reading == reading && held_[i].pass == pass) {
      // A command held for this pass sees the windows as they stand at it.
      program_->Form1().ShowReadingNow();
      Command command = std::move(held_[i].command);
      held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(i));
      Execute(command);
    } else {
      ++i;
    }
  }
}

void ScriptRunner::ReportEnded(int reading) {
  for (size_t i = 0; i < held_.size();) {
    if (held_[i].reading <= reading) {
      err_(Cat({"line ", std::to_string(held_[i].command.line), ": the full display ended before pass ",
                std::to_string(held_[i].pass), "; the command did not run\n"}));
      held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

void ScriptRunner::Refuse(int line, std::string_view why) {
  err_(Cat({"line ", std::to_string(line), ": ", why, "\n"}));
  status_ = 2;
  // Nothing more of the script runs: not the lines after this one, nor what it holds.
  held_.clear();
}

}  // namespace tovir::driver

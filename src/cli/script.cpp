// Script mode of tovir-cli.
#include "cli/script.h"

#include <charconv>
#include <exception>

#include "base/cp932.h"
#include "base/encoding.h"
#include "cli/dump.h"

namespace tovir::cli {

namespace {

using Kind = Command::Kind;
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

bool IsWindowName(std::string_view name) {
  return name == "Form1" || name == "Form2" || name == "Form4" || name == "Form5";
}

}  // namespace

std::optional<Command> ParseCommand(std::string_view line, int lineNumber, std::string& error) {
  Command c;
  c.line = lineNumber;
  size_t blank = line.find(' ');
  std::string_view word = line.substr(0, blank);
  std::string_view rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  bool hasRest = blank != std::string_view::npos;
  std::vector<std::string_view> args = Words(rest);

  auto number = [&](long long max) {
    if (args.size() != 1 || !ParseNumber(args[0], c.number) || c.number > max) {
      error = "'" + std::string(word) + "' needs a number" +
              (max < 1000000000 ? " up to " + std::to_string(max) : "");
      return false;
    }
    return true;
  };
  auto noArgument = [&] {
    if (hasRest) error = "'" + std::string(word) + "' takes no argument";
    return !hasRest;
  };
  auto text = [&](bool required) {
    if (!hasRest) {
      if (required) error = "'" + std::string(word) + "' needs a text";
      return !required;
    }
    c.hasText = true;
    return ParseText(rest, c.text, error);
  };

  if (word == "start") {
    c.kind = Kind::kStart;
    if (!text(false)) return std::nullopt;
  } else if (word == "drop") {
    c.kind = Kind::kDrop;
    if (!text(true)) return std::nullopt;
  } else if (word == "group") {
    c.kind = Kind::kGroup;
    if (!number(1000000000)) return std::nullopt;
  } else if (word == "mode") {
    c.kind = Kind::kMode;
    if (!number(1)) return std::nullopt;
  } else if (word == "press") {
    c.kind = Kind::kPress;
    if (args.empty() || args.size() > 3 || !ParseNumber(args[0], c.number)) {
      error = "'press' needs a row, then left, right or middle, then shift or ctrl";
      return std::nullopt;
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
        error = "'press' does not know '" + std::string(a) + "'";
        return std::nullopt;
      }
    }
  } else if (word == "search") {
    c.kind = Kind::kSearch;
    if (!text(false)) return std::nullopt;
  } else if (word == "copy" || word == "popup") {
    c.kind = word == "copy" ? Kind::kCopy : Kind::kPopup;
    if (!number(4) || c.number < 1) {
      error = "'" + std::string(word) + "' needs a number from 1 to 4";
      return std::nullopt;
    }
  } else if (word == "key") {
    c.kind = Kind::kKey;
    if (args.size() == 1 && EqualsNoCase(args[0], "ctrl+c")) {
      c.text = "Ctrl+C";
    } else if (args.size() == 1 && EqualsNoCase(args[0], "esc")) {
      c.text = "Esc";
    } else {
      error = "'key' knows ctrl+c and esc";
      return std::nullopt;
    }
  } else if (word == "heading") {
    if (args.size() != 1 || (args[0] != "on" && args[0] != "off")) {
      error = "'heading' needs on or off";
      return std::nullopt;
    }
    c.kind = args[0] == "on" ? Kind::kHeadingOn : Kind::kHeadingOff;
  } else if (word == "focus" || word == "close") {
    c.kind = word == "focus" ? Kind::kFocus : Kind::kClose;
    if (args.size() != 1 || !IsWindowName(args[0])) {
      error = "'" + std::string(word) + "' needs a window: Form1, Form2, Form4 or Form5";
      return std::nullopt;
    }
    c.text = std::string(args[0]);
  } else if (word == "click") {
    c.kind = Kind::kClick;
    size_t dot = args.size() == 1 ? args[0].find('.') : std::string_view::npos;
    if (dot == std::string_view::npos || !IsWindowName(args[0].substr(0, dot))) {
      error = "'click' needs a window's button, such as Form5.BitBtn1";
      return std::nullopt;
    }
    c.text = std::string(args[0]);
  } else if (word == "usage" || word == "version" || word == "cancel" || word == "exit" || word == "dump" ||
             word == "layout") {
    c.kind = word == "usage"     ? Kind::kUsage
             : word == "version" ? Kind::kVersion
             : word == "cancel"  ? Kind::kCancel
             : word == "exit"    ? Kind::kExit
             : word == "layout"  ? Kind::kLayout
                                 : Kind::kDump;
    if (!noArgument()) return std::nullopt;
  } else if (word == "tick") {
    c.kind = Kind::kTick;
    if (!number(1000000)) return std::nullopt;
  } else if (word == "during-read") {
    c.kind = Kind::kDuringRead;
    size_t space = rest.find(' ');
    if (space == std::string_view::npos || !ParseNumber(rest.substr(0, space), c.number)) {
      error = "'during-read' needs a pass and a command";
      return std::nullopt;
    }
    auto inner = ParseCommand(rest.substr(space + 1), lineNumber, error);
    if (!inner) return std::nullopt;
    if (inner->kind == Kind::kStart) {
      error = "'start' can only be the first command";
      return std::nullopt;
    }
    c.inner = std::make_shared<Command>(std::move(*inner));
  } else {
    error = word.empty() ? "empty command" : "unknown command '" + std::string(word) + "'";
    return std::nullopt;
  }
  return c;
}

ScriptRunner::ScriptRunner(fs::FileSystem& fs, bool hex, Sink out, Sink err)
    : fs_(fs), hex_(hex), out_(std::move(out)), err_(std::move(err)) {
  app_.SetExceptionSink([this](std::string_view what) { err_("exception: " + std::string(what) + "\n"); });
  app_.SetMessageHook([this] { OnProcessMessages(); });
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
    if (command && command->kind == Kind::kStart && program_) error = "'start' can only be the first command";
    if (!command || !error.empty()) {
      err_("line " + std::to_string(lineNumber) + ": " + error + "\n");
      return 2;
    }
    if (!program_) {
      std::vector<std::string> args;
      if (command->kind == Kind::kStart && command->hasText) args.push_back(command->text);
      Start(args);
      if (command->kind == Kind::kStart || !program_) continue;
    }
    Execute(*command);
    DropArmed();
  }
  if (!program_ && !app_.Terminated()) Start({});
  return 0;
}

void ScriptRunner::Start(const std::vector<std::string>& args) {
  // An exception that escapes start-up is shown, and the program ends.
  try {
    program_ = std::make_unique<Program>(app_, fs_, args);
  } catch (const std::exception& e) {
    app_.ReportException(e.what());
    app_.Terminate();
  }
}

kit::TForm* ScriptRunner::FindForm(std::string_view name) {
  if (name == "Form1") return &program_->Form1();
  if (name == "Form2") return &program_->Form2();
  if (name == "Form4") return &program_->Form4();
  if (name == "Form5") return &program_->Form5();
  return nullptr;
}

void ScriptRunner::Execute(const Command& c) {
  TForm1& form = program_->Form1();
  auto menuItem = [&](kit::TMenu& menu, const std::string& name) {
    if (kit::TMenuItem* item = menu.Find(name)) input_.ChooseMenuItem(*item);
  };
  switch (c.kind) {
    case Kind::kStart:
      break;
    case Kind::kDrop:
      input_.DropFiles(form, {c.text});
      break;
    case Kind::kGroup:
      // A click below the last group name only focuses the list.
      if (static_cast<size_t>(c.number) < form.ListBox1.Count()) {
        input_.PressRow(form.ListBox1, static_cast<size_t>(c.number));
      } else {
        input_.Focus(form.ListBox1);
      }
      break;
    case Kind::kMode:
      input_.PickRadioItem(form.RadioGroup1, static_cast<int>(c.number));
      break;
    case Kind::kPress:
      input_.PressRow(form.ListBox13, static_cast<size_t>(c.number), c.button, c.shift);
      break;
    case Kind::kSearch:
      if (c.hasText) input_.TypeText(form.Edit10, c.text);
      input_.ClickButton(form.BitBtn1);
      break;
    case Kind::kCopy:
      menuItem(form.MainMenu1, "Copy" + std::to_string(c.number));
      break;
    case Kind::kPopup:
      menuItem(form.PopupMenu1, "p" + std::to_string(c.number));
      break;
    case Kind::kKey:
      input_.PressKey(c.text);
      break;
    case Kind::kHeadingOn:
      menuItem(form.MainMenu1, "htuki");
      break;
    case Kind::kHeadingOff:
      menuItem(form.MainMenu1, "hnasi");
      break;
    case Kind::kUsage:
      menuItem(form.MainMenu1, "K1");
      break;
    case Kind::kVersion:
      menuItem(form.MainMenu1, "About1");
      break;
    case Kind::kCancel:
      // Only a window that is shown has a button to press.
      input_.ClickButton(program_->Form2().BitBtn1);
      break;
    case Kind::kTick:
      app_.Tick(static_cast<int>(c.number));
      break;
    case Kind::kDuringRead:
      held_.push_back({c.number, *c.inner, false});
      break;
    case Kind::kExit:
      menuItem(form.MainMenu1, "Exit1");
      break;
    case Kind::kFocus:
      input_.FocusWindow(*FindForm(c.text));
      break;
    case Kind::kClose:
      input_.ClickCloseBox(*FindForm(c.text));
      break;
    case Kind::kClick: {
      size_t dot = c.text.find('.');
      kit::TControl* control = FindForm(c.text.substr(0, dot))->FindControl(c.text.substr(dot + 1));
      if (auto* button = dynamic_cast<kit::TButton*>(control)) {
        input_.ClickButton(*button);
      } else {
        err_("line " + std::to_string(c.line) + ": " + c.text + " is not a button\n");
      }
      break;
    }
    case Kind::kDump:
      out_(DumpState(*program_, app_.State(), hex_) + "\n");
      break;
    case Kind::kLayout:
      out_(DumpLayout(*program_, app_.State(), hex_) + "\n");
      break;
  }
}

void ScriptRunner::OnProcessMessages() {
  int pass = program_ ? program_->Form1().ReadingPass() : -1;
  if (pass < 0) return;
  if (pass == 0) {
    // A new full display: what an earlier one never reached is dropped; what waits now is for this one.
    DropArmed();
    for (Held& h : held_) h.armed = true;
  }
  for (size_t i = 0; i < held_.size();) {
    if (held_[i].armed && held_[i].pass == pass) {
      Command command = std::move(held_[i].command);
      held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(i));
      Execute(command);
    } else {
      ++i;
    }
  }
}

void ScriptRunner::DropArmed() {
  for (size_t i = 0; i < held_.size();) {
    if (held_[i].armed) {
      err_("line " + std::to_string(held_[i].command.line) + ": the full display ended before pass " +
           std::to_string(held_[i].pass) + "; the command did not run\n");
      held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

}  // namespace tovir::cli

// Script mode of tovir-cli.
#include "cli/script.h"

#include <charconv>
#include <exception>

#include "app/menus.h"
#include "base/encoding.h"

namespace tovir::cli {

namespace {

using Kind = Command::Kind;
using Button = kit::HeadlessListBox::Button;
using Keys = kit::HeadlessListBox::Keys;

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

void AppendJsonString(std::string& out, std::string_view cp932, bool hex) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  if (hex) {
    for (unsigned char c : cp932) {
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  } else {
    for (unsigned char c : Cp932ToUtf8(cp932)) {
      if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
      } else if (c < 0x20) {
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 15];
      } else {
        out += static_cast<char>(c);
      }
    }
  }
  out += '"';
}

class Json {
 public:
  explicit Json(bool hex) : hex_(hex), out_("{") {}
  void Key(std::string_view key) {
    if (out_.size() > 1 && out_.back() != '{') out_ += ',';
    out_ += '"';
    out_.append(key);
    out_ += "\":";
  }
  void Text(std::string_view key, std::string_view cp932) {
    Key(key);
    AppendJsonString(out_, cp932, hex_);
  }
  void Number(std::string_view key, long long value) {
    Key(key);
    out_ += std::to_string(value);
  }
  void Bool(std::string_view key, bool value) {
    Key(key);
    out_ += value ? "true" : "false";
  }
  void List(std::string_view key, const StringList& list) {
    Key(key);
    out_ += '[';
    for (size_t i = 0; i < list.Count(); ++i) {
      if (i > 0) out_ += ',';
      AppendJsonString(out_, list[i], hex_);
    }
    out_ += ']';
  }
  template <typename Ints>
  void Numbers(std::string_view key, const Ints& values) {
    Key(key);
    out_ += '[';
    bool first = true;
    for (auto v : values) {
      if (!first) out_ += ',';
      first = false;
      out_ += std::to_string(v);
    }
    out_ += ']';
  }
  void Null(std::string_view key) {
    Key(key);
    out_ += "null";
  }
  void Open(std::string_view key) {
    Key(key);
    out_ += '{';
  }
  void Close() { out_ += '}'; }
  std::string Take() {
    out_ += '}';
    return std::move(out_);
  }

 private:
  bool hex_;
  std::string out_;
};

void FormFields(Json& json, std::string_view key, kit::TForm& form, bool withAnimation, int animationStep) {
  json.Open(key);
  json.Bool("Visible", form.Visible());
  json.Number("Left", form.Left());
  json.Number("Top", form.Top());
  if (withAnimation) {
    json.Number("AnimationStep", animationStep);
    json.Number("Shows", dynamic_cast<kit::HeadlessForm&>(form.Peer()).Shows());
  }
  json.Close();
}

void RunMenuItem(TForm1& form, std::string_view name) {
  const MenuEntry* entry = FindMenuItem(name);
  if (entry != nullptr && entry->handler != nullptr) (form.*entry->handler)();
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
        c.keys = a == "shift" ? Keys::kShift : Keys::kCtrl;
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
    if (args.size() != 1 || FindShortcut(args[0]) == nullptr) {
      error = "'key' knows ctrl+c";
      return std::nullopt;
    }
    c.text = std::string(args[0]);
  } else if (word == "heading") {
    if (args.size() != 1 || (args[0] != "on" && args[0] != "off")) {
      error = "'heading' needs on or off";
      return std::nullopt;
    }
    c.kind = args[0] == "on" ? Kind::kHeadingOn : Kind::kHeadingOff;
  } else if (word == "usage" || word == "version" || word == "cancel" || word == "exit" || word == "dump") {
    c.kind = word == "usage"     ? Kind::kUsage
             : word == "version" ? Kind::kVersion
             : word == "cancel"  ? Kind::kCancel
             : word == "exit"    ? Kind::kExit
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

std::string DumpState(Program& program, kit::HeadlessApplication& app, bool hex) {
  TForm1& f = program.Form1();
  Json json(hex);
  json.List("ListBox1", f.ListBox1.Items());
  json.List("ListBox2", f.ListBox2);
  json.List("ListBox3", f.ListBox3);
  json.List("ListBox4", f.ListBox4);
  json.List("ListBox5", f.ListBox5);
  json.List("ListBox8", f.ListBox8.Items());
  json.List("ListBox9", f.ListBox9);
  json.List("ListBox12", f.ListBox12);
  json.List("ListBox13", f.ListBox13.Items());
  json.Number("ListBox1Selected", f.ListBox1.ItemIndex());
  json.Numbers("ListBox13Selected", dynamic_cast<kit::HeadlessListBox&>(f.ListBox13.Peer()).SelectedRows());
  json.Number("ListBox13ItemIndex", f.ListBox13.ItemIndex());
  json.Text("Edit0", f.Edit0);
  json.Text("Edit6", f.Edit6);
  json.Text("Edit7", f.Edit7);
  json.Text("Edit8", f.Edit8.Text());
  json.Text("Edit10", f.Edit10.Text());
  json.Text("Label12", f.Label12.Caption());
  json.Text("StatusBar1", f.StatusBar1.SimpleText());
  json.Text("CurrentGroup", f.GetCurrentGroup());
  json.Bool("StatusBar1Visible", f.StatusBar1.Visible());
  json.Bool("ProgressBar1Visible", f.ProgressBar1.Visible());
  json.Bool("htuki", f.htuki.Checked());
  json.Bool("hnasi", f.hnasi.Checked());
  json.Number("ProgressBar1", f.ProgressBar1.Position());
  json.Numbers("ProgressTrace", f.ProgressTrace());
  json.Number("RadioGroup1", f.RadioGroup1.ItemIndex());
  json.Number("ForceReload", f.GetForceReload());
  json.Number("SearchRow", f.GetSearchRow());
  json.Number("SearchHit", f.GetSearchHit());
  json.Number("ReadCancelled", f.GetReadCancelled());
  json.Number("Beeps", app.Beeps());
  if (app.Clipboard()) {
    json.Text("Clipboard", *app.Clipboard());
  } else {
    json.Null("Clipboard");
  }
  FormFields(json, "Form2", program.Form2(), true, program.Form2().AnimationStep);
  FormFields(json, "Form4", program.Form4(), false, 0);
  FormFields(json, "Form5", program.Form5(), false, 0);
  json.Text("Focus", app.Focus());
  return json.Take();
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

void ScriptRunner::Execute(const Command& command) {
  // An exception that escapes a handler is reported and the program goes on, as the window toolkit would.
  try {
    Dispatch(command);
  } catch (const std::exception& e) {
    app_.ReportException(e.what());
  }
}

void ScriptRunner::Dispatch(const Command& c) {
  TForm1& form = program_->Form1();
  switch (c.kind) {
    case Kind::kStart:
      break;
    case Kind::kDrop:
      form.WMDropFiles(c.text);
      break;
    case Kind::kGroup:
      app_.SetFocus(form.ListBox1);
      if (static_cast<size_t>(c.number) < form.ListBox1.Count()) {
        form.ListBox1.SetItemIndex(static_cast<int>(c.number));
        form.ListBox1Click();
      }
      break;
    case Kind::kMode:
      app_.SetFocus(form.RadioGroup1);
      if (form.RadioGroup1.ItemIndex() != c.number) {
        form.RadioGroup1.SetItemIndex(static_cast<int>(c.number));
        form.RadioGroup1Click();
      }
      break;
    case Kind::kPress:
      // A left press focuses the list; right and middle presses leave the focus where it is.
      if (c.button == Button::kLeft) app_.SetFocus(form.ListBox13);
      dynamic_cast<kit::HeadlessListBox&>(form.ListBox13.Peer())
          .Press(static_cast<size_t>(c.number), c.button, c.keys);
      form.ListBox13MouseDown();
      break;
    case Kind::kSearch:
      if (c.hasText) form.Edit10.SetText(c.text);
      app_.SetFocusName("BitBtn1");
      form.BitBtn1Click();
      break;
    case Kind::kCopy:
      RunMenuItem(form, "Copy" + std::to_string(c.number));
      break;
    case Kind::kPopup:
      RunMenuItem(form, "p" + std::to_string(c.number));
      break;
    case Kind::kKey:
      if (const MenuEntry* entry = FindShortcut(c.text)) (form.*entry->handler)();
      break;
    case Kind::kHeadingOn:
      RunMenuItem(form, "htuki");
      break;
    case Kind::kHeadingOff:
      RunMenuItem(form, "hnasi");
      break;
    case Kind::kUsage:
      RunMenuItem(form, "K1");
      break;
    case Kind::kVersion:
      RunMenuItem(form, "About1");
      break;
    case Kind::kCancel:
      // Only a window that is shown has a button to press.
      if (program_->Form2().Visible()) program_->Form2().BitBtn1Click();
      break;
    case Kind::kTick:
      app_.Tick(static_cast<int>(c.number));
      break;
    case Kind::kDuringRead:
      held_.push_back({c.number, *c.inner, false});
      break;
    case Kind::kExit:
      RunMenuItem(form, "Exit1");
      break;
    case Kind::kDump:
      out_(DumpState(*program_, app_, hex_) + "\n");
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

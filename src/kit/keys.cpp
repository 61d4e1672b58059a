// Keys as texts.
#include "kit/keys.h"

#include "base/cp932.h"

namespace tovir::kit {

namespace {

struct NamedKey {
  std::string_view name;
  Key::Code code;
};
constexpr NamedKey kNamed[] = {{"Esc", Key::Code::kEscape},
                               {"Enter", Key::Code::kEnter},
                               {"Tab", Key::Code::kTab},
                               {"F1", Key::Code::kF1}};

}  // namespace

std::string Key::Text() const {
  std::string text;
  if (ctrl) text += "Ctrl+";
  if (shift) text += "Shift+";
  if (alt) text += "Alt+";
  if (code == Code::kLetter) {
    text += letter;
    return text;
  }
  for (const NamedKey& named : kNamed) {
    if (named.code == code) text += named.name;
  }
  return text;
}

std::optional<Key> Key::Parse(std::string_view text) {
  Key key;
  for (;;) {
    const size_t plus = text.find('+');
    if (plus == std::string_view::npos || plus + 1 == text.size()) break;
    const std::string_view modifier = text.substr(0, plus);
    bool* flag = EqualsNoCase(modifier, "ctrl")    ? &key.ctrl
                 : EqualsNoCase(modifier, "shift") ? &key.shift
                 : EqualsNoCase(modifier, "alt")   ? &key.alt
                                                   : nullptr;
    if (flag == nullptr || *flag) return std::nullopt;
    *flag = true;
    text.remove_prefix(plus + 1);
  }
  if (text.size() == 1 && ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'))) {
    key.letter = static_cast<char>(text[0] & ~0x20);
    return key;
  }
  for (const NamedKey& named : kNamed) {
    if (EqualsNoCase(text, named.name)) {
      key.code = named.code;
      return key;
    }
  }
  return std::nullopt;
}

}  // namespace tovir::kit

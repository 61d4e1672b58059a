// Just enough JSON to read the script mode's dumps in tests.
#include "support/json.h"

#include <stdexcept>

#include "base/encoding.h"

namespace tovir::test {

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  Json Value() {
    Skip();
    if (pos_ >= text_.size()) Fail("unexpected end");
    char c = text_[pos_];
    Json v;
    if (c == '{') {
      v.type_ = Json::Type::kObject;
      ++pos_;
      Skip();
      if (Peek('}')) return v;
      do {
        Skip();
        std::string key = String();
        Skip();
        Expect(':');
        v.object_[key] = Value();
        Skip();
      } while (Take(','));
      Expect('}');
    } else if (c == '[') {
      v.type_ = Json::Type::kArray;
      ++pos_;
      Skip();
      if (Peek(']')) return v;
      do {
        v.array_.push_back(Value());
        Skip();
      } while (Take(','));
      Expect(']');
    } else if (c == '"') {
      v.type_ = Json::Type::kString;
      v.string_ = String();
    } else if (text_.substr(pos_, 4) == "true" || text_.substr(pos_, 5) == "false") {
      v.type_ = Json::Type::kBool;
      v.bool_ = c == 't';
      pos_ += v.bool_ ? 4 : 5;
    } else if (text_.substr(pos_, 4) == "null") {
      pos_ += 4;
    } else {
      v.type_ = Json::Type::kNumber;
      size_t start = pos_;
      if (c == '-') ++pos_;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
      if (pos_ == start) Fail("bad value");
      v.number_ = std::stoll(std::string(text_.substr(start, pos_ - start)));
    }
    return v;
  }

  void End() {
    Skip();
    if (pos_ != text_.size()) Fail("trailing text");
  }

 private:
  [[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("json: ") + what + " at " + std::to_string(pos_));
  }
  void Skip() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' || text_[pos_] == '\r')) ++pos_;
  }
  bool Peek(char c) {
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool Take(char c) { return Peek(c); }
  void Expect(char c) {
    if (!Peek(c)) Fail("unexpected character");
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      char c = text_[pos_++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("bad escape");
      char e = text_[pos_++];
      if (e == 'u') {
        if (pos_ + 4 > text_.size()) Fail("bad escape");
        auto code = static_cast<char16_t>(std::stoi(std::string(text_.substr(pos_, 4)), nullptr, 16));
        pos_ += 4;
        out += Utf16ToUtf8(std::u16string(1, code));
      } else if (e == 'n') {
        out += '\n';
      } else if (e == 't') {
        out += '\t';
      } else if (e == 'r') {
        out += '\r';
      } else {
        out += e;
      }
    }
    Expect('"');
    return out;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

Json Json::Parse(std::string_view text) {
  JsonParser parser(text);
  Json v = parser.Value();
  parser.End();
  return v;
}

bool Json::Bool() const {
  if (type_ != Type::kBool) throw std::runtime_error("json: not a boolean");
  return bool_;
}

long long Json::Int() const {
  if (type_ != Type::kNumber) throw std::runtime_error("json: not a number");
  return number_;
}

const std::string& Json::Str() const {
  if (type_ != Type::kString) throw std::runtime_error("json: not a string");
  return string_;
}

const std::vector<Json>& Json::Array() const {
  if (type_ != Type::kArray) throw std::runtime_error("json: not an array");
  return array_;
}

const Json& Json::operator[](std::string_view key) const {
  auto it = object_.find(key);
  if (type_ != Type::kObject || it == object_.end())
    throw std::runtime_error("json: no key " + std::string(key));
  return it->second;
}

std::vector<std::string> Json::Strings() const {
  std::vector<std::string> out;
  for (const Json& v : Array()) out.push_back(v.Str());
  return out;
}

std::vector<long long> Json::Ints() const {
  std::vector<long long> out;
  for (const Json& v : Array()) out.push_back(v.Int());
  return out;
}

}  // namespace tovir::test

// Just enough JSON to read the script mode's dumps in tests.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tovir::test {

class Json {
 public:
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

  static Json Parse(std::string_view text);  // throws std::runtime_error on bad input

  Type type() const { return type_; }
  bool IsNull() const { return type_ == Type::kNull; }
  bool Bool() const;
  long long Int() const;
  const std::string& Str() const;
  const std::vector<Json>& Array() const;
  const Json& operator[](std::string_view key) const;  // throws when the key is missing
  const Json& operator[](size_t i) const { return Array().at(i); }
  size_t size() const { return Array().size(); }
  std::vector<std::string> Strings() const;
  std::vector<long long> Ints() const;

 private:
  Type type_ = Type::kNull;
  bool bool_ = false;
  long long number_ = 0;
  std::string string_;
  std::vector<Json> array_;
  std::map<std::string, Json, std::less<>> object_;

  friend class JsonParser;
};

}  // namespace tovir::test

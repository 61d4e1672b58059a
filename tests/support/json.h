// Reading the script mode's JSON lines in tests: a light handle on a parsed document.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace tovir::test {

class Json {
 public:
  static Json Parse(std::string_view text);  // throws on bad input

  bool IsNull() const { return node_->is_null(); }
  bool Bool() const { return node_->get<bool>(); }
  long long Int() const { return node_->get<long long>(); }
  const std::string& Str() const { return node_->get_ref<const std::string&>(); }
  Json operator[](std::string_view key) const;  // throws when the key is missing
  Json operator[](size_t i) const;
  size_t size() const { return node_->size(); }
  bool Has(std::string_view key) const { return node_->contains(key); }
  std::vector<std::string> Strings() const { return node_->get<std::vector<std::string>>(); }
  std::vector<long long> Ints() const { return node_->get<std::vector<long long>>(); }
  const nlohmann::ordered_json& Raw() const { return *node_; }

 private:
  Json(std::shared_ptr<const nlohmann::ordered_json> root, const nlohmann::ordered_json* node)
      : root_(std::move(root)), node_(node) {}
  std::shared_ptr<const nlohmann::ordered_json> root_;
  const nlohmann::ordered_json* node_;
};

}  // namespace tovir::test

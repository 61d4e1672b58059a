// Reading the script mode's JSON lines in tests.
#include "support/json.h"

namespace tovir::test {

Json Json::Parse(std::string_view text) {
  auto root = std::make_shared<const nlohmann::ordered_json>(nlohmann::ordered_json::parse(text));
  const nlohmann::ordered_json* node = root.get();
  return Json(std::move(root), node);
}

Json Json::operator[](std::string_view key) const {
  return Json(root_, &node_->at(std::string(key)));
}

Json Json::operator[](size_t i) const {
  return Json(root_, &node_->at(i));
}

}  // namespace tovir::test

// A fresh drawing-data folder for one test.
#include "support/temp_folder.h"

#include <atomic>
#include <filesystem>
#include <random>

#include "base/encoding.h"
#include "base/path.h"
#include "mkdata.h"

namespace tovir::test {

std::string Sjis(std::string_view utf8) {
  return *Utf8ToCp932(utf8);
}

namespace {
std::string TempRoot() {
  auto dir = std::filesystem::temp_directory_path();
#ifdef _WIN32
  return *Utf16ToCp932(dir.u16string());
#else
  return dir.string();
#endif
}
}  // namespace

TempFolder::TempFolder(std::string_view leaf) {
  // Test processes run side by side: a random part keeps their folders apart.
  static const unsigned long long process =
      (static_cast<unsigned long long>(std::random_device{}()) << 32) ^ std::random_device{}();
  static std::atomic<int> counter{0};
  root_ = JoinPath(TempRoot(), "tovir-test-" + std::to_string(process) + "-" + std::to_string(counter++));
  path_ = JoinPath(root_, leaf);
  mkdata::MakeDirectories(path_);
}

TempFolder::~TempFolder() {
  mkdata::RemoveTree(root_);
}

std::string TempFolder::Join(std::initializer_list<std::string_view> parts) const {
  std::string out = path_;
  for (std::string_view part : parts) out = JoinPath(out, part);
  return out;
}

}  // namespace tovir::test

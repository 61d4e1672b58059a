// A fresh drawing-data folder for one test, removed again when the test ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tovir::test {

// CP932 bytes of a UTF-8 literal, so tests can write Japanese names and notes readably.
std::string Sjis(std::string_view utf8);

class TempFolder {
 public:
  // Creates <temp>/tovir-test-<unique>/<leaf>; leaf defaults to a drawing-data folder name.
  explicit TempFolder(std::string_view leaf = "MCADAM");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's CP932 path.
  const std::string& path() const { return path_; }
  // path() joined with each part in turn, with the platform's separator.
  std::string Join(std::initializer_list<std::string_view> parts) const;

 private:
  std::string root_;
  std::string path_;
};

}  // namespace tovir::test

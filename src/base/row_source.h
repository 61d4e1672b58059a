// The rows of a list as data: a list control, the copy commands and the search read them through this, so a
// list of a million rows is composed row by row when asked for instead of being stored.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tovir {

class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual size_t Count() const = 0;
  // Row i, composed into `scratch` when it is not stored as it stands; the view is valid until `scratch` or
  // the source changes.
  virtual std::string_view Row(size_t i, std::string& scratch) const = 0;

  // Read like a list: row i, valid until the next read of this source.
  std::string_view operator[](size_t i) const { return Row(i, scratch_); }

 private:
  mutable std::string scratch_;
};

}  // namespace tovir

// The rows of the drawing list, the reading progress and the search test.
#include "view/rows.h"

#include "base/cp932.h"

namespace tovir {

namespace {
constexpr char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

void BuildShortRow(std::string& out, std::string_view user, std::string_view drawingName) {
  out.assign(user);
  PadRight(out, kUserColumnWidth);
  out += ' ';
  out.append(drawingName);
}

std::string ShortRow(std::string_view user, std::string_view drawingName) {
  std::string row;
  BuildShortRow(row, user, drawingName);
  return row;
}

void BuildFullRow(std::string& out, std::string_view user, std::string_view drawingName,
                  std::string_view updateDate, std::string_view note) {
  BuildShortRow(out, user, drawingName);
  out += ' ';
  out.append(updateDate);
  out += ' ';
  out.append(note);
}

std::string FullRow(std::string_view user, std::string_view drawingName, std::string_view updateDate,
                    std::string_view note) {
  std::string row;
  BuildFullRow(row, user, drawingName, updateDate, note);
  return row;
}

int ProgressPosition(size_t i, size_t n) {
  double step = 100.0 / static_cast<double>(n);
  return static_cast<int>(step * static_cast<double>(i + 1));
}

bool RowMatches(std::string_view row, std::string_view searchText) {
  std::string_view text = Trim(searchText);
  std::string_view hay = Trim(row);
  if (text.empty() || text.size() > hay.size()) return false;
  // Compared with a to z folded on the fly, so a search of a large list makes no copies. A match begins only
  // at a character boundary, and a double-byte character matches only itself: its trail byte is never folded.
  auto matchesAt = [&](size_t start) {
    for (size_t k = 0; k < text.size(); ++k) {
      char h = hay[start + k];
      if (IsLeadByte(static_cast<unsigned char>(h)) && k + 1 < text.size()) {
        if (h != text[k] || hay[start + k + 1] != text[k + 1]) return false;
        ++k;
      } else if (Upper(h) != Upper(text[k])) {
        return false;
      }
    }
    return true;
  };
  for (size_t i = 0; i + text.size() <= hay.size(); ++i) {
    if (matchesAt(i)) return true;
    if (IsLeadByte(static_cast<unsigned char>(hay[i]))) ++i;
  }
  return false;
}

}  // namespace tovir

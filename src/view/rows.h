// The rows of the drawing list, the reading progress and the search test: plain functions over texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tovir {

// Width of the user column before the blank that separates it from the drawing name.
inline constexpr size_t kUserColumnWidth = 6;

// Short row: user padded to 6 bytes, a blank, the drawing name (21 bytes): 28 bytes.
void BuildShortRow(std::string& out, std::string_view user, std::string_view drawingName);
std::string ShortRow(std::string_view user, std::string_view drawingName);

// Full row: the short row, a blank, the update date text, a blank, the note; nothing follows the note.
void BuildFullRow(std::string& out, std::string_view user, std::string_view drawingName,
                  std::string_view updateDate, std::string_view note);
std::string FullRow(std::string_view user, std::string_view drawingName, std::string_view updateDate,
                    std::string_view note);

// The progress bar while drawing i of n is read: the share of the drawings up to and including it, truncated.
int ProgressPosition(size_t i, size_t n);

// Whether a row matches a search text: both trimmed, letters a to z taken as capitals, the search text found
// anywhere in the row at a character boundary. An empty trimmed search text matches nothing.
bool RowMatches(std::string_view row, std::string_view searchText);

}  // namespace tovir

// The clipboard texts of the four copy commands: fixed-width lines or tab-separated fields, of all rows or of
// the selected rows, with or without a heading line. Every line ends with CR LF.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"
#include "view/drawing_rows.h"

namespace tovir {

// The 8-byte group column of the fixed-width lines: the group padded with blanks; a longer name is kept
// whole.
std::string GroupPrefix(std::string_view group);

// Heading lines, CR LF included: the short display's (38 bytes), the full display's (110 bytes), the tab
// heading.
std::string FixedHeading(bool fullDisplay);
std::string TabHeading();

struct CopySource {
  const StringList& rows;   // the drawing list, in list order
  const StringList& users;  // per row i: user, drawing name, update date text, note
  const StringList& names;
  const StringList& dates;
  const StringList& notes;
  std::string_view group;  // the shown group, trimmed
  bool fullDisplay = false;
  bool heading = true;
  // Only these rows are taken, in list order whatever order they stand in; all rows when null.
  const std::vector<size_t>* selected = nullptr;
};

// One of the four copy commands: all rows or the selected ones, as the rows stand (fixed width) or as
// tab-separated fields.
struct CopyCommand {
  bool selectedOnly = false;
  bool tabSeparated = false;
};
inline constexpr CopyCommand kCopyAll{false, false};           // Copy1, p1
inline constexpr CopyCommand kCopySelected{true, false};       // Copy2, p2
inline constexpr CopyCommand kCopyAllTabbed{false, true};      // Copy3, p3
inline constexpr CopyCommand kCopySelectedTabbed{true, true};  // Copy4, p4

// What the copy commands read of each row of the drawing list.
class CopyRows {
 public:
  virtual ~CopyRows() = default;
  virtual size_t Count() const = 0;
  virtual std::string_view Row(size_t i, std::string& scratch) const = 0;
  virtual std::string_view User(size_t i) const = 0;
  virtual std::string_view Name(size_t i) const = 0;
  virtual std::string_view UpdateDate(size_t i) const = 0;
  virtual std::string_view Note(size_t i) const = 0;
};

// The rows of the drawing list as the drawing table's view gives them.
class DrawingCopyRows final : public CopyRows {
 public:
  explicit DrawingCopyRows(const DrawingRows& rows) : rows_(rows) {}
  size_t Count() const override { return rows_.Count(); }
  std::string_view Row(size_t i, std::string& scratch) const override { return rows_.Row(i, scratch); }
  std::string_view User(size_t i) const override { return rows_.User(i); }
  std::string_view Name(size_t i) const override { return rows_.Name(i); }
  std::string_view UpdateDate(size_t i) const override { return rows_.UpdateDate(i); }
  std::string_view Note(size_t i) const override { return rows_.Note(i); }

 private:
  const DrawingRows& rows_;
};

struct CopyRequest {
  const CopyRows& rows;
  std::string_view group;  // the shown group, trimmed
  bool fullDisplay = false;
  bool heading = true;
  bool tabSeparated = false;
  // Only these rows are taken, in list order whatever order they stand in; all rows when null. The selected
  // rows of a list come in one piece from the list, never asked for row by row.
  const std::vector<size_t>* selected = nullptr;
};

// The copy text's length in bytes.
size_t CopySize(const CopyRequest& request);
// The copy text, assembled in one piece of exactly its size.
std::string CopyText(const CopyRequest& request);
// The copy text handed to `write` piece by piece as it is made: each piece ends at a line end and holds about
// `chunkBytes` (a line more at most), so a copy of millions of rows never stands in memory whole.
void StreamCopy(const CopyRequest& request, size_t chunkBytes,
                const std::function<void(std::string_view piece)>& write);

std::string FixedWidthCopy(const CopySource& source);
std::string TabSeparatedCopy(const CopySource& source);

// One tab-separated line: group, user, drawing name, date (characters 1-8 of the update date text), time
// (characters 10-14) and note; the user, drawing name and note trimmed.
void AppendTabLine(std::string& out, std::string_view group, std::string_view user, std::string_view name,
                   std::string_view updateDate, std::string_view note);

// The six fields of that line: group, user and drawing name trimmed, the update date and time cut from the
// update date text, the note trimmed.
std::array<std::string_view, 6> TabFields(std::string_view group, std::string_view user,
                                          std::string_view name, std::string_view updateDate,
                                          std::string_view note);

}  // namespace tovir

// The clipboard texts of the four copy commands: fixed-width lines or tab-separated fields, of all rows or of
// the selected rows, with or without a heading line. Every line ends with CR LF.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/string_list.h"

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
  // Only rows for which this says true are taken; all rows when it is empty.
  std::function<bool(size_t row)> selected;
};

std::string FixedWidthCopy(const CopySource& source);
std::string TabSeparatedCopy(const CopySource& source);

// One tab-separated line: group, user, drawing name, date (characters 1-8 of the update date text), time
// (characters 10-14) and note; the user, drawing name and note trimmed.
void AppendTabLine(std::string& out, std::string_view group, std::string_view user, std::string_view name,
                   std::string_view updateDate, std::string_view note);

}  // namespace tovir

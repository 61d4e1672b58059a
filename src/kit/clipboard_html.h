// The "HTML Format" clipboard payload for the tab-separated copies: a table a spreadsheet pastes cell by
// cell, every cell kept as text.
#pragma once

#include <string>
#include <string_view>

namespace tovir::kit {

// The whole payload (header and document, UTF-8) for CP932 text of TAB-separated fields in CR LF lines.
// Every cell is marked as text for both Calc (sdnum) and Excel (x:str, mso-number-format), so "01", "=A1" or
// "02/04/21" arrive as shown; blanks that a paste would drop or collapse are written as &nbsp;. The header's
// offsets are byte offsets into the payload.
std::string ClipboardHtml(std::string_view cp932);

}  // namespace tovir::kit

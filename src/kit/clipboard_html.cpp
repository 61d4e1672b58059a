// The "HTML Format" clipboard payload for the tab-separated copies.
#include "kit/clipboard_html.h"

#include <cstdio>
#include <vector>

#include "base/encoding.h"

namespace tovir::kit {

namespace {

// Splits at `sep`; a final empty piece after a trailing separator is dropped when `dropTrailing`.
std::vector<std::string_view> Split(std::string_view text, std::string_view sep, bool dropTrailing) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (true) {
    size_t end = text.find(sep, pos);
    if (end == std::string_view::npos) {
      if (!(dropTrailing && pos == text.size())) parts.push_back(text.substr(pos));
      break;
    }
    parts.push_back(text.substr(pos, end - pos));
    pos = end + sep.size();
  }
  return parts;
}

void AppendCell(std::string& out, std::string_view cp932) {
  const std::string utf8 = Cp932ToUtf8(cp932);
  for (size_t i = 0; i < utf8.size(); ++i) {
    char c = utf8[i];
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case ' ': {
        // A paste drops leading and trailing blanks and collapses runs; a lone blank between words is safe.
        bool lone = i > 0 && i + 1 < utf8.size() && utf8[i - 1] != ' ' && utf8[i + 1] != ' ';
        out += lone ? " " : "&nbsp;";
        break;
      }
      default:
        out += c;
    }
  }
}

std::string Offset(size_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%010zu", value);
  return digits;
}

}  // namespace

std::string ClipboardHtml(std::string_view cp932) {
  std::string fragment = "<table x:str border=1 cellspacing=0>";
  for (std::string_view line : Split(cp932, "\r\n", true)) {
    fragment += "<tr>";
    for (std::string_view field : Split(line, "\t", false)) {
      fragment += "<td sdnum=\"1041;0;@\" style='mso-number-format:\"\\@\"'>";
      AppendCell(fragment, field);
      fragment += "</td>";
    }
    fragment += "</tr>";
  }
  fragment += "</table>";

  const std::string before =
      "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\">"
      "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head>"
      "<body><!--StartFragment-->";
  const std::string after = "<!--EndFragment--></body></html>";
  // The header has a fixed length once its offsets are ten digits each.
  const std::string headerShape =
      "Version:0.9\r\nStartHTML:0000000000\r\nEndHTML:0000000000\r\nStartFragment:0000000000\r\n"
      "EndFragment:0000000000\r\n";
  const size_t startHtml = headerShape.size();
  const size_t startFragment = startHtml + before.size();
  const size_t endFragment = startFragment + fragment.size();
  const size_t endHtml = endFragment + after.size();
  std::string out = "Version:0.9\r\nStartHTML:" + Offset(startHtml) + "\r\nEndHTML:" + Offset(endHtml) +
                    "\r\nStartFragment:" + Offset(startFragment) + "\r\nEndFragment:" + Offset(endFragment) +
                    "\r\n";
  out += before;
  out += fragment;
  out += after;
  return out;
}

}  // namespace tovir::kit

// The clipboard texts of the four copy commands.
#include "export/copy.h"

#include "base/messages.h"
#include "base/cp932.h"

namespace tovir {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kGroupColumnWidth = 8;

// The part of `text` from 1-based character `first`, at most `count` bytes; empty when it starts past the
// end.
std::string_view Cut(std::string_view text, size_t first, size_t count) {
  return first - 1 >= text.size() ? std::string_view() : text.substr(first - 1, count);
}

std::string_view EntryOr(const StringList& list, size_t i) {
  return i < list.Count() ? list[i] : std::string_view();
}

template <typename AppendLine>
std::string Build(const CopySource& source, std::string heading, AppendLine appendLine) {
  std::string text = source.heading ? std::move(heading) : std::string();
  for (size_t i = 0; i < source.rows.Count(); ++i) {
    if (source.selected && !source.selected(i)) continue;
    appendLine(text, i);
  }
  return text;
}

}  // namespace

std::string GroupPrefix(std::string_view group) {
  std::string prefix(group);
  PadRight(prefix, kGroupColumnWidth);
  return prefix;
}

std::string FixedHeading(bool fullDisplay) {
  // The columns stand over the lines below: group prefix, user column and its blank, the 21-byte drawing
  // name.
  std::string line;
  line.append(msg::kHeadingGroup).append(" ").append(msg::kLabelUser).append(" ").append(msg::kLabelDrawing);
  line.append(6, ' ');
  if (fullDisplay) {
    line.append(1, ' ').append(msg::kLabelUpdated).append(7, ' ').append(msg::kLabelNote).append(52, ' ');
  }
  line.append(kCrLf);
  return line;
}

std::string TabHeading() {
  std::string line;
  for (std::string_view field :
       {msg::kHeadingGroup, msg::kLabelUser, msg::kLabelDrawing, msg::kHeadingDate, msg::kHeadingTime}) {
    line.append(field).append("\t");
  }
  line.append(msg::kLabelNote).append(kCrLf);
  return line;
}

void AppendTabLine(std::string& out, std::string_view group, std::string_view user, std::string_view name,
                   std::string_view updateDate, std::string_view note) {
  out.append(group).append("\t");
  out.append(Trim(user)).append("\t");
  out.append(Trim(name)).append("\t");
  out.append(Cut(updateDate, 1, 8)).append("\t");
  out.append(Cut(updateDate, 10, 5)).append("\t");
  out.append(Trim(note)).append(kCrLf);
}

std::string FixedWidthCopy(const CopySource& source) {
  const std::string prefix = GroupPrefix(source.group);
  return Build(source, FixedHeading(source.fullDisplay), [&](std::string& text, size_t i) {
    text.append(prefix).append(source.rows[i]).append(kCrLf);
  });
}

std::string TabSeparatedCopy(const CopySource& source) {
  return Build(source, TabHeading(), [&](std::string& text, size_t i) {
    AppendTabLine(text, source.group, EntryOr(source.users, i), EntryOr(source.names, i),
                  EntryOr(source.dates, i), EntryOr(source.notes, i));
  });
}

}  // namespace tovir

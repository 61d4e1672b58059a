// The clipboard texts of the four copy commands.
#include "export/copy.h"

#include <algorithm>

#include "base/cp932.h"
#include "base/messages.h"

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

// The rows of the lists of a CopySource.
class ListCopyRows final : public CopyRows {
 public:
  explicit ListCopyRows(const CopySource& source) : s_(source) {}
  size_t Count() const override { return s_.rows.Count(); }
  std::string_view Row(size_t i, std::string&) const override { return s_.rows[i]; }
  std::string_view User(size_t i) const override { return EntryOr(s_.users, i); }
  std::string_view Name(size_t i) const override { return EntryOr(s_.names, i); }
  std::string_view UpdateDate(size_t i) const override { return EntryOr(s_.dates, i); }
  std::string_view Note(size_t i) const override { return EntryOr(s_.notes, i); }

 private:
  const CopySource& s_;
};

// Makes the copy text line by line: `line(text)` is called with each line, CR LF included, the heading first.
class LineMaker {
 public:
  explicit LineMaker(const CopyRequest& request)
      : r_(request),
        prefix_(GroupPrefix(request.group)),
        heading_(!request.heading       ? std::string()
                 : request.tabSeparated ? TabHeading()
                                        : FixedHeading(request.fullDisplay)) {
    if (request.selected == nullptr) return;
    selected_ = request.selected;
    if (!std::is_sorted(selected_->begin(), selected_->end())) {
      sorted_ = *selected_;
      std::sort(sorted_.begin(), sorted_.end());
      selected_ = &sorted_;
    }
  }

  template <typename Line>
  void Each(Line line) {
    if (!heading_.empty()) line(std::string_view(heading_));
    const size_t n = r_.rows.Count();
    if (selected_ == nullptr) {
      for (size_t i = 0; i < n; ++i) Row(i, line);
      return;
    }
    for (size_t k = 0; k < selected_->size(); ++k) {
      const size_t i = (*selected_)[k];
      if (i >= n || (k > 0 && (*selected_)[k - 1] == i)) continue;
      Row(i, line);
    }
  }

 private:
  template <typename Line>
  void Row(size_t i, Line& line) {
    line_.clear();
    if (r_.tabSeparated) {
      AppendTabLine(line_, r_.group, r_.rows.User(i), r_.rows.Name(i), r_.rows.UpdateDate(i),
                    r_.rows.Note(i));
    } else {
      line_.append(prefix_).append(r_.rows.Row(i, row_)).append(kCrLf);
    }
    line(std::string_view(line_));
  }

  const CopyRequest& r_;
  const std::vector<size_t>* selected_ = nullptr;
  std::vector<size_t> sorted_;
  std::string prefix_;
  std::string heading_;
  std::string line_;
  std::string row_;
};

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

std::array<std::string_view, 6> TabFields(std::string_view group, std::string_view user,
                                          std::string_view name, std::string_view updateDate,
                                          std::string_view note) {
  return {group, Trim(user), Trim(name), Cut(updateDate, 1, 8), Cut(updateDate, 10, 5), Trim(note)};
}

void AppendTabLine(std::string& out, std::string_view group, std::string_view user, std::string_view name,
                   std::string_view updateDate, std::string_view note) {
  const auto fields = TabFields(group, user, name, updateDate, note);
  for (size_t i = 0; i < fields.size(); ++i)
    out.append(fields[i]).append(i + 1 < fields.size() ? "\t" : kCrLf);
}

size_t CopySize(const CopyRequest& request) {
  size_t size = 0;
  LineMaker(request).Each([&](std::string_view line) { size += line.size(); });
  return size;
}

std::string CopyText(const CopyRequest& request) {
  std::string text;
  text.reserve(CopySize(request));
  LineMaker(request).Each([&](std::string_view line) { text.append(line); });
  return text;
}

void StreamCopy(const CopyRequest& request, size_t chunkBytes,
                const std::function<void(std::string_view piece)>& write) {
  std::string piece;
  piece.reserve(chunkBytes + 256);
  LineMaker(request).Each([&](std::string_view line) {
    piece.append(line);
    if (piece.size() >= chunkBytes) {
      write(piece);
      piece.clear();
    }
  });
  if (!piece.empty()) write(piece);
}

std::string FixedWidthCopy(const CopySource& source) {
  ListCopyRows rows(source);
  return CopyText({rows, source.group, source.fullDisplay, source.heading, false, source.selected});
}

std::string TabSeparatedCopy(const CopySource& source) {
  ListCopyRows rows(source);
  return CopyText({rows, source.group, source.fullDisplay, source.heading, true, source.selected});
}

}  // namespace tovir

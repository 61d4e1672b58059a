// The rows of the drawing list, composed from the drawing table when asked for.
#include "view/drawing_rows.h"

#include "reader/file_info.h"
#include "view/rows.h"

namespace tovir {

void DrawingRows::Clear() {
  rows_ = 0;
  full_ = false;
  dates_ = StringList();
  notes_ = StringList();
}

void DrawingRows::ShowShort(size_t rows) {
  Clear();
  rows_ = rows;
}

void DrawingRows::BeginFull(size_t rows) {
  Clear();
  full_ = true;
  // Sized once for the whole group; pages that no note reaches are never touched.
  dates_.Reserve(rows, rows * 14);
  notes_.Reserve(rows, rows * kNoteSize);
}

void DrawingRows::AddFull(std::string_view updateDate, std::string_view note) {
  dates_.Add(updateDate);
  notes_.Add(note);
  ++rows_;
}

std::string_view DrawingRows::Row(size_t i, std::string& scratch) const {
  if (full_) {
    BuildFullRow(scratch, table_.User(i), table_.Name(i), dates_[i], notes_[i]);
  } else {
    BuildShortRow(scratch, table_.User(i), table_.Name(i));
  }
  return scratch;
}

std::string_view TableColumn::Row(size_t i, std::string& scratch) const {
  switch (column_) {
    case Column::kUser:
      return table_.User(i);
    case Column::kName:
      return table_.Name(i);
    case Column::kFileName:
      scratch.assign(table_.FileName(i).View());
      return scratch;
  }
  return {};
}

}  // namespace tovir

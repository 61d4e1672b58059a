// The rows of the drawing list and the per-row texts, as views of the drawing table: nothing per drawing is
// stored but the table's record and, in the full display, the update date text and note read for it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/row_source.h"
#include "base/string_list.h"
#include "reader/drawing_table.h"

namespace tovir {

class DrawingRows final : public RowSource {
 public:
  explicit DrawingRows(const CompactDrawingTable& table) : table_(table) {}

  // No rows (a load has begun).
  void Clear();
  // The short display: a row for each of the first `rows` drawings of the table.
  void ShowShort(size_t rows);
  // The full display: rows are added one by one as their drawing files are read; room for `rows` is taken
  // before the reading starts.
  void BeginFull(size_t rows);
  void AddFull(std::string_view updateDate, std::string_view note);

  bool Full() const { return full_; }
  size_t Count() const override { return rows_; }
  std::string_view Row(size_t i, std::string& scratch) const override;

  // Per row: user, drawing name, update date text and note (the last two empty in the short display).
  std::string_view User(size_t i) const { return table_.User(i); }
  std::string_view Name(size_t i) const { return table_.Name(i); }
  std::string_view UpdateDate(size_t i) const { return full_ ? dates_[i] : std::string_view(); }
  std::string_view Note(size_t i) const { return full_ ? notes_[i] : std::string_view(); }

  // The per-row texts as lists (empty in the short display).
  const StringList& Dates() const { return dates_; }
  const StringList& Notes() const { return notes_; }

 private:
  const CompactDrawingTable& table_;
  size_t rows_ = 0;
  bool full_ = false;
  StringList dates_;
  StringList notes_;
};

// A list that is a view of one column of the drawing table.
class TableColumn final : public RowSource {
 public:
  enum class Column { kUser, kName, kFileName };
  TableColumn(const CompactDrawingTable& table, Column column) : table_(table), column_(column) {}
  size_t Count() const override { return table_.Count(); }
  std::string_view Row(size_t i, std::string& scratch) const override;

 private:
  const CompactDrawingTable& table_;
  Column column_;
};

// A per-row list that is a view of the drawing list's rows: the update date texts or the notes, one per row,
// empty in the short display.
class RowColumn final : public RowSource {
 public:
  enum class Column { kUpdateDate, kNote };
  RowColumn(const DrawingRows& rows, Column column) : rows_(rows), column_(column) {}
  size_t Count() const override { return rows_.Count(); }
  std::string_view Row(size_t i, std::string&) const override {
    return column_ == Column::kUpdateDate ? rows_.UpdateDate(i) : rows_.Note(i);
  }

 private:
  const DrawingRows& rows_;
  Column column_;
};

}  // namespace tovir

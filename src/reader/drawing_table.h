// The compact drawing table of one group: one fixed-size record per drawing, from which the user, the drawing
// name and the drawing file name of any drawing are given when asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tovir {

// A drawing name is "PN,FN" padded with blanks to this many bytes.
inline constexpr size_t kDrawingNameWidth = 21;
inline constexpr size_t kDrawingFileNumberSize = 6;

// One drawing in 32 bytes: a million drawings take 32 MB, and a group of 44 million (an index file of 8 GiB)
// still fits a 32-bit address space's worth of memory.
struct DrawingRecord {
  uint32_t indexFile;            // which index file of the group holds it (its place in the table's users)
  char name[kDrawingNameWidth];  // "PN,FN" padded, or shorter when a NUL cut a field
  char number[kDrawingFileNumberSize];  // the drawing file number exactly as the record holds it
  uint8_t nameLength;
};
static_assert(sizeof(DrawingRecord) == 32);

// "Mc" + the drawing file number + ".1@@", cut at a NUL in the number; made on the stack.
class DrawingFileName {
 public:
  explicit DrawingFileName(const DrawingRecord& record);
  std::string_view View() const { return {bytes_, length_}; }
  operator std::string_view() const { return View(); }

 private:
  char bytes_[2 + kDrawingFileNumberSize + 4];
  size_t length_;
};

class CompactDrawingTable {
 public:
  CompactDrawingTable() = default;
  CompactDrawingTable(CompactDrawingTable&&) noexcept = default;
  CompactDrawingTable& operator=(CompactDrawingTable&&) noexcept = default;

  size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  const DrawingRecord& Record(size_t i) const { return records_[i]; }

  // Per drawing: its user (from the name of the index file that holds it), its drawing name, its drawing
  // file name. Views stay valid until the table is next changed.
  std::string_view User(size_t i) const { return users_[records_[i].indexFile]; }
  std::string_view Name(size_t i) const { return {records_[i].name, records_[i].nameLength}; }
  DrawingFileName FileName(size_t i) const { return DrawingFileName(records_[i]); }

  // Whether the last read left drawings out because the memory for them could not be had.
  bool Truncated() const { return truncated_; }

  // Empties the table and gives its memory back.
  void Clear();

  // For the reader: the user of each index file read, in order; room for `records` drawings in one piece;
  // appending; marking the table cut short. Reserve and Append give false when the memory cannot be had (or
  // would pass `limitRecords`), leaving the table as it was.
  void AddIndexFile(std::string_view user) { users_.emplace_back(user); }
  size_t IndexFileCount() const { return users_.size(); }
  bool Reserve(size_t records);
  size_t Capacity() const { return capacity_; }
  DrawingRecord* AppendSlot() { return count_ < capacity_ ? &records_[count_++] : nullptr; }
  void SetTruncated() { truncated_ = true; }

 private:
  struct Free {
    void operator()(DrawingRecord* p) const { std::free(p); }
  };
  // Raw memory: pages are touched only when a record is written to them.
  std::unique_ptr<DrawingRecord[], Free> records_;
  size_t count_ = 0;
  size_t capacity_ = 0;
  std::vector<std::string> users_;
  bool truncated_ = false;
};

}  // namespace tovir

// The compact drawing table of one group.
#include "reader/drawing_table.h"

#include <cstring>

namespace tovir {

DrawingFileName::DrawingFileName(const DrawingRecord& record) {
  // A NUL in the drawing file number ends the name there, as it ends every list entry.
  const void* nul = std::memchr(record.number, 0, kDrawingFileNumberSize);
  size_t numberLength = nul == nullptr ? kDrawingFileNumberSize
                                       : static_cast<size_t>(static_cast<const char*>(nul) - record.number);
  bytes_[0] = 'M';
  bytes_[1] = 'c';
  std::memcpy(bytes_ + 2, record.number, numberLength);
  length_ = 2 + numberLength;
  if (nul == nullptr) {
    std::memcpy(bytes_ + length_, ".1@@", 4);
    length_ += 4;
  }
}

void CompactDrawingTable::Clear() {
  records_.reset();
  count_ = 0;
  capacity_ = 0;
  users_.clear();
  users_.shrink_to_fit();
  truncated_ = false;
}

bool CompactDrawingTable::Reserve(size_t records) {
  if (records <= capacity_) return true;
  if (records > SIZE_MAX / sizeof(DrawingRecord)) return false;
  // realloc, not new: a large block grows by remapping its pages instead of copying them, and nothing is
  // zeroed that the reader is about to write.
  void* grown = std::realloc(records_.get(), records * sizeof(DrawingRecord));
  if (grown == nullptr) return false;
  records_.release();
  records_.reset(static_cast<DrawingRecord*>(grown));
  capacity_ = records;
  return true;
}

}  // namespace tovir

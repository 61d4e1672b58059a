// A list of byte strings kept the way the main window's list boxes keep them.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp932.h"

namespace tovir {

// Each entry holds the text up to its first NUL byte. A sorted list inserts every entry at its place in
// ascending, letter-case-blind order (after the entries equal to it) and keeps duplicates; an unsorted list
// keeps the order of adding. The texts live in one buffer, so adding a row costs no allocation of its own; a
// view returned by `At` stays valid only until the list is next changed.
class StringList {
 public:
  enum class Order { kAdded, kSorted };

  explicit StringList(Order order = Order::kAdded) : order_(order) {}
  StringList(const StringList& other);
  StringList& operator=(const StringList& other);
  StringList(StringList&&) noexcept = default;
  StringList& operator=(StringList&&) noexcept = default;

  // Returns the index at which the entry now stands.
  size_t Add(std::string_view text) { return AddNoNul(CutAtNul(text)); }
  // Add for a text the caller knows to hold no NUL byte, sparing the scan for it: readers that build a
  // million entries from fixed fields find the NUL as they go.
  size_t AddNoNul(std::string_view text) {
    if (order_ == Order::kSorted) return InsertSorted(text);
    spans_.push_back(Append(text));
    return spans_.size() - 1;
  }
  // Many entries at once: AddBatch keeps them in the order given, and the list is in its order again after
  // EndBatch, exactly as if each had been added in turn (a stable sort puts equal entries in the order they
  // came). One sort instead of an insertion each: a directory of 200,000 index files lists in a blink, not in
  // quadratic time.
  void AddBatch(std::string_view text) { spans_.push_back(Append(CutAtNul(text))); }
  // AddBatch for an entry marked inexact: its text is not exactly the name it was listed under (a name that
  // CP932 cannot hold), so it must not be used to reach what it names. The mark moves with its entry.
  void AddBatch(std::string_view text, bool inexact) {
    Span span = Append(CutAtNul(text));
    if (inexact) span.length |= kInexact;
    spans_.push_back(span);
  }
  void EndBatch();
  void Clear() {
    size_ = 0;
    spans_.clear();
  }
  void Reserve(size_t entries, size_t bytes);

  size_t Count() const { return spans_.size(); }
  bool Empty() const { return spans_.empty(); }
  bool Sorted() const { return order_ == Order::kSorted; }
  std::string_view At(size_t i) const { return View(spans_[i]); }
  bool Inexact(size_t i) const { return (spans_[i].length & kInexact) != 0; }
  std::string_view operator[](size_t i) const { return At(i); }

  std::vector<std::string> ToVector() const;

 private:
  struct Span {
    size_t offset;
    size_t length;  // its top bit is the inexact mark
  };
  static constexpr size_t kInexact = ~(~size_t{0} >> 1);
  std::string_view View(const Span& span) const {
    return {data_.get() + span.offset, span.length & ~kInexact};
  }

  Span Append(std::string_view text) {
    if (text.size() > capacity_ - size_) Grow(text);
    Span span{size_, text.size()};
    if (!text.empty()) std::memcpy(data_.get() + size_, text.data(), text.size());
    size_ += text.size();
    return span;
  }
  // Makes room for `text`, which may lie in the buffer being replaced; it is pointed at the new buffer then.
  void Grow(std::string_view& text);
  size_t InsertSorted(std::string_view text);

  Order order_;
  std::unique_ptr<char[]> data_;
  size_t size_ = 0;
  size_t capacity_ = 0;
  std::vector<Span> spans_;
};

}  // namespace tovir

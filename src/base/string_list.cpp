// A list of byte strings kept the way the main window's list boxes keep them.
#include "base/string_list.h"

#include <algorithm>

namespace tovir {

StringList::StringList(const StringList& other) : order_(other.order_), spans_(other.spans_) {
  Reserve(0, other.size_);
  if (other.size_ > 0) std::memcpy(data_.get(), other.data_.get(), other.size_);
  size_ = other.size_;
}

StringList& StringList::operator=(const StringList& other) {
  if (this != &other) {
    StringList copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void StringList::Grow(std::string_view& text) {
  const char* old = data_.get();
  bool inside = old != nullptr && text.data() >= old && text.data() < old + size_;
  size_t offset = inside ? static_cast<size_t>(text.data() - old) : 0;
  size_t wanted = std::max({capacity_ * 2, size_ + text.size(), size_t{256}});
  auto bigger = std::make_unique_for_overwrite<char[]>(wanted);
  if (size_ > 0) std::memcpy(bigger.get(), old, size_);
  data_ = std::move(bigger);
  capacity_ = wanted;
  if (inside) text = std::string_view(data_.get() + offset, text.size());
}

size_t StringList::InsertSorted(std::string_view text) {
  Span span = Append(text);
  text = View(span);
  auto pos = std::upper_bound(spans_.begin(), spans_.end(), text, [this](std::string_view t, const Span& s) {
    return CompareNoCase(t, View(s)) < 0;
  });
  size_t index = static_cast<size_t>(pos - spans_.begin());
  spans_.insert(pos, span);
  return index;
}

void StringList::EndBatch() {
  if (order_ != Order::kSorted) return;
  std::stable_sort(spans_.begin(), spans_.end(),
                   [this](const Span& a, const Span& b) { return CompareNoCase(View(a), View(b)) < 0; });
}

void StringList::Reserve(size_t entries, size_t bytes) {
  spans_.reserve(entries);
  if (bytes > capacity_) {
    auto bigger = std::make_unique_for_overwrite<char[]>(bytes);
    if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = bytes;
  }
}

std::vector<std::string> StringList::ToVector() const {
  std::vector<std::string> out;
  out.reserve(Count());
  for (size_t i = 0; i < Count(); ++i) out.emplace_back(At(i));
  return out;
}

}  // namespace tovir

// Reads the index files of one group into its drawing table.
#include "reader/index_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "base/messages.h"
#include "base/path.h"
#include "reader/folder_scan.h"
#include "reader/problems.h"
#include "reader/read_ahead.h"

namespace tovir {

namespace {

// Field positions within a drawing record.
constexpr size_t kStatusOffset = 0;
constexpr size_t kFileNumberOffset = 12;
constexpr size_t kPnOffset = 33;
constexpr size_t kPnSize = 16;
constexpr size_t kFnOffset = 50;
constexpr size_t kFnSize = 4;

// Index files are read in blocks of whole records; a group of a million drawings is one file of 192 MB.
constexpr size_t kRecordsPerBlock = 4096;
// What a reader reads of each index file after its header: the whole of most of them (a user's index file
// holds a few hundred drawings), in a buffer kept for the next file.
constexpr size_t kFirstBlockSize = 170 * kIndexRecordSize;

// An index file as a reader hands it over: open, its header read, and its first records.
struct IndexFileHead {
  std::unique_ptr<fs::File> file;
  fs::Fault fault = fs::Fault::kMissing;  // why `file` is not there
  std::unique_ptr<char[]> first;
  size_t got = 0;
  bool failed = false;  // a read of its head failed
};

// Length of `text` up to its first NUL byte; fields are a few bytes long, so a plain loop beats a library
// call.
size_t LengthToNul(const char* text, size_t size) {
  size_t i = 0;
  while (i < size && text[i] != '\0') ++i;
  return i;
}

void FillRecord(DrawingRecord& out, const char* record, uint32_t indexFile) {
  // "PN,FN" padded to 21 bytes; the trimmed fields are at most 16 + 1 + 4 bytes, so it is never longer. A NUL
  // inside a field ends the entry there, as it does in every list.
  static constexpr char kBlanks[kDrawingNameWidth + 1] = "                     ";
  std::memcpy(out.name, kBlanks, kDrawingNameWidth);
  std::string_view pn = Trim(std::string_view(record + kPnOffset, kPnSize));
  std::string_view fn = Trim(std::string_view(record + kFnOffset, kFnSize));
  size_t length = LengthToNul(pn.data(), pn.size());
  std::memcpy(out.name, pn.data(), length);
  if (length == pn.size()) {
    out.name[length++] = ',';
    size_t fnLength = LengthToNul(fn.data(), fn.size());
    std::memcpy(out.name + length, fn.data(), fnLength);
    length = fnLength == fn.size() ? kDrawingNameWidth : length + fnLength;
  }
  out.nameLength = static_cast<uint8_t>(length);
  out.indexFile = indexFile;
  std::memcpy(out.number, record + kFileNumberOffset, kDrawingFileNumberSize);
}

// Room for one more drawing, when the files held more than their sizes said (one grew while it was read): a
// half more each time, or as much as can still be had.
bool Grow(CompactDrawingTable& table, size_t maxDrawings) {
  size_t capacity = table.Capacity();
  if (capacity >= maxDrawings) return false;
  size_t want = std::min(maxDrawings, std::max(capacity + capacity / 2, capacity + kRecordsPerBlock));
  while (want > capacity) {
    if (table.Reserve(want)) return true;
    want = capacity + (want - capacity) / 2;
  }
  return false;
}

}  // namespace

IndexReadResult ReadIndexFiles(fs::Directory& directory, const StringList& indexFiles,
                               CompactDrawingTable& table, size_t maxDrawings, size_t readers) {
  IndexReadResult result;
  auto passOver = [&result](std::string_view entry) {
    if (result.unreadable++ == 0) result.firstUnreadable = entry;
  };
  const size_t count = indexFiles.Count();
  // One reader keeps the calls in the order of a plain loop; more read the next files while this one is
  // taken.
  const size_t slots = readers <= 1 ? 1 : 2 * readers;
  // An inexact name is never looked up: it could open a neighbour.
  auto name = [&](size_t i) { return Trim(indexFiles[i]); };

  // Room for every record the files can hold, taken once: a million drawings then cost no copying and no page
  // touched twice. A file whose size cannot be had will not open either.
  uint64_t records = 0;
  struct Size {
    fs::Fault fault = fs::Fault::kMissing;
    uint64_t bytes = 0;
  };
  ReadInOrder<Size>(
      count, readers, slots,
      [&](size_t i, Size& size) {
        size.fault = indexFiles.Inexact(i) ? fs::Fault::kMissing : directory.FileSize(name(i), size.bytes);
      },
      [&](size_t, Size& size, bool) {
        if (size.fault == fs::Fault::kNone && size.bytes > kIndexHeaderSize)
          records += (size.bytes - kIndexHeaderSize + kIndexRecordSize - 1) / kIndexRecordSize;
        return Taken::kNext;
      });
  size_t want = static_cast<size_t>(std::min<uint64_t>(table.Count() + records, maxDrawings));
  // Less than all of it is still worth having: the drawings that fit are shown.
  while (want > table.Capacity() && !table.Reserve(want))
    want = table.Capacity() + (want - table.Capacity()) / 2;

  // The records of one block, or false when the table can hold no more.
  auto takeRecords = [&](const char* block, size_t got, uint32_t indexFile) {
    for (size_t offset = 0; offset < got; offset += kIndexRecordSize) {
      const char* record = block + offset;
      if (record[kStatusOffset] == '0') continue;  // a deleted drawing
      DrawingRecord* slot = table.AppendSlot();
      if (slot == nullptr) {
        if (!Grow(table, maxDrawings)) {
          table.SetTruncated();
          return false;
        }
        slot = table.AppendSlot();
      }
      FillRecord(*slot, record, indexFile);
    }
    return true;
  };
  // A partial record at the end reads as if its missing bytes were NUL; the buffer has room for them.
  auto padTail = [](char* block, size_t& got) {
    size_t tail = got % kIndexRecordSize;
    if (tail != 0) {
      std::memset(block + got, 0, kIndexRecordSize - tail);
      got += kIndexRecordSize - tail;
    }
    return tail;
  };

  // Each index file is opened, and its header and first records read, by a reader; the rest of a large one is
  // read here, in the blocks of the whole file's records.
  std::unique_ptr<char[]> block;
  ReadInOrder<IndexFileHead>(
      count, readers, slots,
      [&](size_t i, IndexFileHead& head) {
        head.got = 0;
        head.file.reset();
        head.failed = false;
        if (indexFiles.Inexact(i)) {
          head.fault = fs::Fault::kMissing;
          return;
        }
        fs::Opened<fs::File> opened = directory.OpenFile(name(i));
        head.fault = opened.fault;
        head.file = std::move(opened.handle);
        if (!head.file) return;
        char header[kIndexHeaderSize];
        head.file->Read(header, sizeof header);
        if (!head.first) head.first = std::make_unique_for_overwrite<char[]>(kFirstBlockSize);
        head.got = head.file->Read(head.first.get(), kFirstBlockSize);
        head.failed = head.file->Failed();
      },
      [&](size_t i, IndexFileHead& head, bool alone) {
        std::string_view entry = indexFiles[i];
        if (!head.file) {
          if (head.fault == fs::Fault::kExhausted && !alone) return Taken::kAgainAlone;
          if (head.fault == fs::Fault::kExhausted) result.exhausted = true;
          passOver(entry);
          return Taken::kNext;
        }
        std::unique_ptr<fs::File> file = std::move(head.file);  // closed when this file is done
        table.AddIndexFile(CutAtNul(UserNameFromIndexFile(entry)));
        const auto indexFile = static_cast<uint32_t>(table.IndexFileCount() - 1);
        size_t got = head.got;
        if (got == 0) {
          if (head.failed) passOver(entry);
          return Taken::kNext;
        }
        size_t tail = padTail(head.first.get(), got);
        if (!takeRecords(head.first.get(), got, indexFile)) return Taken::kStop;
        while (tail == 0 && !head.failed) {
          if (!block) block = std::make_unique_for_overwrite<char[]>(kRecordsPerBlock * kIndexRecordSize);
          got = file->Read(block.get(), kRecordsPerBlock * kIndexRecordSize);
          if (got == 0) break;
          tail = padTail(block.get(), got);
          if (!takeRecords(block.get(), got, indexFile)) return Taken::kStop;
        }
        if (head.failed || file->Failed()) passOver(entry);
        return Taken::kNext;
      },
      // A file opened ahead and waiting its turn holds a descriptor: given back, it is opened again then.
      [](IndexFileHead& head) {
        if (!head.file) return;
        head.file.reset();
        head.fault = fs::Fault::kExhausted;
      });
  return result;
}

IndexReadResult ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory,
                               const StringList& indexFiles, CompactDrawingTable& table, size_t maxDrawings,
                               size_t readers) {
  if (indexFiles.Count() == 0) return {};
  fs::Opened<fs::Directory> directory = fs.OpenDirectory(indexDirectory);
  if (directory) return ReadIndexFiles(*directory, indexFiles, table, maxDrawings, readers);
  IndexReadResult result;
  result.unreadable = indexFiles.Count();
  if (result.unreadable > 0) result.firstUnreadable = indexFiles[0];
  result.exhausted = directory.fault == fs::Fault::kExhausted;
  return result;
}

std::string UnreadableIndexFilesText(const IndexReadResult& result) {
  if (result.unreadable == 0) return {};
  return NamedCountText(msg::kMsgIndexUnreadable, result.firstUnreadable, result.unreadable);
}

IndexReadResult ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory,
                               const StringList& indexFiles, DrawingTable lists) {
  CompactDrawingTable table;
  IndexReadResult result = ReadIndexFiles(fs, indexDirectory, indexFiles, table);
  const size_t n = table.Count();
  lists.users.Reserve(lists.users.Count() + n, 0);
  for (size_t i = 0; i < n; ++i) {
    lists.users.AddNoNul(table.User(i));
    lists.names.AddNoNul(table.Name(i));
    lists.files.AddNoNul(table.FileName(i));
  }
  return result;
}

}  // namespace tovir

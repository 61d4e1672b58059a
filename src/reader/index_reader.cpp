// Reads the index files of one group into its drawing table.
#include "reader/index_reader.h"

#include <cstring>
#include <memory>
#include <string>

#include "base/cp932.h"
#include "base/messages.h"
#include "base/path.h"
#include "reader/folder_scan.h"

namespace tovir {

namespace {

// Field positions within a drawing record.
constexpr size_t kStatusOffset = 0;
constexpr size_t kFileNumberOffset = 12;
constexpr size_t kFileNumberSize = 6;
constexpr size_t kPnOffset = 33;
constexpr size_t kPnSize = 16;
constexpr size_t kFnOffset = 50;
constexpr size_t kFnSize = 4;

// Index files are read in blocks of whole records; a group of a million drawings is one file of 192 MB.
constexpr size_t kRecordsPerBlock = 4096;

// Length of `text` up to its first NUL byte; fields are a few bytes long, so a plain loop beats a library
// call.
size_t LengthToNul(const char* text, size_t size) {
  size_t i = 0;
  while (i < size && text[i] != '\0') ++i;
  return i;
}

void AddRecord(const char* record, std::string_view user, DrawingTable& table) {
  if (record[kStatusOffset] == '0') return;  // a deleted drawing

  // "PN,FN" padded to 21 bytes; the trimmed fields are at most 16 + 1 + 4 bytes, so it is never longer. A NUL
  // inside a field ends the entry there, as it does in every list.
  static constexpr char kBlanks[kDrawingNameWidth + 1] = "                     ";
  char name[kDrawingNameWidth];
  std::memcpy(name, kBlanks, kDrawingNameWidth);
  std::string_view pn = Trim(std::string_view(record + kPnOffset, kPnSize));
  std::string_view fn = Trim(std::string_view(record + kFnOffset, kFnSize));
  size_t length = LengthToNul(pn.data(), pn.size());
  std::memcpy(name, pn.data(), length);
  if (length == pn.size()) {
    name[length++] = ',';
    size_t fnLength = LengthToNul(fn.data(), fn.size());
    std::memcpy(name + length, fn.data(), fnLength);
    length = fnLength == fn.size() ? kDrawingNameWidth : length + fnLength;
  }

  // "Mc" + the six bytes of the drawing file number as they stand + ".1@@".
  char file[2 + kFileNumberSize + 4] = {'M', 'c'};
  std::memcpy(file + 2, record + kFileNumberOffset, kFileNumberSize);
  std::memcpy(file + 2 + kFileNumberSize, ".1@@", 4);
  size_t numberLength = LengthToNul(record + kFileNumberOffset, kFileNumberSize);

  table.users.AddNoNul(user);
  table.names.AddNoNul(std::string_view(name, length));
  table.files.AddNoNul(
      std::string_view(file, numberLength == kFileNumberSize ? sizeof file : 2 + numberLength));
}

}  // namespace

IndexReadResult ReadIndexFiles(fs::FileSystem& fs, std::string_view indexDirectory,
                               const StringList& indexFiles, DrawingTable table) {
  IndexReadResult result;
  auto passOver = [&result](std::string_view entry) {
    if (result.unreadable++ == 0) result.firstUnreadable = entry;
  };
  const size_t count = indexFiles.Count();
  auto block = std::make_unique_for_overwrite<char[]>(kRecordsPerBlock * kIndexRecordSize);
  std::string path;
  for (size_t i = 0; i < count; ++i) {
    std::string_view entry = indexFiles[i];
    path = JoinPath(indexDirectory, Trim(entry));
    auto file = fs.OpenRead(path);
    if (!file) {
      passOver(entry);
      continue;
    }

    const std::string user(CutAtNul(UserNameFromIndexFile(entry)));
    char header[kIndexHeaderSize];
    file->Read(header, sizeof header);
    for (;;) {
      size_t got = file->Read(block.get(), kRecordsPerBlock * kIndexRecordSize);
      if (got == 0) break;
      size_t tail = got % kIndexRecordSize;
      if (tail != 0) {
        std::memset(block.get() + got, 0, kIndexRecordSize - tail);
        got += kIndexRecordSize - tail;
      }
      for (size_t offset = 0; offset < got; offset += kIndexRecordSize)
        AddRecord(block.get() + offset, user, table);
      if (tail != 0) break;
    }
    if (file->Failed()) passOver(entry);
  }
  return result;
}

std::string UnreadableIndexFilesText(const IndexReadResult& result) {
  if (result.unreadable == 0) return {};
  std::string text(msg::kMsgIndexUnreadable);
  text += result.firstUnreadable;
  if (result.unreadable > 1) {
    text += msg::kMsgAndOthersBefore;
    text += std::to_string(result.unreadable - 1);
    text += msg::kMsgAndOthersAfter;
  }
  return text;
}

}  // namespace tovir

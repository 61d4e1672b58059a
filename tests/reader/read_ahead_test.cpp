// Reading ahead: results in the order asked for whatever order the readers finish in, stopping, failures, and
// the readers of drawing files and index files giving what one plain loop gives.
#include "reader/read_ahead.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "base/path.h"
#include "mkdata.h"
#include "reader/file_info.h"
#include "reader/folder_scan.h"
#include "reader/index_reader.h"
#include "support/memory_file_system.h"
#include "support/temp_folder.h"

namespace tovir {
namespace {

using Ms = std::chrono::milliseconds;

// A few microseconds' wait that varies with i, so that later requests often finish first.
void Jitter(size_t i) {
  std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 5 * 100));
}

// A door work waits at until the test opens it.
class Door {
 public:
  void Open() {
    {
      std::lock_guard lock(mutex_);
      open_ = true;
    }
    opened_.notify_all();
  }
  void Pass() {
    std::unique_lock lock(mutex_);
    opened_.wait_for(lock, std::chrono::seconds(10), [&] { return open_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = false;
};

TEST(ReadAhead, ResultsAreTakenInTheOrderAskedForAndOneSlotKeepsAPlainLoopsOrderOfCalls) {
  struct Case {
    size_t readers, slots;
  } cases[] = {{1, 1}, {1, 8}, {2, 1}, {3, 5}, {8, 64}, {16, 4}};
  for (const auto& c : cases) {
    std::mutex mutex;
    std::vector<std::string> calls;  // "r3", "t3": read and take of request 3
    auto log = [&](char what, size_t i) {
      std::lock_guard lock(mutex);
      calls.push_back(what + std::to_string(i));
    };
    std::vector<size_t> taken;
    ReadInOrder<size_t>(
        40, c.readers, c.slots,
        [&](size_t i, size_t& result) {
          log('r', i);
          Jitter(i);
          result = i * i;
        },
        [&](size_t i, size_t& result, bool) {
          log('t', i);
          EXPECT_EQ(result, i * i) << c.readers << "/" << c.slots;
          taken.push_back(i);
          return Taken::kNext;
        });
    ASSERT_EQ(taken.size(), 40u);
    for (size_t i = 0; i < taken.size(); ++i) EXPECT_EQ(taken[i], i);
    if (c.slots != 1) continue;
    for (size_t i = 0; i < calls.size(); ++i)
      EXPECT_EQ(calls[i], (i % 2 == 0 ? "r" : "t") + std::to_string(i / 2)) << c.readers;
  }
}

TEST(ReadAhead, StoppingDropsRequestsNotBegunAndWaitsForThoseInFlight) {
  Door door;
  std::atomic<int> begun{0}, finished{0};
  {
    ReadAheadPool pool(4, 16, [&](size_t, size_t) {
      ++begun;
      door.Pass();
      ++finished;
    });
    pool.Submit(16);
    while (begun.load() == 0) std::this_thread::yield();
    pool.Stop();
    EXPECT_FALSE(pool.WaitStopped(Ms(20)));  // the one in flight hangs
    door.Open();
    EXPECT_TRUE(pool.WaitStopped(Ms(5000)));
    EXPECT_EQ(finished.load(), begun.load());
  }
  // Readers that do not wait on a medium start no more than one per core.
  EXPECT_LE(begun.load(), static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
}

TEST(ReadAhead, TheFrontIsWaitedForEvenWhenLaterOnesAreDoneAndItsFailureComesAtItsTurn) {
  Door door;
  std::vector<int> results(4);
  ReadAheadPool pool(4, 4, [&](size_t slot, size_t) {
    if (slot == 0) door.Pass();
    if (slot == 2) throw std::runtime_error("medium failed");
    results[slot] = static_cast<int>(slot) + 1;
  });
  pool.Submit(4);
  EXPECT_FALSE(pool.WaitFront(Ms(30)));
  door.Open();
  for (size_t i = 0; i < 2; ++i) {
    ASSERT_TRUE(pool.WaitFront(Ms(5000)));
    EXPECT_EQ(results[pool.FrontSlot()], static_cast<int>(i) + 1);
    pool.PopFront();
  }
  EXPECT_THROW(pool.WaitFront(Ms(5000)), std::runtime_error);
  pool.PopFront();
  ASSERT_TRUE(pool.WaitFront(Ms(5000)));
  EXPECT_EQ(results[pool.FrontSlot()], 4);
}

// Where no thread may be started, the caller does each request itself when it waits for it, in order; a pause
// holds every request not begun until the readers are let go again, and then as few at once as were let go.
TEST(ReadAhead, WithoutThreadsTheCallerReadsAndAPauseHoldsTheReaders) {
  const auto caller = std::this_thread::get_id();
  std::vector<size_t> order;
  bool elsewhere = false;
  ReadAheadPool alone(
      4, 8,
      [&](size_t slot, size_t) {
        elsewhere |= std::this_thread::get_id() != caller;
        order.push_back(slot);
      },
      ReadAheadPool::Threads::kNone);
  alone.Submit(8);
  for (size_t i = 0; i < 8; ++i) {
    ASSERT_TRUE(alone.WaitFront(Ms(0)));
    alone.PopFront();
  }
  EXPECT_FALSE(elsewhere);
  EXPECT_EQ(order, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7}));

  std::atomic<int> begun{0}, inside{0}, most{0};
  ReadAheadPool pool(4, 16, [&](size_t, size_t) {
    ++begun;
    const int now = ++inside;
    for (int seen = most.load(); now > seen && !most.compare_exchange_weak(seen, now);) {
    }
    std::this_thread::sleep_for(std::chrono::microseconds(300));  // a slow medium: more readers would start
    --inside;
  });
  pool.Pause();
  pool.Submit(16);
  EXPECT_TRUE(pool.WaitStopped(Ms(5000)));
  std::this_thread::sleep_for(Ms(20));
  EXPECT_EQ(begun.load(), 0);
  pool.Resume(1);
  for (size_t i = 0; i < 16; ++i) {
    ASSERT_TRUE(pool.WaitFront(Ms(5000)));
    pool.PopFront();
  }
  EXPECT_EQ(begun.load(), 16);
  EXPECT_EQ(most.load(), 1);
}

struct Request {
  std::string user, file;
};

// Every request's result, asked for as the full display asks (ahead, as far as there is room) and taken in
// turn.
std::vector<FileInfo> ReadAll(DrawingFileReadAhead& ahead, const std::vector<Request>& requests) {
  std::vector<FileInfo> results;
  size_t asked = 0;
  for (size_t i = 0; i < requests.size(); ++i) {
    for (size_t room = ahead.Room(); room > 0 && asked < requests.size(); --room, ++asked)
      ahead.Request(requests[asked].user, requests[asked].file);
    EXPECT_TRUE(ahead.Take(results.emplace_back(), Ms(5000)));
  }
  ahead.Stop();
  EXPECT_TRUE(ahead.WaitStopped(Ms(5000)));
  return results;
}

// Drawing files of many users, some missing or unreadable, read through the readers: each result is what
// ReadFileInfo gives for it, in the order asked for.
TEST(ReadAhead, DrawingFilesGiveWhatReadFileInfoGivesWithAnyNumberOfReaders) {
  test::MemoryFileSystem fs;
  const std::string index = JoinPath(JoinPath(JoinPath("X", "MCADAM"), "G"), "V3idxft");
  const std::string group = JoinPath(JoinPath("X", "MCADAM"), "G");
  fs.AddDirectory(index);
  std::vector<Request> requests;
  // More users than the reader keeps directories open for, so they are given back and opened again.
  for (int u = 0; u < 70; ++u) {
    std::string user = "U" + std::to_string(u);
    for (int d = 0; d < 6; ++d) {
      std::string file = "Mc" + std::to_string(100000 + u * 10 + d) + ".1@@";
      requests.push_back({user, file});
      test::MemoryFileSystem::FileEntry entry;
      entry.bytes = mkdata::DrawingFileBytes("NOTE " + user + " " + std::to_string(d), 100 + 30 * d);
      entry.lastWriteUtc = 1019394358 + 86400 * d;
      if (d == 4) entry.fault = test::MemoryFileSystem::Fault::kOpenFails;
      if (d == 5 && u % 3 == 0) continue;  // missing
      if (u == 7) continue;                // a user without a directory
      fs.AddFile(JoinPath(JoinPath(group, user), file), std::move(entry));
    }
  }
  for (size_t readers : {1, 3, 16}) {
    DrawingFileReadAhead ahead(fs, index, readers);
    const std::vector<FileInfo> got = ReadAll(ahead, requests);
    for (size_t i = 0; i < requests.size(); ++i) {
      FileInfo expected = ReadFileInfo(fs, index, requests[i].user, requests[i].file);
      EXPECT_EQ(got[i].opened, expected.opened) << readers << " " << i;
      EXPECT_EQ(got[i].updateDate, expected.updateDate) << readers << " " << i;
      EXPECT_EQ(got[i].note, expected.note) << readers << " " << i;
    }
  }
  EXPECT_EQ(fs.OpenFiles(), 0);
}

#ifndef _WIN32
// Data copied from FAT media names every file in another letter case: every reader looks each name up in the
// directory's case-blind listing, which the first of them makes.
TEST(ReadAhead, ReadersShareADirectorysCaseBlindListing) {
  test::TempFolder folder;
  std::vector<Request> requests;
  for (int i = 0; i < 400; ++i) {
    std::string name = "MC" + std::to_string(100000 + i) + ".1@@";
    requests.push_back({"sato", "Mc" + std::to_string(100000 + i) + ".1@@"});
    mkdata::WriteFile(folder.Join({"G", "SATO", name}), mkdata::DrawingFileBytes("N" + std::to_string(i)));
  }
  mkdata::MakeDirectories(folder.Join({"G", "V3idxft"}));
  for (size_t readers : {2, 8}) {
    DrawingFileReadAhead ahead(fs::NativeFileSystem(), folder.Join({"G", "V3idxft"}), readers);
    const std::vector<FileInfo> got = ReadAll(ahead, requests);
    for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].note, "N" + std::to_string(i)) << readers;
  }
}
#endif

// Index files read ahead give the table one plain loop gives: list order, files passed over, large files read
// on past what the readers read of them, partial records and reads that fail.
TEST(ReadAhead, IndexFilesGiveTheSameTableWithAnyNumberOfReaders) {
  using Fault = test::MemoryFileSystem::Fault;
  test::MemoryFileSystem fs;
  const std::string index = JoinPath(JoinPath(JoinPath("X", "MCADAM"), "G"), "V3idxft");
  size_t expected = 0;
  for (int f = 0; f < 30; ++f) {
    int records = f % 5 == 0 ? 450 : f % 7;  // some far past the first block
    std::vector<std::string> raw;
    for (int r = 0; r < records; ++r)
      raw.push_back(mkdata::EncodeRecord(
          {r % 9 == 0 ? '0' : '1', std::to_string(100000 + r), "P" + std::to_string(f), std::to_string(r)}));
    std::string bytes = mkdata::IndexFileBytes(raw);
    test::MemoryFileSystem::FileEntry entry;
    entry.bytes = bytes;
    if (f == 10) entry.bytes += "PARTIAL";  // a partial record: one more drawing
    if (f == 3) entry.fault = Fault::kOpenFails;
    if (f == 15) {
      entry.fault = Fault::kReadFails;
      entry.readableBytes = 64 + 192 * 300;  // fails after 300 records
    }
    char name[16];
    std::snprintf(name, sizeof name, "MCU%02d", f);
    fs.AddFile(JoinPath(index, name), std::move(entry));
    int kept = 0;
    for (int r = 0; r < (f == 15 ? 300 : records); ++r) kept += r % 9 == 0 ? 0 : 1;
    if (f != 3) expected += static_cast<size_t>(kept) + (f == 10 ? 1 : 0);
  }
  StringList files(StringList::Order::kSorted), users(StringList::Order::kSorted);
  ASSERT_TRUE(ScanIndexDirectory(fs, index, files, users).listed);
  auto read = [&](size_t readers) {
    CompactDrawingTable table;
    IndexReadResult result = ReadIndexFiles(fs, index, files, table, static_cast<size_t>(-1), readers);
    EXPECT_EQ(result.unreadable, 2u);
    EXPECT_EQ(result.firstUnreadable, "MCU03");
    EXPECT_EQ(fs.OpenFiles(), 0);
    std::vector<std::string> rows;
    for (size_t i = 0; i < table.Count(); ++i)
      rows.push_back(std::string(table.User(i)) + "|" + std::string(table.Name(i)) + "|" +
                     std::string(table.FileName(i)));
    return rows;
  };
  std::vector<std::string> plain = read(1);
  EXPECT_EQ(plain.size(), expected);
  EXPECT_EQ(plain.front(), "U00|P0,1" + std::string(17, ' ') + "|Mc100001.1@@");
  for (size_t readers : {2, 7, 16}) EXPECT_EQ(read(readers), plain) << readers;
}

}  // namespace
}  // namespace tovir

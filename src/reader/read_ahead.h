// Reading ahead: requests handed in order to a few reader threads, their results taken back in the same
// order. Removable media, file servers and Wine answer each file call slowly but can serve many at once; the
// caller still sees one result after another, as if it had made the calls itself.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tovir {

// How many reader threads a reading may use unless told otherwise. One per core starts at once; the others
// only while calls wait on the medium (see ReadAheadPool). Measured on a machine of two cores, the full
// display against a bare C loop reading one file after another (time in seconds, and its share of the
// loop's):
//   at most                       1             2             4             8            16            32
//   100,000 files, warm     0.46 (1.25)   0.25 (0.71)   0.25 (0.66)        -       0.23 (0.65)   0.23 (0.62)
//   100,000 files, cold     5.9  (1.00)   4.1  (0.65)   2.6  (0.42)   1.5  (0.27)   1.3  (0.23)   1.2  (0.20)
//   2,000 files, 1 ms per
//   open and status call    4.45 (1.00)   2.2  (0.50)   1.15 (0.25)   0.59 (0.13)   0.32 (0.07)   0.19 (0.04)
//   Wine, 20,000 files      3.3           2.0                -             -        2.15          2.0
// A file server wants as many calls in flight as it can get, and a cold disk gains until about 16; a warm
// disk keeps one reader per core whatever the number; Wine's single server process is the limit from two on.
// 16 is the first count at which a file server is ten times faster than one reader, and it costs a cold disk
// little against 32: a ring of 16 small slots per reader, threads asleep in their calls.
inline constexpr size_t kDefaultReaders = 16;
// The most a caller may ask for.
inline constexpr size_t kMaxReaders = 64;

// A ring of request slots shared by one caller and up to `readers` threads. The caller writes requests into
// the slots SlotAt(0), SlotAt(1), ... and submits them; a reader does each by calling `work(slot, reader)`,
// which reads the request in that slot and leaves its result there (`reader`, from 0 to readers - 1, names
// the thread, for state of its own); the caller takes the results front first. The slots' storage is the
// caller's: the pool only says who may touch a slot when (the caller until Submit and again once WaitFront
// says it is done, one reader in between). Readers start as requests come, one for each core; more, up to
// `readers`, only while their calls wait on the medium rather than the processor.
//
// On a fast disk a file costs a few microseconds, less than a thread put to sleep and woken again: requests
// are taken up and results handed over without a lock, and a thread sleeps only when it has nothing to do.
// The caller is woken only when a run of results is ready at the front, or nothing more is coming.
//
// Threads are a speed-up, never a condition: where not one can be started (the system has no thread or no
// memory to give), or where the caller asks for none, the caller does each request itself when it waits for
// it, as a plain loop would, with reader number 0.
class ReadAheadPool {
 public:
  using Work = std::function<void(size_t slot, size_t reader)>;
  enum class Threads { kStart, kNone };

  ReadAheadPool(size_t readers, size_t slots, Work work, Threads threads = Threads::kStart);
  // Stops: requests not begun are dropped, those in flight are waited for.
  ~ReadAheadPool();
  ReadAheadPool(const ReadAheadPool&) = delete;
  ReadAheadPool& operator=(const ReadAheadPool&) = delete;

  size_t Slots() const { return slots_; }
  // How many results make a run worth waking the caller for.
  size_t Batch() const { return batch_; }
  // Requests submitted and not yet taken.
  size_t Pending() const { return Load(submitted_) - Load(taken_); }
  // The slot of the k-th request after those submitted; valid while Pending() + k < Slots().
  size_t SlotAt(size_t k) const { return (Load(submitted_) + k) % slots_; }
  // The `count` requests written into SlotAt(0) to SlotAt(count - 1) are ready for the readers.
  void Submit(size_t count = 1);

  // The slot of the oldest request not yet taken; valid while Pending() > 0.
  size_t FrontSlot() const { return Load(taken_) % slots_; }
  // Waits at most `timeout` for the oldest request to be done; true when it is. What its work threw is thrown
  // here, when its turn comes.
  bool WaitFront(std::chrono::milliseconds timeout);
  // The caller is done with the front slot.
  void PopFront();

  // No request not yet begun will be; those in flight finish.
  void Stop();
  // Waits at most `timeout` until no reader is inside a request (after Stop or Pause); true when none is.
  bool WaitStopped(std::chrono::milliseconds timeout);

  // For a call that ran out of file descriptors or memory: no request begins until Resume, so that once
  // WaitStopped says the readers in flight have finished, the caller can try that call again alone.
  void Pause();
  // Requests begin again, on at most `readers` readers at once (at least one).
  void Resume(size_t readers);
  // How many readers may work at once now.
  size_t ReaderLimit() const { return limit_.load(); }
  // Whether the caller does the requests itself: no thread was wanted, or none could be started.
  bool Inline() const { return inline_.load(); }

 private:
  // The caller's own counters: only it writes them, so it may read them as it likes.
  static size_t Load(const std::atomic<size_t>& counter) { return counter.load(std::memory_order_relaxed); }
  void Run(size_t reader);
  // Takes up the next request not begun; false when there is none, or the pool stops or pauses, or this
  // reader is past the limit.
  bool Claim(size_t reader, size_t& index);
  // A reader is out of flight (done with a request, or found none); the caller may want to hear of it.
  void Finished();
  // Whether the caller, waiting for the front, should be woken now.
  bool WorthWaking() const;
  void Wake(std::condition_variable& sleeper, bool all);
  // Wakes a sleeping reader for requests that wait.
  void WakeReaders();
  // Starts one more reader unless `limit` run or the pool stops; false when none was started. With none
  // started at all, the caller does the requests itself from then on.
  bool AddReader(size_t limit);
  // Does the front request on the calling thread.
  void DoFrontHere();
  bool MayBegin(size_t reader) const;

  const size_t readers_;
  const size_t slots_;
  const size_t batch_;
  const size_t cpuReaders_;  // readers started as requests come; the rest only while calls wait on the medium
  const Work work_;

  // Every flag and counter below is sequentially consistent: a thread going to sleep announces it, then looks
  // once more; a thread that changes what it waits for does so, then looks for a sleeper. One of the two sees
  // the other.
  std::atomic<size_t> submitted_{0};
  std::atomic<size_t> taken_{0};
  std::atomic<size_t> begun_{0};     // requests a reader has taken up
  std::atomic<size_t> inFlight_{0};  // readers taking up or doing a request
  std::atomic<size_t> idle_{0};      // readers asleep for want of a request
  std::atomic<size_t> limit_;        // readers that may work at once
  std::atomic<bool> stopping_{false};
  std::atomic<bool> paused_{false};
  std::atomic<bool> inline_{false};
  std::atomic<bool> callerWaits_{false};
  std::unique_ptr<std::atomic<bool>[]> done_;
  // Written by a reader before its slot is marked done, read by the caller after.
  std::vector<std::exception_ptr> failures_;

  std::mutex mutex_;  // for sleeping and waking, and for threads_
  std::condition_variable requestReady_;
  std::condition_variable resultReady_;
  std::vector<std::thread> threads_;
};

// What the caller of ReadInOrder does with a result.
enum class Taken {
  kNext,        // on to the next one
  kStop,        // no more
  kAgainAlone,  // the call ran out of file descriptors or memory: do it again once no other is in flight
};

// A result that holds nothing worth giving back.
struct HoldsNothing {
  template <typename Result>
  void operator()(Result&) const {}
};

// Does `read(i, result)` for i = 0 to count - 1 on up to `readers` threads, `slots` ahead at most, and hands
// each result to `take(i, result, alone)` on the calling thread in the order of i; `take` leaves the result
// ready for reuse. The calling thread waits as long as it takes. When `take` answers kAgainAlone, the readers
// in flight are let finish, no other request begins, every later result already read is handed to
// `relieve(result)` to give back what it holds (an open file, which is then opened again at its turn), and
// `read(i, result)` is made again on the calling thread, its result taken with `alone` true (its answer then
// is kNext or kStop); the readers go on, half as many. With one slot, each read begins only after the take of
// the one before has returned: the calls come in the order of a plain loop, made on the calling thread itself
// when there is one reader as well.
template <typename Result, typename Read, typename Take, typename Relieve = HoldsNothing>
void ReadInOrder(size_t count, size_t readers, size_t slots, Read read, Take take, Relieve relieve = {}) {
  if (count == 0) return;
  if (readers <= 1 && slots <= 1) {
    // One reader, one slot: a plain loop is that order of calls, without a thread to start and wake (a caller
    // that is itself a reader of a larger reading reads its part this way).
    Result result{};
    for (size_t i = 0; i < count; ++i) {
      read(i, result);
      Taken taken = take(i, result, false);
      if (taken == Taken::kAgainAlone) {
        read(i, result);
        taken = take(i, result, true);
      }
      if (taken == Taken::kStop) return;
    }
    return;
  }
  struct Slot {
    size_t index = 0;
    Result result{};
  };
  std::vector<Slot> ring(slots == 0 ? 1 : slots);
  ReadAheadPool pool(readers, ring.size(), [&](size_t s, size_t) { read(ring[s].index, ring[s].result); });
  size_t next = 0;
  for (size_t i = 0; i < count; ++i) {
    size_t more = 0;
    for (; next < count && pool.Pending() + more < pool.Slots(); ++next)
      ring[pool.SlotAt(more++)].index = next;
    if (more > 0) pool.Submit(more);
    while (!pool.WaitFront(std::chrono::seconds(1))) {
    }
    Result& result = ring[pool.FrontSlot()].result;
    Taken taken = take(i, result, false);
    if (taken == Taken::kAgainAlone) {
      pool.Pause();
      while (!pool.WaitStopped(std::chrono::seconds(1))) {
      }
      for (size_t k = 1; k < pool.Pending(); ++k) relieve(ring[(pool.FrontSlot() + k) % ring.size()].result);
      read(i, result);
      taken = take(i, result, true);
      pool.Resume(pool.ReaderLimit() / 2);
    }
    pool.PopFront();
    if (taken == Taken::kStop) return;
  }
}

}  // namespace tovir

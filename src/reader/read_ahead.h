// Reading ahead: requests handed in order to a few reader threads, their results taken back in the same
// order. Removable media, file servers and Wine answer each file call slowly but can serve many at once; the
// caller still sees one result after another, as if it had made the calls itself.
#pragma once

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

// How many reader threads a reading uses unless told otherwise.
inline constexpr size_t kDefaultReaders = 16;
// The most a caller may ask for.
inline constexpr size_t kMaxReaders = 64;

// A ring of request slots shared by one caller and up to `readers` threads. The caller writes a request into
// the slot BackSlot() names and submits it; a reader does it by calling `work(slot)`, which reads the request
// in that slot and leaves its result there; the caller takes the results front first. The slots' storage is
// the caller's: the pool only says who may touch a slot when (the caller until Submit and again once
// WaitFront says it is done, one reader in between). Threads start as requests come, up to `readers`.
class ReadAheadPool {
 public:
  using Work = std::function<void(size_t slot)>;

  ReadAheadPool(size_t readers, size_t slots, Work work);
  // Stops: requests not begun are dropped, those in flight are waited for.
  ~ReadAheadPool();
  ReadAheadPool(const ReadAheadPool&) = delete;
  ReadAheadPool& operator=(const ReadAheadPool&) = delete;

  size_t Slots() const { return slots_; }
  // Requests submitted and not yet taken.
  size_t Pending() const { return submitted_ - taken_; }
  // The slot the next request goes into; valid while Pending() < Slots().
  size_t BackSlot() const { return submitted_ % slots_; }
  // The request written into BackSlot() is ready for the readers.
  void Submit();

  // The slot of the oldest request not yet taken; valid while Pending() > 0.
  size_t FrontSlot() const { return taken_ % slots_; }
  // Waits at most `timeout` for the oldest request to be done; true when it is. What its work threw is thrown
  // here, when its turn comes.
  bool WaitFront(std::chrono::milliseconds timeout);
  // The caller is done with the front slot.
  void PopFront();

  // No request not yet begun will be; those in flight finish.
  void Stop();
  // Waits at most `timeout` for the requests in flight after Stop(); true when none is left.
  bool WaitStopped(std::chrono::milliseconds timeout);

 private:
  void Run();

  const size_t readers_;
  const size_t slots_;
  const Work work_;

  // submitted_ and taken_ are written by the caller only, under the lock.
  size_t submitted_ = 0;
  size_t taken_ = 0;
  size_t begun_ = 0;  // requests a reader has taken up
  size_t inFlight_ = 0;
  size_t idle_ = 0;  // readers waiting for a request
  bool stopping_ = false;
  bool callerWaits_ = false;
  std::vector<char> done_;
  std::vector<std::exception_ptr> failures_;

  std::mutex mutex_;
  std::condition_variable requestReady_;
  std::condition_variable resultReady_;
  std::vector<std::thread> threads_;
};

// Does `read(i, result)` for i = 0 to count - 1 on up to `readers` threads, `slots` ahead at most, and hands
// each result to `take(i, result)` on the calling thread in the order of i; `take` leaves the result ready
// for reuse and returns false to stop. The calling thread waits as long as it takes. With one slot, each read
// begins only after the take of the one before has returned: the calls come in the order of a plain loop.
template <typename Result, typename Read, typename Take>
void ReadInOrder(size_t count, size_t readers, size_t slots, Read read, Take take) {
  if (count == 0) return;
  struct Slot {
    size_t index = 0;
    Result result{};
  };
  std::vector<Slot> ring(slots == 0 ? 1 : slots);
  ReadAheadPool pool(readers, ring.size(), [&](size_t s) { read(ring[s].index, ring[s].result); });
  size_t next = 0;
  for (size_t i = 0; i < count; ++i) {
    while (next < count && pool.Pending() < pool.Slots()) {
      ring[pool.BackSlot()].index = next++;
      pool.Submit();
    }
    while (!pool.WaitFront(std::chrono::seconds(1))) {
    }
    const bool goOn = take(i, ring[pool.FrontSlot()].result);
    pool.PopFront();
    if (!goOn) return;
  }
}

}  // namespace tovir

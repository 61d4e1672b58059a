// Reading ahead: requests handed in order to a few reader threads, their results taken back in the same
// order.
#include "reader/read_ahead.h"

#include <algorithm>
#include <utility>

namespace tovir {

namespace {

// A run of results this long, a quarter of the ring, wakes the caller: the readers still find three quarters
// of it waiting while the caller takes the run.
size_t BatchOf(size_t slots) {
  return slots >= 4 ? slots / 4 : 1;
}

// Readers that each keep a core busy: a warm disk's files cost a few microseconds of the processor each, and
// more readers than cores only take turns at them.
size_t CpuReaders(size_t readers) {
  const size_t cores = std::max<size_t>(1, std::thread::hardware_concurrency());
  return std::min(readers, cores);
}

// A call this long waited on its medium (a disk's seek, a file server, Wine's server), not on the processor:
// a warm disk answers in a few microseconds, a cold one or a network in tens to thousands. One slow call
// alone may be a reader put aside for another thread; a few in a row are the medium.
constexpr std::chrono::microseconds kSlowCall{20};
constexpr int kSlowCallsToGrow = 3;

}  // namespace

ReadAheadPool::ReadAheadPool(size_t readers, size_t slots, Work work, Threads threads)
    : readers_(readers == 0 ? 1 : readers),
      slots_(slots == 0 ? 1 : slots),
      batch_(BatchOf(slots_)),
      cpuReaders_(CpuReaders(readers_)),
      work_(std::move(work)),
      limit_(readers_),
      inline_(threads == Threads::kNone),
      done_(std::make_unique<std::atomic<bool>[]>(slots_)),
      failures_(slots_) {
  if (!inline_.load()) threads_.reserve(readers_);
}

ReadAheadPool::~ReadAheadPool() {
  Stop();
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    threads.swap(threads_);
  }
  for (std::thread& t : threads) t.join();
}

void ReadAheadPool::Wake(std::condition_variable& sleeper, bool all) {
  // Taking the lock once orders this wake after a sleeper's last look, which it makes holding the lock.
  { std::lock_guard lock(mutex_); }
  if (all) {
    sleeper.notify_all();
  } else {
    sleeper.notify_one();
  }
}

void ReadAheadPool::WakeReaders() {
  // While fewer readers may work than there are, the one woken could be one that may not: all are woken.
  Wake(requestReady_, limit_.load() < readers_);
}

void ReadAheadPool::Submit(size_t count) {
  const size_t submitted = Load(submitted_) + count;
  submitted_.store(submitted);
  if (inline_.load()) return;
  // One sleeping reader is woken; it wakes the next if it finds more waiting, so that a few requests do not
  // wake a crowd of readers that find nothing left to do.
  const size_t idle = idle_.load();
  if (idle > 0) WakeReaders();
  // A reader for each request no reader is free for, as long as each can have a core.
  const size_t waiting = submitted - begun_.load();
  for (size_t wanted = waiting > idle ? waiting - idle : 0; wanted > 0; --wanted) {
    if (!AddReader(cpuReaders_)) break;
  }
}

bool ReadAheadPool::AddReader(size_t limit) {
  std::lock_guard lock(mutex_);
  if (stopping_.load() || inline_.load() || threads_.size() >= std::min(limit, limit_.load())) return false;
  try {
    const size_t reader = threads_.size();
    threads_.emplace_back([this, reader] { Run(reader); });
  } catch (...) {
    // Those running carry on if the system will not give another (no thread, or no memory for one); with
    // none, the caller does the requests itself. A reader asking for help never hears of it.
    if (threads_.empty()) inline_.store(true);
    return false;
  }
  return true;
}

void ReadAheadPool::DoFrontHere() {
  // No reader runs: the requests are begun here, in order, so the front is the next one not begun.
  const size_t index = begun_.load();
  begun_.store(index + 1);
  const size_t slot = index % slots_;
  try {
    work_(slot, 0);
  } catch (...) {
    failures_[slot] = std::current_exception();
  }
  done_[slot].store(true);
}

bool ReadAheadPool::WaitFront(std::chrono::milliseconds timeout) {
  const size_t front = FrontSlot();
  if (!done_[front].load() && inline_.load() && !paused_.load() && !stopping_.load()) DoFrontHere();
  if (!done_[front].load()) {
    std::unique_lock lock(mutex_);
    callerWaits_.store(true);
    resultReady_.wait_for(lock, timeout, [&] { return done_[front].load(); });
    callerWaits_.store(false);
    if (!done_[front].load()) return false;
  }
  if (failures_[front]) std::rethrow_exception(std::exchange(failures_[front], nullptr));
  return true;
}

void ReadAheadPool::PopFront() {
  done_[FrontSlot()].store(false);
  taken_.store(Load(taken_) + 1);
}

void ReadAheadPool::Stop() {
  {
    // Under the lock: no reader is added after this.
    std::lock_guard lock(mutex_);
    stopping_.store(true);
  }
  requestReady_.notify_all();
}

bool ReadAheadPool::WaitStopped(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  callerWaits_.store(true);
  bool stopped = resultReady_.wait_for(lock, timeout, [&] { return inFlight_.load() == 0; });
  callerWaits_.store(false);
  return stopped;
}

void ReadAheadPool::Pause() {
  paused_.store(true);
}

void ReadAheadPool::Resume(size_t readers) {
  limit_.store(std::clamp<size_t>(readers, 1, readers_));
  paused_.store(false);
  Wake(requestReady_, true);
}

bool ReadAheadPool::MayBegin(size_t reader) const {
  return !stopping_.load() && !paused_.load() && reader < limit_.load() && begun_.load() < submitted_.load();
}

bool ReadAheadPool::Claim(size_t reader, size_t& index) {
  // Counted in flight before looking at stopping_: a request taken up just as the pool stops is waited for.
  inFlight_.fetch_add(1);
  size_t begun = begun_.load();
  while (!stopping_.load() && !paused_.load() && reader < limit_.load() && begun < submitted_.load()) {
    if (begun_.compare_exchange_weak(begun, begun + 1)) {
      index = begun;
      return true;
    }
  }
  Finished();
  return false;
}

void ReadAheadPool::Finished() {
  inFlight_.fetch_sub(1);
  if (callerWaits_.load() && WorthWaking()) Wake(resultReady_, true);
}

bool ReadAheadPool::WorthWaking() const {
  if (stopping_.load() || paused_.load()) return inFlight_.load() == 0;
  const size_t taken = taken_.load();
  const size_t submitted = submitted_.load();
  // Everything asked for is done: nothing more is coming until the caller asks again.
  if (inFlight_.load() == 0 && begun_.load() == submitted) return true;
  // The very first result is handed over at once, so that the first row shows without waiting for a run.
  if (taken == 0 && submitted > 0 && done_[0].load()) return true;
  size_t run = 0;
  while (run < batch_ && taken + run < submitted && done_[(taken + run) % slots_].load()) ++run;
  return run == batch_;
}

void ReadAheadPool::Run(size_t reader) {
  int slowInARow = 0;
  for (;;) {
    size_t index = 0;
    if (!Claim(reader, index)) {
      std::unique_lock lock(mutex_);
      idle_.fetch_add(1);
      requestReady_.wait(lock, [&] { return stopping_.load() || MayBegin(reader); });
      idle_.fetch_sub(1);
      if (stopping_.load()) return;
      continue;
    }
    if (idle_.load() > 0 && begun_.load() < submitted_.load()) WakeReaders();
    const size_t slot = index % slots_;
    std::exception_ptr failure;
    const auto start = std::chrono::steady_clock::now();
    try {
      work_(slot, reader);
    } catch (...) {
      failure = std::current_exception();
    }
    slowInARow = std::chrono::steady_clock::now() - start >= kSlowCall ? slowInARow + 1 : 0;
    failures_[slot] = std::move(failure);
    done_[slot].store(true);
    Finished();
    // The calls wait on the medium, and requests wait for a reader: one more can be served at the same time.
    if (slowInARow >= kSlowCallsToGrow && idle_.load() == 0 && begun_.load() < submitted_.load()) {
      AddReader(readers_);
      slowInARow = 0;
    }
  }
}

}  // namespace tovir

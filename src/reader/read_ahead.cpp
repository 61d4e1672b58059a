// Reading ahead: requests handed in order to a few reader threads, their results taken back in the same
// order.
#include "reader/read_ahead.h"

#include <system_error>
#include <utility>

namespace tovir {

ReadAheadPool::ReadAheadPool(size_t readers, size_t slots, Work work)
    : readers_(readers == 0 ? 1 : readers),
      slots_(slots == 0 ? 1 : slots),
      work_(std::move(work)),
      done_(slots_, 0),
      failures_(slots_) {
  threads_.reserve(readers_);
}

ReadAheadPool::~ReadAheadPool() {
  Stop();
  for (std::thread& t : threads_) t.join();
}

void ReadAheadPool::Submit() {
  std::unique_lock lock(mutex_);
  done_[BackSlot()] = 0;
  ++submitted_;
  if (idle_ > 0) {
    lock.unlock();
    requestReady_.notify_one();
    return;
  }
  // Every reader is busy: one more, until there are as many as allowed. The ones running carry on if the
  // system will not give another; with none, the request could never be done, so the caller hears of it.
  if (threads_.size() >= readers_) return;
  try {
    threads_.emplace_back([this] { Run(); });
  } catch (const std::system_error&) {
    if (!threads_.empty()) return;
    --submitted_;
    throw;
  }
}

bool ReadAheadPool::WaitFront(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  const size_t front = FrontSlot();
  if (done_[front] == 0) {
    callerWaits_ = true;
    resultReady_.wait_for(lock, timeout, [&] { return done_[front] != 0; });
    callerWaits_ = false;
  }
  if (done_[front] == 0) return false;
  if (failures_[front]) std::rethrow_exception(std::exchange(failures_[front], nullptr));
  return true;
}

void ReadAheadPool::PopFront() {
  std::lock_guard lock(mutex_);
  done_[FrontSlot()] = 0;
  ++taken_;
}

void ReadAheadPool::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  requestReady_.notify_all();
}

bool ReadAheadPool::WaitStopped(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  callerWaits_ = true;
  bool stopped = resultReady_.wait_for(lock, timeout, [&] { return inFlight_ == 0; });
  callerWaits_ = false;
  return stopped;
}

void ReadAheadPool::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    while (!stopping_ && begun_ == submitted_) {
      ++idle_;
      requestReady_.wait(lock);
      --idle_;
    }
    if (stopping_) return;
    const size_t index = begun_++;
    const size_t slot = index % slots_;
    ++inFlight_;
    lock.unlock();
    std::exception_ptr failure;
    try {
      work_(slot);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    failures_[slot] = std::move(failure);
    done_[slot] = 1;
    --inFlight_;
    // Only the front's result, or the last one in flight after a stop, is worth waking the caller for.
    if (callerWaits_ && (index == taken_ || (stopping_ && inFlight_ == 0))) resultReady_.notify_all();
  }
}

}  // namespace tovir

// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/row_progress.h"

#include <chrono>
#include <thread>

namespace kasumori::imaging {

void RowProgress::Begin(const Picture& picture) {
  {
    const std::lock_guard lock(mutex_);
    picture_ = picture;
    published_.store(0, std::memory_order_relaxed);
    state_ = State::Begun;
  }
  changed_.notify_all();
}

void RowProgress::Publish(int rows) { published_.store(rows, std::memory_order_release); }

void RowProgress::End(bool decoded) {
  std::unique_lock lock(mutex_);
  if (decoded && state_ == State::Begun) {
    published_.store(picture_.height, std::memory_order_release);
    state_ = State::Decoded;
    lock.unlock();
    changed_.notify_all();
    return;
  }
  state_ = State::Failed;
  failed_.store(true);
  changed_.notify_all();
  changed_.wait(lock, [this] { return !reading_; });
}

std::optional<RowProgress::Picture> RowProgress::WaitBegun() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return state_ != State::Waiting; });
  if (state_ == State::Failed) return std::nullopt;
  reading_ = true;
  return picture_;
}

bool RowProgress::WaitRows(int rows) {
  for (;;) {
    // The failure is looked at first: rows published before it are not to be read either.
    if (failed_.load()) {
      Leave();
      return false;
    }
    if (published_.load(std::memory_order_acquire) >= rows) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(kPollMicroseconds));
  }
}

void RowProgress::Leave() {
  {
    const std::lock_guard lock(mutex_);
    reading_ = false;
  }
  changed_.notify_all();
}

bool RowProgress::Decoded() const {
  const std::lock_guard lock(mutex_);
  return state_ == State::Decoded;
}

}  // namespace kasumori::imaging

// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/row_progress.h"

namespace kasumori::imaging {

void RowProgress::Begin(const Picture& picture) {
  {
    const std::lock_guard lock(mutex_);
    picture_ = picture;
    published_ = 0;
    state_ = State::Begun;
  }
  changed_.notify_all();
}

void RowProgress::Publish(int rows) {
  bool wake = false;
  {
    const std::lock_guard lock(mutex_);
    published_ = rows;
    wake = reading_ && published_ >= wanted_;
  }
  if (wake) changed_.notify_all();
}

void RowProgress::End(bool decoded) {
  std::unique_lock lock(mutex_);
  if (decoded && state_ == State::Begun) {
    published_ = picture_.height;
    state_ = State::Decoded;
    lock.unlock();
    changed_.notify_all();
    return;
  }
  state_ = State::Failed;
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
  std::unique_lock lock(mutex_);
  wanted_ = rows;
  changed_.wait(lock, [&] { return published_ >= rows || state_ == State::Failed; });
  if (state_ != State::Failed) return true;
  reading_ = false;
  lock.unlock();
  changed_.notify_all();
  return false;
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

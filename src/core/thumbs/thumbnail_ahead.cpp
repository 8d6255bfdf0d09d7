// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_ahead.h"

#include "imaging/decode/photo_decoder.h"

#include <algorithm>
#include <exception>

namespace kasumori::thumbs {

ThumbnailDecodeAhead::~ThumbnailDecodeAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void ThumbnailDecodeAhead::Start(const QStringList& paths) {
  {
    const std::lock_guard lock(mutex_);
    jobs_.clear();
    jobs_.reserve(std::size_t(paths.size()));
    for (const QString& path : paths) {
      Job& job = jobs_.emplace_back();
      job.path = path;
    }
    ++generation_;
    if (!worker_.joinable() && !jobs_.empty()) worker_ = std::thread([this] { Run(); });
  }
  changed_.notify_all();
}

bool ThumbnailDecodeAhead::Take(const QString& path, imaging::TSPIQxDIB& target, int& reduction) {
  std::unique_lock lock(mutex_);
  const auto job = std::find_if(jobs_.begin(), jobs_.end(), [&](const Job& j) {
    return j.path == path && j.state != State::Taken;
  });
  if (job == jobs_.end()) return false;
  changed_.wait(lock, [&] { return job->state != State::Decoding; });
  const bool done = job->state == State::Done;
  if (done) {
    target.SwapStorage(job->picture);
    target.SetPixelFormat(imaging::TQxPixelFormat::Bit24);
    reduction = job->reduction;
  }
  job->state = State::Taken;
  job->picture = imaging::TSPIQxDIB();
  lock.unlock();
  changed_.notify_all();  // one fewer waiting
  return done;
}

// The worker takes every second photo and leaves the others to the caller: each decodes one
// while the other decodes the next, so neither waits for the other. A caller that reaches a
// photo the worker has not begun decodes it itself.
int ThumbnailDecodeAhead::NextQueued() const {
  for (std::size_t i = 1; i < jobs_.size(); i += 2) {
    if (jobs_[i].state == State::Queued) return int(i);
  }
  return -1;
}

int ThumbnailDecodeAhead::Waiting() const {
  return int(std::count_if(jobs_.begin(), jobs_.end(),
                           [](const Job& j) { return j.state == State::Done; }));
}

void ThumbnailDecodeAhead::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock,
                  [this] { return stopping_ || (NextQueued() >= 0 && Waiting() < kMaxWaiting); });
    if (stopping_) return;
    const int index = NextQueued();
    const std::uint64_t generation = generation_;
    const QString path = jobs_[std::size_t(index)].path;
    jobs_[std::size_t(index)].state = State::Decoding;
    lock.unlock();
    imaging::TSPIQxDIB picture;
    std::optional<int> reduction;
    try {
      reduction = imaging::DecodeJpegThumbnail(path, picture, {});
    } catch (const std::exception&) {
      // The maker decodes it again and reports what went wrong.
    }
    lock.lock();
    if (generation == generation_) {
      Job& job = jobs_[std::size_t(index)];
      job.state = reduction ? State::Done : State::Failed;
      if (reduction) {
        job.picture.SwapStorage(picture);
        job.reduction = *reduction;
      }
    }
    changed_.notify_all();
  }
}

}  // namespace kasumori::thumbs

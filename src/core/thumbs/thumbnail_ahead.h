// SPDX-License-Identifier: GPL-3.0-or-later
// The photos of the thumbnails about to be made, decoded on a second thread in the order they
// will be asked for. The maker goes through the same order and, at each photo, takes what the
// worker decoded, waits for the one it is decoding, or decodes the photo itself when the worker
// has not begun it; the worker takes every second photo, so both cores decode and the
// thumbnails still arrive in the cells' order.
// Only plain JPEG files are decoded here, with the decoder's own JPEG step: everything else,
// and anything that fails, is left to the maker, which reports it as it always does.
#pragma once

#include "imaging/dib/spi_qx_dib.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace kasumori::thumbs {

class ThumbnailDecodeAhead {
 public:
  // Decoded pictures not yet taken; the worker waits rather than run further ahead.
  static constexpr int kMaxWaiting = 2;

  ThumbnailDecodeAhead() = default;
  ~ThumbnailDecodeAhead();
  ThumbnailDecodeAhead(const ThumbnailDecodeAhead&) = delete;
  ThumbnailDecodeAhead& operator=(const ThumbnailDecodeAhead&) = delete;

  // The photo files to come, in order; replaces what was queued before (a decoding under way
  // finishes and is dropped).
  void Start(const QStringList& paths);
  // True when `target` now holds the photo at thumbnail scale and `reduction` its JPEG
  // reduction. False: the caller decodes it, and the worker will not.
  bool Take(const QString& path, imaging::TSPIQxDIB& target, int& reduction);

 private:
  enum class State { Queued, Decoding, Done, Failed, Taken };
  struct Job {
    QString path;
    State state = State::Queued;
    imaging::TSPIQxDIB picture;
    int reduction = 1;
  };

  void Run();
  int NextQueued() const;  // -1 when there is none
  int Waiting() const;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Job> jobs_;
  std::uint64_t generation_ = 0;  // which Start the jobs belong to
  bool stopping_ = false;
  std::thread worker_;  // started by the first Start
};

}  // namespace kasumori::thumbs

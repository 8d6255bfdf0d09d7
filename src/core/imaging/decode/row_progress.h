// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a picture being decoded, handed from the decoder to one reader on another thread
// as they become final, so that the reader works through the top of the picture while the
// decoder is still producing the bottom.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>

namespace kasumori::imaging {

class RowProgress {
 public:
  // Where the rows go: fixed from Begin until the decode ends.
  struct Picture {
    const std::uint8_t* top = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
  };

  // The decoder's side. Begin once the storage is final; Publish as rows [0, rows) are;
  // End when the decode is over: `decoded` says the whole picture is the photo. An end
  // without success returns only once the reader has stopped reading the picture, because
  // whatever runs next may reuse that storage.
  void Begin(const Picture& picture);
  void Publish(int rows);
  void End(bool decoded);

  // The reader's side. Waits for Begin (nothing when the decode ended without one), then for
  // rows: WaitRows is false when they will never come, and the reader must then let go of the
  // picture at once. Leave tells the decoder the reader is done with the picture.
  std::optional<Picture> WaitBegun();
  bool WaitRows(int rows);
  void Leave();
  // How often a waiting reader looks: the tail it adds to a photo's composition at most.
  static constexpr int kPollMicroseconds = 250;

  // After End: whether the picture was decoded whole.
  bool Decoded() const;

 private:
  enum class State { Waiting, Begun, Decoded, Failed };

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::Waiting;
  Picture picture_;
  // Published without the lock: the decoder never pays for waking the reader, which looks
  // every kPollMicroseconds while it waits for rows.
  std::atomic<int> published_ = 0;
  std::atomic<bool> failed_ = false;
  bool reading_ = false;
};

}  // namespace kasumori::imaging

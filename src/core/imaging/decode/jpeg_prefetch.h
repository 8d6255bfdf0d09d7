// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the next photo before the user asks for it: JPEG photos are decoded at full size
// on a worker thread into spare buffers, and a display that asks for one of them takes it
// over instead of decoding. What the user sees does not change: a spare is taken only when
// the file still has the size and write time it had when its decoding began, and a photo
// that fails to decode ahead is simply decoded again, with its error, when it is shown.
#pragma once

#include "imaging/dib/qx_dib.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kasumori::imaging {

// A file as it was when it was read: a rewritten photo has another size or write time, and
// one replaced by another file (even with its write time kept) another inode and change time.
struct FileStamp {
  std::int64_t size = -1;
  std::int64_t modifiedNs = -1;
  std::int64_t changedNs = -1;
  std::uint64_t inode = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
std::optional<FileStamp> StampOf(const QString& path);

class JpegPrefetcher {
 public:
  // At most `spares` pictures are held, none above `maxPixels`.
  static constexpr int kDefaultSpares = 2;
  static constexpr std::int64_t kDefaultMaxPixels = 40'000'000;
  explicit JpegPrefetcher(int spares = kDefaultSpares, std::int64_t maxPixels = kDefaultMaxPixels);
  ~JpegPrefetcher();
  JpegPrefetcher(const JpegPrefetcher&) = delete;
  JpegPrefetcher& operator=(const JpegPrefetcher&) = delete;

  enum class Need { Likely, IfMemoryAllows };
  // Queues the photo unless it is held or queued already; older queued photos give way, and
  // the newest request is decoded first. A photo only possibly wanted is decoded only while
  // the system keeps kKeepAvailableBytes available beside it.
  void Request(const QString& path, Need need = Need::Likely);
  // The photo decoded ahead, if it was and its file is unchanged, becomes `target`'s storage
  // (a decoding under way or queued is waited for: it is nearer its end than a new one). False
  // leaves the decoding to the caller.
  bool Take(const QString& path, TQxDIB& target);
  // Whether the photo is decoded ahead, or queued or being decoded.
  bool Holds(const QString& path);
  // Forgets every spare (memory pressure, a folder change); a decoding under way stops.
  void Clear();
  // Returns once nothing is queued or being decoded (for measurements and tests).
  void WaitIdle();

  static constexpr std::int64_t kKeepAvailableBytes = std::int64_t(1) << 30;

 private:
  enum class State { Free, Queued, Decoding, Ready, Failed };
  struct Spare {
    QString path;
    FileStamp stamp;
    State state = State::Free;
    Need need = Need::Likely;
    bool discard = false;            // forgotten while it was being decoded
    std::atomic<bool> stop = false;  // its decoding is no longer wanted
    TQxDIB picture;                  // keeps its memory while free, for the next decoding
    std::uint64_t used = 0;
  };

  void Run();
  Spare* Find(const QString& path);
  // A spare to decode into: a free one, else the least recently asked-for idle one.
  Spare* Slot();
  Spare* NextQueued();
  void Decode(Spare& spare);  // without the lock: the spare is the worker's meanwhile
  static void Free(Spare& spare);

  const std::int64_t maxPixels_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Spare> held_;  // fixed in number, so a spare stays where it is
  std::uint64_t clock_ = 0;
  bool stopping_ = false;
  std::thread worker_;  // started by the first request
};

}  // namespace kasumori::imaging

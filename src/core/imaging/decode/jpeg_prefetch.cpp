// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/jpeg_prefetch.h"

#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_decoder.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>

namespace kasumori::imaging {

std::optional<FileStamp> StampOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
    return std::nullopt;
  constexpr std::int64_t kNs = 1'000'000'000;
  return FileStamp{
      std::int64_t(st.st_size), std::int64_t(st.st_mtim.tv_sec) * kNs + st.st_mtim.tv_nsec,
      std::int64_t(st.st_ctim.tv_sec) * kNs + st.st_ctim.tv_nsec, std::uint64_t(st.st_ino)};
}

namespace {

// MemAvailable of /proc/meminfo, the kernel's estimate of what can be had without swapping;
// nothing when it cannot be read.
std::optional<std::int64_t> AvailableBytes() {
  QFile meminfo(QStringLiteral("/proc/meminfo"));
  if (!meminfo.open(QIODevice::ReadOnly)) return std::nullopt;
  for (int line = 0; line < 64 && !meminfo.atEnd(); ++line) {
    const QByteArray text = meminfo.readLine(256);
    if (!text.startsWith("MemAvailable:")) continue;
    bool ok = false;
    const qint64 kib = text.mid(13).trimmed().split(' ').value(0).toLongLong(&ok);
    if (ok) return std::int64_t(kib) * 1024;
  }
  return std::nullopt;
}

bool RoomFor(std::int64_t bytes) {
  const std::optional<std::int64_t> available = AvailableBytes();
  return available && *available - bytes >= JpegPrefetcher::kKeepAvailableBytes;
}

}  // namespace

JpegPrefetcher::JpegPrefetcher(int spares, std::int64_t maxPixels)
    : maxPixels_(maxPixels), held_(std::size_t(std::max(spares, 1))) {}

JpegPrefetcher::~JpegPrefetcher() {
  {
    // Quitting does not wait for a photo nobody will see.
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    for (Spare& spare : held_) spare.stop = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

JpegPrefetcher::Spare* JpegPrefetcher::Find(const QString& path) {
  for (Spare& spare : held_) {
    if (spare.state != State::Free && !spare.discard && spare.path == path) return &spare;
  }
  return nullptr;
}

JpegPrefetcher::Spare* JpegPrefetcher::Slot() {
  Spare* oldest = nullptr;
  for (Spare& spare : held_) {
    if (spare.state == State::Free) return &spare;
    if (spare.state != State::Decoding && (oldest == nullptr || spare.used < oldest->used))
      oldest = &spare;
  }
  return oldest;
}

JpegPrefetcher::Spare* JpegPrefetcher::NextQueued() {
  Spare* newest = nullptr;
  for (Spare& spare : held_) {
    if (spare.state == State::Queued && (newest == nullptr || spare.used > newest->used))
      newest = &spare;
  }
  return newest;
}

void JpegPrefetcher::Free(Spare& spare) {
  spare.state = State::Free;
  spare.discard = false;
  spare.path.clear();
}

void JpegPrefetcher::Request(const QString& path, Need need) {
  {
    const std::lock_guard lock(mutex_);
    if (Spare* held = Find(path)) {
      held->used = ++clock_;
      return;
    }
    Spare* spare = Slot();
    if (spare == nullptr) return;  // every spare is being decoded
    spare->path = path;
    spare->need = need;
    spare->state = State::Queued;
    spare->used = ++clock_;
    if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
  }
  changed_.notify_all();
}

bool JpegPrefetcher::Take(const QString& path, TQxDIB& target) {
  std::unique_lock lock(mutex_);
  Spare* spare = Find(path);
  if (spare == nullptr) return false;
  // A queued photo is decoded next, so waiting for it costs no more than decoding it here.
  spare->used = ++clock_;
  changed_.wait(
      lock, [spare] { return spare->state != State::Decoding && spare->state != State::Queued; });
  const bool ready =
      spare->state == State::Ready && spare->path == path && StampOf(path) == spare->stamp;
  if (ready) target.SwapStorage(spare->picture);
  Free(*spare);
  return ready;
}

bool JpegPrefetcher::Holds(const QString& path) {
  const std::lock_guard lock(mutex_);
  return Find(path) != nullptr;
}

void JpegPrefetcher::Clear() {
  const std::lock_guard lock(mutex_);
  for (Spare& spare : held_) {
    if (spare.state == State::Decoding) {
      spare.discard = true;
      spare.stop = true;
    } else {
      Free(spare);
      spare.picture = TQxDIB();
    }
  }
}

void JpegPrefetcher::WaitIdle() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] {
    return std::none_of(held_.begin(), held_.end(), [](const Spare& spare) {
      return spare.state == State::Queued || spare.state == State::Decoding;
    });
  });
}

void JpegPrefetcher::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || NextQueued() != nullptr; });
    if (stopping_) return;
    Spare& spare = *NextQueued();
    spare.state = State::Decoding;
    spare.stop = false;
    lock.unlock();
    Decode(spare);
    lock.lock();
    if (spare.discard) Free(spare);
    changed_.notify_all();
  }
}

void JpegPrefetcher::Decode(Spare& spare) {
  // The path is not changed while the spare is being decoded, so it may be read unlocked.
  const std::optional<FileStamp> before = StampOf(spare.path);
  State outcome = State::Failed;
  try {
    if (before) {
      FileSource file(spare.path);
      JpegDecoder decoder(file);
      decoder.SetStopFlag(&spare.stop);
      const JpegSize size = decoder.ScaledSize(JpegScale::Full);
      const std::int64_t pixels = std::int64_t(size.width) * size.height;
      if (pixels <= maxPixels_ && (spare.need == Need::Likely || RoomFor(3 * pixels))) {
        decoder.Decode(JpegScale::Full, JpegMethod::Accurate, spare.picture);
        // A file written to while it was read is not the file that was decoded.
        if (StampOf(spare.path) == before) outcome = State::Ready;
      }
    }
  } catch (...) {
    // Whatever went wrong is reported when the photo is shown and decoded again.
  }
  const std::lock_guard lock(mutex_);
  spare.stamp = before.value_or(FileStamp{});
  spare.state = outcome;
}

}  // namespace kasumori::imaging

// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/io/byte_source.h"

#include "imaging/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kasumori::imaging {

bool MemorySource::ReadAt(std::uint64_t offset, void* dest, std::size_t n) {
  if (!Holds(offset, n)) return false;
  if (n > 0) std::memcpy(dest, bytes_.data() + offset, n);
  return true;
}

bool BlockCachedSource::ReadAt(std::uint64_t offset, void* dest, std::size_t n) {
  if (!Holds(offset, n)) return false;
  if (n > kBlockSize) return inner_.ReadAt(offset, dest, n);
  const bool cached = blockBytes_ > 0 && offset >= blockAt_ && offset - blockAt_ + n <= blockBytes_;
  if (!cached) {
    blockAt_ = offset - offset % kBlockSize;
    blockBytes_ = std::size_t(std::min<std::uint64_t>(kBlockSize, Size() - blockAt_));
    // A read that straddles the block's end starts a block of its own.
    if (offset - blockAt_ + n > blockBytes_) {
      blockAt_ = offset;
      blockBytes_ = std::size_t(std::min<std::uint64_t>(kBlockSize, Size() - blockAt_));
    }
    if (!inner_.ReadAt(blockAt_, block_, blockBytes_)) {
      blockBytes_ = 0;
      return false;
    }
  }
  if (n > 0) std::memcpy(dest, block_ + (offset - blockAt_), n);
  return true;
}

FileSource::FileSource(const QString& path) {
  const QByteArray native = path.toLocal8Bit();
  // Without O_NONBLOCK a pipe named like a photo would hold the program until a writer came;
  // for a regular file the flag changes nothing.
  fd_ = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    throw EReadError("Cannot open file " + path.toStdString());
  }
  size_ = static_cast<std::uint64_t>(info.st_size);
}

FileSource::~FileSource() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileSource::ReadAt(std::uint64_t offset, void* dest, std::size_t n) {
  if (!Holds(offset, n)) return false;
  auto* out = static_cast<char*>(dest);
  while (n > 0) {
    const ssize_t got = ::pread(fd_, out, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // the file shrank under us, or an I/O error
    out += got;
    offset += static_cast<std::uint64_t>(got);
    n -= static_cast<std::size_t>(got);
  }
  return true;
}

std::vector<std::uint8_t> ReadAll(ByteSource& source) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(source.Size()));
  if (!source.ReadAt(0, bytes.data(), bytes.size())) throw EReadError("Cannot read file");
  return bytes;
}

}  // namespace kasumori::imaging

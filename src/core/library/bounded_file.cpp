// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/bounded_file.h"

#include <QFile>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kasumori::library {
namespace {

bool ReadFully(int fd, std::uint64_t offset, std::size_t count, std::uint8_t* out) {
  while (count > 0) {
    const ssize_t got = ::pread(fd, out, count, off_t(offset));
    if (got <= 0) return false;
    out += got;
    offset += std::uint64_t(got);
    count -= std::size_t(got);
  }
  return true;
}

}  // namespace

BoundedFile::BoundedFile(const QString& path) {
  if (path.isEmpty()) return;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  size_ = std::uint64_t(info.st_size);
  limit_ = size_;
  headSize_ = std::size_t(std::min<std::uint64_t>(size_, kHeadSize));
  if (!ReadFully(fd_, 0, headSize_, head_.data())) headSize_ = 0;
}

BoundedFile::~BoundedFile() {
  if (fd_ >= 0) ::close(fd_);
}

void BoundedFile::LimitTo(std::uint64_t end) { limit_ = std::min(end, size_); }

bool BoundedFile::Read(std::uint64_t offset, std::size_t count, void* out) {
  if (!IsOpen() || offset > limit_ || count > limit_ - offset) return false;
  auto* bytes = static_cast<std::uint8_t*>(out);
  if (offset + count <= headSize_) {
    std::memcpy(bytes, head_.data() + offset, count);
    return true;
  }
  return ReadFully(fd_, offset, count, bytes);
}

}  // namespace kasumori::library

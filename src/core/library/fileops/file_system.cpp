// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace kasumori::library {
namespace {

constexpr std::size_t kCopyBlock = 1 << 20;
// Both blocks of a comparison stay in the processor's cache between the read and the compare:
// on these machines 256 KB blocks compare a photo about ten times faster than 1 MB ones.
constexpr std::size_t kCompareBlock = 256 << 10;
constexpr std::size_t kKernelCopyChunk = 16 << 20;

FsStatus StatusOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FsStatus::Missing;
    case EEXIST:
    case ENOTEMPTY:
      return FsStatus::Exists;
    case EXDEV:
      return FsStatus::CrossDevice;
    case ENOSPC:
    case EDQUOT:
      return FsStatus::NoSpace;
    default:
      return FsStatus::Failed;
  }
}

// Closes the descriptor when the copy leaves by any path.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close (a full network disk) is seen.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads until the block is full or the file ends; the count read, or -1 on an error.
ssize_t ReadFull(int fd, char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, data + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += std::size_t(got);
  }
  return ssize_t(done);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= std::size_t(written);
  }
  return true;
}

// Copies from the current offsets to the end. The kernel copies by itself where it can, without
// a pass through this process's memory; between file systems that do not allow that, the
// bytes are read and written.
FsStatus CopyContents(int in, int out) {
  bool inKernel = true;
  std::vector<char> block;
  for (;;) {
    if (inKernel) {
      const ssize_t done = ::copy_file_range(in, nullptr, out, nullptr, kKernelCopyChunk, 0);
      if (done > 0) continue;
      if (done == 0) return FsStatus::Ok;
      if (errno == EINTR) continue;
      if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return StatusOf(errno);
      }
      inKernel = false;
      block.resize(kCopyBlock);
    }
    const ssize_t got = ::read(in, block.data(), block.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return StatusOf(errno);
    if (got == 0) return FsStatus::Ok;
    if (!WriteAll(out, block.data(), std::size_t(got))) return StatusOf(errno);
  }
}

// Whether the next `size` bytes of both files are the same.
bool SameLeadingBytes(int first, int second, off_t size) {
  std::vector<char> left(kCompareBlock);
  std::vector<char> right(kCompareBlock);
  while (size > 0) {
    const std::size_t want = std::min<std::size_t>(kCompareBlock, std::size_t(size));
    const ssize_t got = ReadFull(first, left.data(), want);
    if (got != ssize_t(want) || ReadFull(second, right.data(), want) != got) return false;
    if (std::memcmp(left.data(), right.data(), want) != 0) return false;
    size -= off_t(want);
  }
  return true;
}

// The kernel keeps the first write-back error of a file system and tells every descriptor
// opened before it happened, once; a descriptor opened afterwards never hears of it.
class FolderWriteWatch final : public WriteWatch {
 public:
  explicit FolderWriteWatch(const QString& folder)
      : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  bool Flush() override { return fd_.get() >= 0 && ::syncfs(fd_.get()) == 0; }

 private:
  Descriptor fd_;
};

bool SameBytesRead(int first, int second) {
  std::vector<char> left(kCompareBlock);
  std::vector<char> right(kCompareBlock);
  for (;;) {
    const ssize_t got = ReadFull(first, left.data(), left.size());
    if (got < 0 || ReadFull(second, right.data(), right.size()) != got) return false;
    if (std::memcmp(left.data(), right.data(), std::size_t(got)) != 0) return false;
    if (got == 0) return true;
  }
}

}  // namespace

bool LocalFileSystem::Exists(const QString& path) const {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool LocalFileSystem::IsFile(const QString& path) const { return QFileInfo(path).isFile(); }

bool LocalFileSystem::IsFolder(const QString& path) const { return QFileInfo(path).isDir(); }

std::optional<qint64> LocalFileSystem::Size(const QString& path) const {
  const QFileInfo info(path);
  if (!info.isFile()) return std::nullopt;
  return info.size();
}

QStringList LocalFileSystem::FileNames(const QString& folder) const {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

std::optional<qint64> LocalFileSystem::FreeSpace(const QString& folder) const {
  struct statvfs st {};
  if (::statvfs(QFile::encodeName(folder).constData(), &st) != 0) return std::nullopt;
  return qint64(st.f_bavail) * qint64(st.f_frsize);
}

std::optional<std::time_t> LocalFileSystem::LastWrite(const QString& path) const {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return st.st_mtim.tv_sec;
}

// The owner's write bit, not access(): root may write anything, yet a protected photo is
// still one the camera's owner asked to keep.
bool LocalFileSystem::IsReadOnly(const QString& path) const {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
  return (st.st_mode & S_IWUSR) == 0;
}

bool LocalFileSystem::SameContents(const QString& a, const QString& b) const {
  Descriptor first(::open(QFile::encodeName(a).constData(), O_RDONLY | O_CLOEXEC));
  Descriptor second(::open(QFile::encodeName(b).constData(), O_RDONLY | O_CLOEXEC));
  struct stat one {
  }, other{};
  if (first.get() < 0 || second.get() < 0 || ::fstat(first.get(), &one) != 0 ||
      ::fstat(second.get(), &other) != 0 || one.st_size != other.st_size) {
    return false;
  }
  // Read in blocks rather than mapped: on these machines the page faults of a mapping cost
  // more than the copies of plain reads from the page cache.
  return SameBytesRead(first.get(), second.get());
}

bool LocalFileSystem::HoldsStartOf(const QString& part, const QString& whole) const {
  Descriptor first(::open(QFile::encodeName(part).constData(), O_RDONLY | O_CLOEXEC));
  Descriptor second(::open(QFile::encodeName(whole).constData(), O_RDONLY | O_CLOEXEC));
  struct stat one {
  }, other{};
  if (first.get() < 0 || second.get() < 0 || ::fstat(first.get(), &one) != 0 ||
      ::fstat(second.get(), &other) != 0 || one.st_size > other.st_size) {
    return false;
  }
  return SameLeadingBytes(first.get(), second.get(), one.st_size);
}

FsStatus LocalFileSystem::Rename(const QString& from, const QString& to) {
  const QByteArray source = QFile::encodeName(from);
  const QByteArray target = QFile::encodeName(to);
  if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
      0) {
    return FsStatus::Ok;
  }
  if (errno != EINVAL && errno != ENOSYS) return StatusOf(errno);
  // A file system without the no-replace flag: check first. The gap between the check and the
  // rename is the best such a file system allows.
  if (Exists(to)) return FsStatus::Exists;
  if (::rename(source.constData(), target.constData()) == 0) return FsStatus::Ok;
  return StatusOf(errno);
}

FsStatus LocalFileSystem::Copy(const QString& from, const QString& to, Flush flush) {
  Descriptor in(::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return StatusOf(errno);
  struct stat source {};
  if (::fstat(in.get(), &source) != 0) return StatusOf(errno);
  // A card in a reader is read start to end: a wider read-ahead keeps the reader busy while
  // the copy is written.
  ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  Descriptor out(
      ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (out.get() < 0) return StatusOf(errno);
  if (const FsStatus copied = CopyContents(in.get(), out.get()); copied != FsStatus::Ok) {
    return copied;
  }
  // The list orders photos by their last-write time and the date folders are named after it:
  // the copy keeps the source's times and permission bits, as a rename would.
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  ::futimens(out.get(), times);
  ::fchmod(out.get(), source.st_mode & 07777);
  // A source that goes once the copy is in place needs the copy really on the disk. Otherwise
  // the disk starts on it now, while the caller goes on, rather than all at once later.
  if (flush == Flush::ToDisk && ::fsync(out.get()) != 0) return StatusOf(errno);
  if (flush == Flush::Lazily) ::sync_file_range(out.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
  if (!out.Close()) return StatusOf(errno);
  return FsStatus::Ok;
}

bool LocalFileSystem::Remove(const QString& path) {
  return ::unlink(QFile::encodeName(path).constData()) == 0;
}

bool LocalFileSystem::MakeWritable(const QString& path) {
  struct stat st {};
  const QByteArray name = QFile::encodeName(path);
  if (::stat(name.constData(), &st) != 0) return false;
  if (st.st_mode & S_IWUSR) return true;
  return ::chmod(name.constData(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool LocalFileSystem::RemoveFolderIfEmpty(const QString& path) {
  return ::rmdir(QFile::encodeName(path).constData()) == 0;
}

std::unique_ptr<WriteWatch> LocalFileSystem::WatchWrites(const QString& folder) {
  return std::make_unique<FolderWriteWatch>(folder);
}

bool LocalFileSystem::MakeFolder(const QString& path) {
  if (::mkdir(QFile::encodeName(path).constData(), 0755) == 0) return true;
  return errno == EEXIST && IsFolder(path);
}

}  // namespace kasumori::library

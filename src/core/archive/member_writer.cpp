// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/member_writer.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kasumori::archive {

namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Makes `path` a real folder (not a link to one), removing a file or link in its place.
bool MakeRealFolder(const QString& path) {
  const QByteArray native = Native(path);
  struct stat info {};
  if (lstat(native.constData(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return true;
    if (unlink(native.constData()) != 0) return false;
  }
  return mkdir(native.constData(), 0700) == 0 || errno == EEXIST;
}

// Clears the member's own name: an empty folder of that name (left by another entry) goes; a
// folder that still holds files is another member's and stays, so this one is not written.
bool ClearTarget(const QString& path) {
  struct stat info {};
  if (lstat(Native(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) return true;
  return rmdir(Native(path).constData()) == 0;
}

std::int64_t AvailableBytes(const QString& folder, const ExtractLimits& limits) {
  if (limits.availableBytes) return limits.availableBytes(folder);
  return QStorageInfo(folder).bytesAvailable();
}

class PartFile {
 public:
  explicit PartFile(const QString& target) : path_(target + QStringLiteral(".part")) {
    unlink(Native(path_).constData());
    fd_ =
        open(Native(path_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  }
  ~PartFile() {
    if (fd_ >= 0) close(fd_);
    if (!kept_) unlink(Native(path_).constData());
  }
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  bool Write(const char* data, std::size_t size) {
    while (size > 0) {
      const ssize_t done = write(fd_, data, size);
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) return false;
      data += done;
      size -= static_cast<std::size_t>(done);
    }
    return true;
  }
  // rename() replaces a link at the target by the file, never writes through it.
  bool Keep(const QString& target) {
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    kept_ = closed && rename(Native(path_).constData(), Native(target).constData()) == 0;
    return kept_;
  }

 private:
  QString path_;
  int fd_ = -1;
  bool kept_ = false;
};

}  // namespace

std::optional<QStringList> SafeMemberPath(const QString& entryName) {
  if (entryName.isEmpty() || entryName.startsWith(u'/') || entryName.contains(QChar(0))) {
    return std::nullopt;
  }
  const QStringList components = entryName.split(u'/');
  for (const QString& component : components) {
    if (component.isEmpty() || component == u"." || component == u"..") return std::nullopt;
  }
  return components;
}

ExtractOutcome WriteMember(ArchiveReader& reader, const QString& destination,
                           const QStringList& components, const ExtractLimits& limits) {
  if (reader.Entry().kind != EntryKind::File) return ExtractOutcome::Refused;
  if (!QDir().mkpath(destination)) return ExtractOutcome::WriteFailed;
  QString folder = destination;
  for (qsizetype i = 0; i + 1 < components.size(); ++i) {
    folder += u'/' + components[i];
    if (!MakeRealFolder(folder)) return ExtractOutcome::WriteFailed;
  }
  const QString target = folder + u'/' + components.back();
  if (!ClearTarget(target)) return ExtractOutcome::WriteFailed;

  const std::int64_t room = AvailableBytes(folder, limits) - limits.keepFreeBytes;
  const std::int64_t bound = std::min(limits.maxMemberBytes, std::max<std::int64_t>(room, 0));
  PartFile part(target);
  if (!part.IsOpen()) return ExtractOutcome::WriteFailed;
  std::int64_t written = 0;
  bool writeFailed = false;
  bool ratioPassed = false;
  const ArchiveReader::DataEnd end = reader.ReadData([&](const char* data, std::size_t size) {
    written += static_cast<std::int64_t>(size);
    if (written > bound) return false;
    // Every stored byte read so far stands in for this member's, so a member that shares
    // its archive with others is believed more, never less, than it should be.
    ratioPassed = written > limits.ratioFloorBytes &&
                  written / limits.maxCompressionRatio > reader.StoredBytesRead();
    if (ratioPassed) return false;
    writeFailed = !part.Write(data, size);
    return !writeFailed;
  });
  switch (end) {
    case ArchiveReader::DataEnd::Complete:
      return part.Keep(target) ? ExtractOutcome::Extracted : ExtractOutcome::WriteFailed;
    case ArchiveReader::DataEnd::Stopped:
      if (writeFailed) return ExtractOutcome::WriteFailed;
      if (ratioPassed) return ExtractOutcome::TooLarge;
      return bound == limits.maxMemberBytes ? ExtractOutcome::TooLarge : ExtractOutcome::NoSpace;
    case ArchiveReader::DataEnd::Damaged:
      return ExtractOutcome::Damaged;
  }
  return ExtractOutcome::Damaged;
}

}  // namespace kasumori::archive

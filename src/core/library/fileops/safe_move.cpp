// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/safe_move.h"

#include <QFile>

#include <utility>

namespace kasumori::library {
namespace {

MoveResult FailureOf(FsStatus status) {
  switch (status) {
    case FsStatus::Missing:
      return MoveResult::SourceMissing;
    case FsStatus::Exists:
      return MoveResult::TargetExists;
    case FsStatus::NoSpace:
      return MoveResult::NoSpace;
    case FsStatus::Ok:
    case FsStatus::CrossDevice:
    case FsStatus::Failed:
      return MoveResult::Failed;
  }
  return MoveResult::Failed;
}

QString FolderOf(const QString& path) { return path.left(path.lastIndexOf(u'/')); }

// Removes the temporary copy unless it was released to be renamed into place.
class TemporaryGuard {
 public:
  TemporaryGuard(FileSystem& fs, QString path) : fs_(fs), path_(std::move(path)) {}
  ~TemporaryGuard() {
    if (!path_.isEmpty()) fs_.Remove(path_);
  }
  TemporaryGuard(const TemporaryGuard&) = delete;
  TemporaryGuard& operator=(const TemporaryGuard&) = delete;
  void Release() { path_.clear(); }

 private:
  FileSystem& fs_;
  QString path_;
};

// A temporary is never the only copy of a photo (a source goes only once its copy is in place
// under its own name), and one holding just the first bytes of the photo about to be copied
// holds nothing that the photo itself does not: removing it loses nothing, whoever made it.
bool IsLeftOver(FileSystem& fs, const QString& temporary, const QString& from) {
  return fs.IsFile(temporary) && fs.HoldsStartOf(temporary, from) && fs.Remove(temporary);
}

// 255 bytes less the dot, ".part" and room for a counter.
constexpr qsizetype kLongestTemporaryStem = 240;

// Copies `from` to the temporary name, checks it, and renames it to `to`. On any failure the
// temporary file is removed and `to` is untouched.
MoveResult PlaceCopy(FileSystem& fs, const QString& from, const QString& to) {
  const CheckedCopy copy = CopyChecked(fs, from, to, Flush::ToDisk);
  if (!copy.Ok()) return copy.failure;
  fs.MakeWritable(copy.temporary);
  const FsStatus placed = fs.Rename(copy.temporary, to);
  if (placed != FsStatus::Ok) {
    fs.Remove(copy.temporary);
    // The temporary name exists, so "missing" here can only mean the folder went away.
    return placed == FsStatus::Missing ? MoveResult::Failed : FailureOf(placed);
  }
  return MoveResult::Moved;
}

}  // namespace

CheckedCopy CopyChecked(FileSystem& fs, const QString& from, const QString& to, Flush flush) {
  const std::optional<qint64> size = fs.Size(from);
  if (!size) return {{}, MoveResult::SourceMissing};
  if (const auto free = fs.FreeSpace(FolderOf(to)); free && *free < *size) {
    return {{}, MoveResult::NoSpace};
  }
  const QString temporary = TemporaryCopyName(fs, from, to);
  // Whatever leaves this function early, an exception included, takes the temporary with it.
  TemporaryGuard guard(fs, temporary);
  const FsStatus copied = fs.Copy(from, temporary, flush);
  // A name taken between the choice and the copy is another's file, not this copy's.
  if (copied == FsStatus::Exists) guard.Release();
  if (copied != FsStatus::Ok) {
    // The same "no such file" comes back when the target's folder is gone: the source has only
    // gone missing when it is in fact no longer there.
    if (copied == FsStatus::Missing && fs.IsFile(from)) return {{}, MoveResult::Failed};
    return {{}, FailureOf(copied)};
  }
  // A short or altered copy (a device that dropped bytes without an error) must not take the
  // photo's place: it is compared with the source byte for byte.
  if (fs.Size(temporary) != size || !fs.SameContents(from, temporary)) {
    return {{}, MoveResult::Failed};
  }
  guard.Release();
  return {temporary, MoveResult::Moved};
}

QString TemporaryCopyName(FileSystem& fs, const QString& from, const QString& to) {
  const qsizetype slash = to.lastIndexOf(u'/');
  // A name is at most 255 bytes on disk: a long photo name is cut (at a whole character) so
  // that the dot, the suffix and a counter still fit.
  QString stem = to.mid(slash + 1);
  while (QFile::encodeName(stem).size() > kLongestTemporaryStem) stem.chop(1);
  if (!stem.isEmpty() && stem.back().isHighSurrogate()) stem.chop(1);
  const QString base = to.left(slash + 1) + u'.' + stem + QStringLiteral(".part");
  QString name = base;
  for (int n = 1; fs.Exists(name) && !IsLeftOver(fs, name, from); ++n) {
    name = base + QString::number(n);
  }
  return name;
}

MoveResult MoveFileSafely(FileSystem& fs, const QString& from, const QString& to) {
  if (!fs.IsFile(from)) return MoveResult::SourceMissing;
  if (fs.Exists(to)) return MoveResult::TargetExists;
  const FsStatus renamed = fs.Rename(from, to);
  if (renamed == FsStatus::Ok) {
    fs.MakeWritable(to);
    return MoveResult::Moved;
  }
  if (renamed != FsStatus::CrossDevice) return FailureOf(renamed);
  const MoveResult placed = PlaceCopy(fs, from, to);
  if (placed != MoveResult::Moved) return placed;
  return fs.Remove(from) ? MoveResult::Moved : MoveResult::CopiedSourceKept;
}

bool CopyFileSafely(FileSystem& fs, const QString& from, const QString& to) {
  if (!fs.IsFile(from) || fs.Exists(to)) return false;
  return PlaceCopy(fs, from, to) == MoveResult::Moved;
}

}  // namespace kasumori::library

// SPDX-License-Identifier: GPL-3.0-or-later
// The few file-system calls the photo operations are built from, behind one interface so that
// tests can make any of them fail. Paths are absolute, with "/" separators.
#pragma once

#include <QString>
#include <QStringList>

#include <ctime>
#include <memory>
#include <optional>

namespace kasumori::library {

enum class FsStatus {
  Ok,
  Missing,      // the source is not there (or the target's folder is not)
  Exists,       // the target name is taken; nothing was replaced
  CrossDevice,  // source and target lie on different file systems
  NoSpace,      // the target's file system is full
  Failed,       // anything else: permissions, read-only media, I/O errors
};

// The write errors of one folder's file system from the moment the watch is opened. The kernel
// reports a failed write-back once, to those who were watching when it happened: a run opens
// its watch before its first copy and flushes through it after its last.
class WriteWatch {
 public:
  virtual ~WriteWatch() = default;
  // Writes everything pending on the file system to the disk; false when that failed, or when
  // any write-back since the watch was opened did.
  virtual bool Flush() = 0;
};

// Whether a copy must be on the disk before Copy returns. A copy whose source is removed
// afterwards must; a copy that leaves its source in place may trust the page cache.
enum class Flush { ToDisk, Lazily };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Whether anything (file, folder, link) has this name.
  virtual bool Exists(const QString& path) const = 0;
  virtual bool IsFile(const QString& path) const = 0;
  virtual bool IsFolder(const QString& path) const = 0;
  virtual std::optional<qint64> Size(const QString& path) const = 0;
  // The names of the files in a folder (hidden ones too), in no particular order.
  virtual QStringList FileNames(const QString& folder) const = 0;
  // Bytes a new file in the folder may still take; nothing when unknown.
  virtual std::optional<qint64> FreeSpace(const QString& folder) const = 0;
  // The last-write time in seconds since the epoch.
  virtual std::optional<std::time_t> LastWrite(const QString& path) const = 0;
  // Read-only for its owner: what a camera's "protect" leaves on a card.
  virtual bool IsReadOnly(const QString& path) const = 0;
  // Whether both files hold the same bytes; false when either cannot be read.
  virtual bool SameContents(const QString& a, const QString& b) const = 0;
  // Whether `part` holds the first bytes of `whole`: none, some or all of them, nothing else.
  // False when either cannot be read.
  virtual bool HoldsStartOf(const QString& part, const QString& whole) const = 0;

  // Renames within one file system and never replaces an existing target.
  virtual FsStatus Rename(const QString& from, const QString& to) = 0;
  // Copies the contents into a new file `to`, which must not exist. On failure `to` may be left
  // behind partly written: the caller removes it.
  virtual FsStatus Copy(const QString& from, const QString& to, Flush flush = Flush::ToDisk) = 0;
  virtual bool Remove(const QString& path) = 0;
  // Gives the owner write permission (photos from cameras and CDs often arrive read-only).
  virtual bool MakeWritable(const QString& path) = 0;
  // Removes the folder when it is empty; false otherwise.
  virtual bool RemoveFolderIfEmpty(const QString& path) = 0;
  // Makes one folder level; true when a folder is there afterwards.
  virtual bool MakeFolder(const QString& path) = 0;
  // Starts watching the folder's file system for write errors. A folder that cannot be opened
  // gives a watch whose Flush fails.
  virtual std::unique_ptr<WriteWatch> WatchWrites(const QString& folder) = 0;
};

// The real thing: POSIX calls on the local file systems.
class LocalFileSystem : public FileSystem {
 public:
  bool Exists(const QString& path) const override;
  bool IsFile(const QString& path) const override;
  bool IsFolder(const QString& path) const override;
  std::optional<qint64> Size(const QString& path) const override;
  QStringList FileNames(const QString& folder) const override;
  std::optional<qint64> FreeSpace(const QString& folder) const override;
  std::optional<std::time_t> LastWrite(const QString& path) const override;
  bool IsReadOnly(const QString& path) const override;
  bool SameContents(const QString& a, const QString& b) const override;
  bool HoldsStartOf(const QString& part, const QString& whole) const override;
  FsStatus Rename(const QString& from, const QString& to) override;
  FsStatus Copy(const QString& from, const QString& to, Flush flush = Flush::ToDisk) override;
  bool Remove(const QString& path) override;
  bool MakeWritable(const QString& path) override;
  bool RemoveFolderIfEmpty(const QString& path) override;
  bool MakeFolder(const QString& path) override;
  std::unique_ptr<WriteWatch> WatchWrites(const QString& folder) override;
};

}  // namespace kasumori::library

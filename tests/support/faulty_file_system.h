// SPDX-License-Identifier: GPL-3.0-or-later
// The real file system with faults a test can switch on: a read-only folder, another file
// system behind every folder, a disk that fills up part way through a copy, a disk that fails
// when flushed, a write-back that fails after the copy said it was done, files that cannot be
// removed. Also a trash that can refuse.
#pragma once

#include "library/fileops/file_system.h"
#include "platform/platform_services.h"

#include <QFile>
#include <QSet>

#include <new>
#include <optional>

namespace kasumori::library::fileops_testing {

class FaultyFileSystem final : public LocalFileSystem {
 public:
  QString readOnlyFolder;                // nothing can be created in it or removed from it
  bool crossDevice = false;              // every folder is its own file system
  std::optional<qint64> copyStopsAfter;  // the disk is full after this many bytes
  bool copyDropsBytes = false;           // a copy loses its second half and says nothing
  bool copyAltersBytes = false;          // a copy comes out whole in size but wrong in content
  bool copyThrows = false;               // a copy writes half the file, then runs out of memory
  bool flushFails = false;               // the disk reports a write error when it is flushed
  // Each copy comes back whole, but the disk fails to write it back later. The kernel tells
  // that to the watches open at the time, and only to them.
  bool writeBackFails = false;
  std::optional<qint64> freeSpace;
  QSet<QString> undeletable;
  int copies = 0;

  std::optional<qint64> FreeSpace(const QString& folder) const override {
    return freeSpace ? freeSpace : LocalFileSystem::FreeSpace(folder);
  }
  FsStatus Rename(const QString& from, const QString& to) override {
    if (InReadOnly(from) || InReadOnly(to)) return FsStatus::Failed;
    if (crossDevice && FolderOf(from) != FolderOf(to)) return FsStatus::CrossDevice;
    return LocalFileSystem::Rename(from, to);
  }
  FsStatus Copy(const QString& from, const QString& to, Flush flush = Flush::ToDisk) override {
    ++copies;
    if (InReadOnly(to)) return FsStatus::Failed;
    if (writeBackFails) ++writeBackErrors_;
    if (!copyStopsAfter && !copyDropsBytes && !copyAltersBytes && !copyThrows) {
      return LocalFileSystem::Copy(from, to, flush);
    }
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return FsStatus::Missing;
    const QByteArray all = in.readAll();
    QFile out(to);
    if (!out.open(QIODevice::NewOnly)) return FsStatus::Exists;
    if (copyStopsAfter) {
      out.write(all.left(*copyStopsAfter));
      return FsStatus::NoSpace;
    }
    if (copyThrows) {
      out.write(all.left(all.size() / 2));
      out.close();
      throw std::bad_alloc();
    }
    if (copyAltersBytes) {
      QByteArray altered = all;
      if (!altered.isEmpty()) altered[0] = char(altered[0] ^ 0x55);
      out.write(altered);
      return FsStatus::Ok;
    }
    out.write(all.left(all.size() / 2));
    return FsStatus::Ok;
  }
  std::unique_ptr<WriteWatch> WatchWrites(const QString& folder) override {
    return std::make_unique<Watch>(*this, LocalFileSystem::WatchWrites(folder));
  }
  bool Remove(const QString& path) override {
    if (InReadOnly(path) || undeletable.contains(path)) return false;
    return LocalFileSystem::Remove(path);
  }

 private:
  class Watch final : public WriteWatch {
   public:
    Watch(const FaultyFileSystem& fs, std::unique_ptr<WriteWatch> real)
        : fs_(fs), real_(std::move(real)), errorsBefore_(fs.writeBackErrors_) {}
    bool Flush() override {
      const bool missed = fs_.writeBackErrors_ != errorsBefore_;
      return real_->Flush() && !fs_.flushFails && !missed;
    }

   private:
    const FaultyFileSystem& fs_;
    std::unique_ptr<WriteWatch> real_;
    int errorsBefore_;
  };

  static QString FolderOf(const QString& path) { return path.left(path.lastIndexOf(u'/')); }
  bool InReadOnly(const QString& path) const {
    return !readOnlyFolder.isEmpty() && FolderOf(path) == readOnlyFolder;
  }

  int writeBackErrors_ = 0;
};

// A trash that removes the file when it works, and can refuse or claim success falsely.
class FakeTrash final : public platform::TrashService {
 public:
  bool works = true;
  bool claimsSuccessWhenFailing = false;
  QStringList trashed;

  bool MoveToTrash(const QString& path) override {
    if (!works) return claimsSuccessWhenFailing;
    if (!QFile::remove(path)) return false;
    trashed << path;
    return true;
  }
};

}  // namespace kasumori::library::fileops_testing

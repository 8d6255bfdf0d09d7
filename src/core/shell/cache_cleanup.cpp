// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/cache_cleanup.h"

#include "config/data_folders.h"
#include "config/settings.h"
#include "platform/limits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <vector>

namespace kasumori::shell {

namespace {

constexpr QDir::Filters kAllEntries =
    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

enum class EntryKind { Folder, File };

// The entries of one photo folder by case-folded name, read once: names are compared without
// regard to case, and one listing is much cheaper than a stat per cached thumbnail.
class FolderListing {
 public:
  explicit FolderListing(const QString& folder) {
    for (const QFileInfo& info : QDir(folder).entryInfoList(kAllEntries)) {
      kinds_.insert(info.fileName().toCaseFolded(),
                    info.isDir() ? EntryKind::Folder : EntryKind::File);
    }
  }
  bool HasFolder(const QString& name) const { return Kind(name) == EntryKind::Folder; }
  bool HasFile(const QString& name) const { return Kind(name) == EntryKind::File; }

 private:
  std::optional<EntryKind> Kind(const QString& name) const {
    auto it = kinds_.constFind(name.toCaseFolded());
    if (it == kinds_.constEnd()) return std::nullopt;
    return *it;
  }
  QHash<QString, EntryKind> kinds_;
};

void RemoveTree(const QString& path) {
  QFileInfo info(path);
  if (info.isDir() && !info.isSymLink()) {
    QDir(path).removeRecursively();
  } else {
    QFile::remove(path);
  }
}

QStringList SubFolders(const QString& folder) {
  return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Folders below the cache root, "2024" being one deep.
int FolderDepth(const QString& relative) { return int(relative.count(u'/')) + 1; }

// Walks the cache below the slot's own cache root, depth first, last added first. A photo
// folder link can make the tree endless, so folders past the depth limit are left as they are.
void CleanSlotRoot(const QString& cacheRoot, const QString& slotRoot) {
  std::vector<QString> work;
  FolderListing rootListing(slotRoot);
  for (const QString& d : SubFolders(cacheRoot)) {
    if (rootListing.HasFolder(d)) {
      work.push_back(d);
    } else if (!rootListing.HasFile(d)) {
      RemoveTree(cacheRoot + '/' + d);
    }
  }
  while (!work.empty()) {
    QString s = work.back();
    work.pop_back();
    const QString cacheFolder = cacheRoot + '/' + s;
    FolderListing photos(slotRoot + '/' + s);
    for (const QFileInfo& x : QDir(cacheFolder).entryInfoList(kAllEntries)) {
      const QString name = x.fileName();
      if (x.isDir()) {
        if (photos.HasFolder(name)) {
          if (FolderDepth(s) < platform::limits::kMaxFolderDepth) work.push_back(s + '/' + name);
        } else if (!photos.HasFile(name)) {
          RemoveTree(x.filePath());
        }
        continue;
      }
      auto source = CacheFileSource(name);
      if (source && photos.HasFile(*source)) continue;
      QFile::remove(x.filePath());
      QDir().rmdir(cacheFolder);  // only succeeds once the folder is empty
    }
  }
}

}  // namespace

QString SlotCacheName(const QString& slotRoot) {
  if (slotRoot.endsWith(':')) return slotRoot.chopped(1) + QStringLiteral("：");
  QString root = slotRoot;
  while (root.endsWith('/')) root.chop(1);
  return root.mid(root.lastIndexOf('/') + 1);
}

std::optional<QString> CacheFileSource(const QString& cacheFileName) {
  if (cacheFileName.size() < 4) return std::nullopt;
  const QString b = cacheFileName.chopped(4);
  const qsizetype n = b.size();
  if (n >= 4 && b[n - 4] == u'_') return b.chopped(4) + '.' + b.right(3);
  if (n >= 5 && b[n - 5] == u'_') return b.chopped(5) + '.' + b.right(4);
  return std::nullopt;
}

void CleanSlotCache(const QString& slotCacheFolder, const QString& slotRoot) {
  const QString k = SlotCacheName(slotRoot);
  if (k.isEmpty() && slotRoot.startsWith(u'/')) {
    // A slot rooted at "/" keeps its thumbnails under the whole path, so the slot's cache
    // folder itself stands for the root; dropping it would lose every rotation it remembers.
    CleanSlotRoot(slotCacheFolder, slotRoot);
    return;
  }
  for (const QString& e : SubFolders(slotCacheFolder)) {
    if (k.isEmpty() || e != k) {
      RemoveTree(slotCacheFolder + '/' + e);
    } else {
      CleanSlotRoot(slotCacheFolder + '/' + e, slotRoot);
    }
  }
}

QString CacheCleanMonth(const QDate& date) {
  return QString::asprintf("%04d%02d", date.year(), date.month());
}

bool MonthlyCacheCleanup(config::Settings& settings, const config::DataFolders& folders,
                         const QDate& startDate) {
  const QString month = CacheCleanMonth(startDate);
  if (!(month > settings.LastCacheCleanMonth)) return false;
  for (int slot = 1; slot <= 3; ++slot) {
    CleanSlotCache(folders.SlotCacheFolder(slot), settings.PhotoFolder(slot));
  }
  settings.LastCacheCleanMonth = month;
  return true;
}

void EmptyFolder(const QString& folder) {
  if (folder.isEmpty()) return;
  for (const QFileInfo& entry : QDir(folder).entryInfoList(kAllEntries)) {
    RemoveTree(entry.filePath());
  }
}

}  // namespace kasumori::shell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/archive_folder.h"

#include <QFile>
#include <QFileInfo>

namespace kasumori::library {

std::optional<ArchiveLocation> FindContainingArchive(const QString& folderPath) {
  QString archive = folderPath;
  QString inner;
  while (!archive.isEmpty()) {
    const QFileInfo info(archive);
    if (info.exists()) {
      if (!info.isFile()) return std::nullopt;
      return ArchiveLocation{archive, inner};
    }
    const qsizetype slash = archive.lastIndexOf(u'/');
    const QString component = archive.mid(slash + 1);
    if (component.isEmpty() || slash < 0) return std::nullopt;
    inner = component + u'/' + inner;
    archive = archive.left(slash);
  }
  return std::nullopt;
}

QStringList ArchiveLister::UnreadableMessage(const QString& archivePath) const {
  return {QStringLiteral("ファイル「") + QFileInfo(archivePath).fileName() +
              QStringLiteral("」は、ZIP圧縮ファイルではないようです。"),
          QStringLiteral("もしくは、ファイルが壊れている可能性があります。")};
}

ExtractedFiles::~ExtractedFiles() {
  for (const QString& file : files_) QFile::remove(file);
}

bool IsZipPath(const QString& archivePath) {
  return archivePath.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}

std::vector<ListedPhoto> ArchiveFolderPhotos(const QStringList& entryNames,
                                             const QString& innerFolder,
                                             const PhotoExtensions& extensions) {
  std::vector<ListedPhoto> photos;
  for (const QString& entry : entryNames) {
    if (entry.endsWith(u'/')) continue;
    const qsizetype slash = entry.lastIndexOf(u'/');
    if (QStringView(entry).left(slash + 1) != innerFolder) continue;
    const QString name = entry.mid(slash + 1);
    if (CodePointCount(name) > kMaxNameLength || !extensions.IsPhotoName(name)) continue;
    // Photos inside an archive have no readable last-write time.
    photos.push_back({name, kNoFileDate});
  }
  DropPhotosWithRecords(photos);
  return photos;
}

}  // namespace kasumori::library

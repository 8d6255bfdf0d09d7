// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbfiles/thumbnail_files.h"

#include "config/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kasumori::thumbfiles {

namespace {

QString LastComponent(const QString& root) { return root.mid(root.lastIndexOf(u'/') + 1); }

QString JoinPath(const QString& left, const QString& right) {
  if (right.isEmpty()) return left;
  return right.startsWith(u'/') ? left + right : left + u'/' + right;
}

// The folder from the slot root's last component on. Inside the slot the component is taken
// where the root ends, so that a root like "/data/a" does not match the "a" of "data": the
// cache root folder must carry the root's own name, or the monthly pruning drops it.
QString RelativeFolder(const QString& slotRoot, const QString& folder) {
  const QString component = LastComponent(slotRoot);
  if (component.isEmpty()) return folder;
  const bool inside = folder.compare(slotRoot, Qt::CaseInsensitive) == 0 ||
                      folder.startsWith(slotRoot + u'/', Qt::CaseInsensitive);
  if (inside) return component + folder.mid(slotRoot.size());
  const qsizetype at = folder.indexOf(component);
  return at < 0 ? folder : folder.mid(at);
}

void RemoveAndPruneFolder(const QString& path) {
  if (QFile::remove(path)) QDir().rmdir(QFileInfo(path).path());
}

}  // namespace

QString ThumbnailFileName(const QString& photoName) {
  const qsizetype dot = photoName.lastIndexOf(u'.');
  if (dot < 0) return photoName + QStringLiteral("_.bmp");
  return photoName.left(dot) + u'_' + photoName.mid(dot + 1) + QStringLiteral(".bmp");
}

QString ThumbnailFolderOf(const QString& thumbnailFolder, int slot, const QString& slotRoot,
                          const QString& folder) {
  QString relative = RelativeFolder(slotRoot, folder);
  const qsizetype colon = relative.indexOf(u':');
  if (colon >= 0) relative[colon] = QChar(0xFF1A);  // the full-width colon "："
  while (relative.endsWith(u'/')) relative.chop(1);
  const QString slotFolder = thumbnailFolder + QStringLiteral("/0") + QString::number(slot);
  return QDir::cleanPath(JoinPath(slotFolder, relative));
}

QString ThumbnailPath(const QString& thumbnailFolder, int slot, const QString& slotRoot,
                      const QString& folder, const QString& name) {
  const QString folderPart = ThumbnailFolderOf(thumbnailFolder, slot, slotRoot, folder);
  if (!QFileInfo(folderPart).isDir()) QDir().mkpath(folderPart);
  return folderPart + u'/' + ThumbnailFileName(name);
}

bool MoveThumbnailFolder(const QString& from, const QString& to) {
  if (from == to || !QFileInfo(from).isDir()) return true;
  // A change of letter case only: on a file system that ignores case both names are one
  // folder, which must not be mistaken for a stale one in the way.
  if (from.compare(to, Qt::CaseInsensitive) == 0) return QDir().rename(from, to);
  // The photo folder could take its new name, so nothing lived there: what the cache still
  // holds under it is left over from a folder that is gone. The moving folder's sidecars hold
  // the user's rotations and are never the ones given up.
  if (QFileInfo::exists(to) && !QDir(to).removeRecursively()) return false;
  QDir().mkpath(QFileInfo(to).path());
  return QDir().rename(from, to);
}

QString SidecarPath(const QString& thumbnailPath) {
  return thumbnailPath.chopped(4) + QStringLiteral(".dat");
}

std::optional<int> ReadSidecarRotation(const QString& sidecarPath) {
  const auto lines = config::ReadTextLines(sidecarPath);
  if (!lines || lines->size() < 2) return std::nullopt;
  bool ok = false;
  const long long value = lines->at(1).trimmed().toLongLong(&ok);
  if (!ok) return std::nullopt;
  return int(static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF)));
}

bool StoreRotation(const QString& thumbnailPath, int rotation, int rotationWithoutSidecar) {
  const QString sidecar = SidecarPath(thumbnailPath);
  QFile::remove(thumbnailPath);
  QFile::remove(sidecar);
  // A photo its camera turned and the user turned back keeps a sidecar of "0".
  if (rotation == rotationWithoutSidecar) return true;
  try {
    config::WriteTextLines(sidecar, {QStringLiteral("100"), QString::number(rotation)});
  } catch (const config::TextFileError&) {
    return false;
  }
  return true;
}

void RemoveThumbnailFiles(const QString& thumbnailPath) {
  RemoveAndPruneFolder(thumbnailPath);
  RemoveAndPruneFolder(SidecarPath(thumbnailPath));
}

}  // namespace kasumori::thumbfiles

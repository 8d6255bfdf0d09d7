// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/command_support.h"
#include "library/fileops/photo_commands.h"
#include "library/record_names.h"

#include <QFileInfo>

namespace kasumori::library {

using fileops_detail::CacheOf;

namespace {

QString FolderOf(const QString& path) { return path.left(path.lastIndexOf(u'/')); }
QString NameOf(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// The folder's own spelling of a name that is looked up without regard to letter case.
QString SpelledAsListed(const FileSystem& fs, const QString& folder, const QString& name) {
  if (fs.IsFile(folder + u'/' + name)) return name;
  for (const QString& listed : fs.FileNames(folder)) {
    if (listed.compare(name, Qt::CaseInsensitive) == 0) return listed;
  }
  return name;
}

bool SameFile(const QString& a, const QString& b) {
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

namespace fileops_detail {

bool HoldsNameInAnyCase(const FileSystem& fs, const QString& folder, const QString& name,
                        const QString& except) {
  for (const QString& listed : fs.FileNames(folder)) {
    if (listed != except && listed.compare(name, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

void CarryEditRecords(const FileOpsContext& c, const QString& fromFolder,
                      const CachePlace& fromCache, const QString& oldName, const QString& toFolder,
                      const CachePlace& toCache, const QString& newName) {
  CarryEditRecords(c, EditRecordsOf(c.files.FileNames(fromFolder), oldName), fromFolder, fromCache,
                   oldName, toFolder, toCache, newName);
}

void CarryEditRecords(const FileOpsContext& c, const QStringList& records,
                      const QString& fromFolder, const CachePlace& fromCache,
                      const QString& oldName, const QString& toFolder, const CachePlace& toCache,
                      const QString& newName) {
  for (const QString& record : records) {
    const QString from = fromFolder + u'/' + record;
    const QString to = toFolder + u'/' + RenamedRecordName(record, oldName, newName);
    if (from != to) MoveFileWithCache(c, fromCache, from, toCache, to, false);
  }
}

}  // namespace fileops_detail

MoveResult MoveFileWithCache(const FileOpsContext& c, const CachePlace& fromCache,
                             const QString& from, const CachePlace& toCache, const QString& to,
                             bool report) {
  const MoveResult moved = MoveFileSafely(c.files, from, to);
  if (!Arrived(moved)) {
    if (report) {
      c.dialogs.Notice({QStringLiteral("ファイルを移動できませんでした。"),
                        QStringLiteral("（原因は、表示中の写真のファイル名が変更されたか"),
                        QStringLiteral("　削除された。または、移動先がCD-ROMだったなど"),
                        QStringLiteral("　が考えられます）")});
    }
    return moved;
  }
  const auto oldThumbnail = CachedThumbnail(fromCache, FolderOf(from), NameOf(from));
  if (!oldThumbnail) return moved;
  const bool sourceKept = moved == MoveResult::CopiedSourceKept;
  if (const auto newThumbnail = CachedThumbnail(toCache, FolderOf(to), NameOf(to))) {
    CarryCacheFiles(c.files, *oldThumbnail, *newThumbnail, sourceKept);
  } else if (!sourceKept) {
    RemoveCacheFiles(c.files, *oldThumbnail);
  }
  return moved;
}

MoveOutcome MovePhoto(const FileOpsContext& c, const PhotoPlace& source,
                      const FolderPlace& destination, DragSource drag) {
  PhotoPlace photo = source;
  if (IsRecordName(photo.name)) {
    const QString sourceImage = RecordSourceName(photo.name);
    if (!c.dialogs.Confirm(
            {drag == DragSource::PhotoView ? QStringLiteral("現在表示されている写真は、")
                                           : QStringLiteral("移動しようとしている写真は、"),
             QStringLiteral("Kasumori形式ファイル「") + photo.name + QStringLiteral("」"),
             QStringLiteral("です。"),
             QStringLiteral("元の写真ファイル「") + sourceImage + QStringLiteral("」"),
             QStringLiteral("と、その写真のKasumori形式ファイルも"),
             QStringLiteral("全ていっしょに移動します。")})) {
      return {};
    }
    photo.name = SpelledAsListed(c.files, photo.folder, sourceImage);
  }
  if (!c.files.IsFile(photo.Path())) {
    c.dialogs.Notice({QStringLiteral("書庫ファイル内の写真は移動することができません。")});
    return {MoveOutcome::Kind::Refused, {}};
  }
  if (!c.files.IsFolder(destination.folder)) {
    c.dialogs.Notice({QStringLiteral("書庫ファイル内へは移動することができません。")});
    return {MoveOutcome::Kind::Refused, {}};
  }
  const QString target = destination.folder + u'/' + photo.name;
  if (c.files.Exists(target) ||
      fileops_detail::HoldsNameInAnyCase(c.files, destination.folder, photo.name)) {
    if (SameFile(target, photo.Path())) {
      c.dialogs.Notice({QStringLiteral("移動元と移動先のフォルダが同じです。")});
    } else {
      c.dialogs.Notice({QStringLiteral("移動先に、すでに同名のファイルが存在"),
                        QStringLiteral("していますので、移動できませんでした。")});
    }
    return {MoveOutcome::Kind::Refused, {}};
  }

  const CachePlace fromCache = CacheOf(c, photo.slot, photo.slotRoot);
  const CachePlace toCache = CacheOf(c, destination.slot, destination.slotRoot);
  const MoveResult moved =
      MoveFileWithCache(c, fromCache, photo.Path(), toCache, target, /*report=*/true);
  if (!Arrived(moved)) return {MoveOutcome::Kind::Refused, {}};
  NoteOwnChange(c.folders, photo.folder);
  NoteOwnChange(c.folders, destination.folder);
  fileops_detail::CarryEditRecords(c, photo.folder, fromCache, photo.name, destination.folder,
                                   toCache, photo.name);
  const auto kind =
      moved == MoveResult::Moved ? MoveOutcome::Kind::Moved : MoveOutcome::Kind::Copied;
  return {kind, photo.name};
}

}  // namespace kasumori::library

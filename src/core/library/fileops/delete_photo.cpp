// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/command_support.h"
#include "library/fileops/photo_commands.h"
#include "library/record_names.h"

namespace kasumori::library {

using fileops_detail::CacheOf;
using fileops_detail::InArchive;

DeleteOutcome DeletePhoto(const FileOpsContext& c, const PhotoPlace& shown, bool panoramaMode) {
  if (panoramaMode) {
    c.dialogs.Notice({QStringLiteral("パノラマモード時には、写真ファイルの削除を"),
                      QStringLiteral("行うことができません。"),
                      QStringLiteral("「削除したい写真」をダブルクリックして"),
                      QStringLiteral("パノラマモードを解除してください。")});
    return DeleteOutcome::Refused;
  }
  if (InArchive(c)) {
    c.dialogs.Notice({QStringLiteral("書庫(ZIP)ファイル内の写真は"),
                      QStringLiteral("削除することができません。")});
    return DeleteOutcome::Refused;
  }
  const bool confirmed =
      IsRecordName(shown.name)
          ? c.dialogs.Confirm({QStringLiteral("現在表示されている写真の"),
                               QStringLiteral("Kasumori形式ファイル ") + shown.name,
                               QStringLiteral("をごみ箱へ移動します。"),
                               QStringLiteral("（元の写真ファイルは残ります）")})
          : c.dialogs.Confirm({QStringLiteral("現在表示されている写真"),
                               QStringLiteral("「") + shown.name + QStringLiteral("」"),
                               QStringLiteral("をごみ箱へ移動します。")});
  if (!confirmed) return DeleteOutcome::Cancelled;

  // Only the file goes: an edit record leaves its source image, and a photo leaves the records
  // that may still be moved to it by hand.
  const QString path = shown.Path();
  if (!c.trash.MoveToTrash(path) || c.files.Exists(path)) {
    c.dialogs.Notice({QStringLiteral("「") + shown.name + QStringLiteral("」を"),
                      QStringLiteral("ごみ箱へ移動できませんでした。")});
    return DeleteOutcome::TrashFailed;
  }
  if (const auto thumbnail =
          CachedThumbnail(CacheOf(c, shown.slot, shown.slotRoot), shown.folder, shown.name)) {
    RemoveCacheFiles(c.files, *thumbnail);
  }
  NoteOwnChange(c.folders, shown.folder);
  return DeleteOutcome::Deleted;
}

}  // namespace kasumori::library

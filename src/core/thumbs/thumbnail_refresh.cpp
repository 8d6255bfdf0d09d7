// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_refresh.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kasumori::thumbs {

namespace {

// After the rebuild the strip stays on the remembered photo, else goes to the list's end.
void Rebuild(const RefreshContext& c, const QString& remembered) {
  if (c.rescan) c.rescan();
  int position = remembered.isEmpty() ? 0 : c.list.PositionOf(remembered);
  if (position == 0) position = c.list.PhotoCount;
  c.list.CurrentIndex = position;
  if (c.folders.HasSlot()) c.folders.SlotPositionOfCurrent() = position;
  if (c.refreshStrip) c.refreshStrip();
}

QString NameAt(const library::PhotoList& list, int position) {
  return position >= 1 && position <= list.PhotoCount ? list.Name(position) : QString();
}

}  // namespace

void RefreshShownThumbnail(const RefreshContext& c, const ShownForRefresh& shown, bool fromMenu) {
  if (fromMenu && shown.name.isEmpty()) {
    c.dialogs.Notice({QStringLiteral("このメニューは、現在表示されている写真の"),
                      QStringLiteral("サムネイル表示を更新するときに使います。"),
                      QStringLiteral("（同じファイル名で写真を入れ替えたとき等に）")});
  }
  const QString remembered = NameAt(c.list, c.list.CurrentIndex);
  if (!shown.name.isEmpty() && shown.slot > 0) {
    QFile::remove(c.cache.ThumbnailPathFor(shown.slot, shown.folder, shown.name));
  }
  Rebuild(c, remembered);
}

void RefreshAllThumbnails(const RefreshContext& c) {
  const QStringList explanation = {
      QStringLiteral("のサムネイル表示（キャッシュ）を全て更新します。"),
      QStringLiteral("写真の回転情報も初期化されます。")};
  if (c.folders.CurrentFolder.isEmpty()) {
    c.dialogs.Notice(
        {QStringLiteral("このメニューは、選択しているフォルダ"), explanation[0], explanation[1]});
    return;
  }
  const QString folderName = QFileInfo(c.folders.CurrentFolder).fileName();
  if (!c.dialogs.Confirm(
          {QStringLiteral("現在選択しているフォルダ「") + folderName + QStringLiteral("」"),
           explanation[0], explanation[1]})) {
    return;
  }
  if (c.folders.HasSlot()) {
    const QString dummy = c.cache.CurrentThumbnailPath(QStringLiteral("dummy"));
    QDir(QFileInfo(dummy).path()).removeRecursively();
  }
  // The list starts over at its first photo, as after choosing the folder.
  if (c.rescan) c.rescan();
  if (c.folders.HasSlot()) c.folders.SlotPositionOfCurrent() = c.list.CurrentIndex;
  if (c.refreshStrip) c.refreshStrip();
}

}  // namespace kasumori::thumbs

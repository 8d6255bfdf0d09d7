// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_notices.h"

namespace kasumori::favourites {

QString CountText(int n) {
  if (n >= 0 && n < 10) return QString(QChar(u'０' + n));
  return QString::number(n);
}

QStringList RemoveConfirmationLines(const QStringList& selectedNames) {
  if (selectedNames.isEmpty()) return {};
  if (selectedNames.size() == 1) {
    return {QStringLiteral("選択した写真「") + selectedNames.front() + QStringLiteral("」"),
            QStringLiteral("をお気に入りから外します。")};
  }
  return {QStringLiteral("選択した") + CountText(int(selectedNames.size())) +
          QStringLiteral("枚の写真をお気に入りから外します。")};
}

QStringList NothingSelectedHint(SelectionOperation operation) {
  QStringList lines = {QStringLiteral("お気に入りのサムネイルの上で「右クリック」すると"),
                       QStringLiteral("その写真を選択することができます。")};
  switch (operation) {
    case SelectionOperation::Remove:
      lines << QStringLiteral("その後、このメニューでお気に入りから外すことができます。");
      break;
    case SelectionOperation::Rename:
      lines << QStringLiteral("その後、このメニューでお気に入り名を変更することが")
            << QStringLiteral("できます。");
      break;
    case SelectionOperation::RenewThumbnails:
      lines << QStringLiteral("その後、このメニューでサムネイル画像を更新すること")
            << QStringLiteral("ができます。")
            << QStringLiteral("同じファイル名で画像を入れ替えた際等にお使いください。");
      break;
  }
  return lines;
}

QStringList MissingPhotoLines(const QString& photoPath) {
  const QString fileName = photoPath.mid(photoPath.lastIndexOf(u'/') + 1);
  return {QStringLiteral("クリックした写真のファイル"),
          QStringLiteral("「") + fileName + QStringLiteral("」"),
          QStringLiteral("が見つかりません。")};
}

QStringList MoveRefusalLines(MoveOutcome outcome) {
  switch (outcome) {
    case MoveOutcome::Moved:
      return {};
    case MoveOutcome::SameFolder:
      return {QStringLiteral("移動元と移動先のフォルダが同じです。")};
    case MoveOutcome::NameExists:
      return {QStringLiteral("移動先に、すでに同名のお気に入りが存在"),
              QStringLiteral("していますので、移動できませんでした。")};
  }
  return {};
}

QStringList RenameRefusalLines(RenameOutcome outcome) {
  switch (outcome) {
    case RenameOutcome::Renamed:
    case RenameOutcome::Unchanged:
      return {};
    case RenameOutcome::NameExists:
      return {QStringLiteral("入力されたお気に入り名は、すでに存在"),
              QStringLiteral("していますので、変更できませんでした。")};
  }
  return {};
}

QStringList MoreThan300Lines() {
  return {QStringLiteral("フォルダ内に300枚以上の写真があります。"),
          QStringLiteral("300枚まで読み込めます。")};
}

}  // namespace kasumori::favourites

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

}  // namespace kasumori::favourites

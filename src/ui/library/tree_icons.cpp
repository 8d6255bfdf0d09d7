// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/tree_icons.h"

#include <QPainter>
#include <QPixmap>

namespace kasumori::ui {
namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 12;

QPixmap DrawFolder(bool open, bool archive) {
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QColor edge(128, 96, 0);
  const QColor body = archive ? QColor(176, 176, 255) : QColor(255, 216, 64);
  painter.setPen(edge);
  painter.setBrush(body);
  painter.drawRect(1, 0, 5, 2);  // the tab
  if (open) {
    // The front leans back to show the folder open.
    painter.drawRect(1, 2, 12, 9);
    const QPolygon front({{3, 5}, {15, 5}, {13, 11}, {1, 11}});
    painter.setBrush(body.lighter(120));
    painter.drawPolygon(front);
  } else {
    painter.drawRect(1, 2, 13, 9);
  }
  if (archive) {
    // A zip down the middle.
    painter.setPen(QColor(64, 64, 128));
    for (int y = 3; y < 11; y += 2) painter.drawLine(7, y, 8, y);
  }
  return pixmap;
}

QIcon MakeIcon(bool archive) {
  QIcon icon;
  icon.addPixmap(DrawFolder(false, archive), QIcon::Normal);
  icon.addPixmap(DrawFolder(true, archive), QIcon::Selected);
  return icon;
}

}  // namespace

const QIcon& TreeNodeIcon(library::NodeKind kind) {
  static const QIcon folder = MakeIcon(false);
  static const QIcon archive = MakeIcon(true);
  return kind == library::NodeKind::Archive ? archive : folder;
}

}  // namespace kasumori::ui

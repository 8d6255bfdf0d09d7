// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/photo_drag.h"

#include <QDrag>
#include <QMimeData>
#include <QWidget>

namespace kasumori::ui {

void StartPhotoDrag(QWidget* source, const QString& photoPath) {
  auto* data = new QMimeData;
  data->setData(kPhotoDragFormat, photoPath.toUtf8());
  auto* drag = new QDrag(source);
  drag->setMimeData(data);
  drag->exec(Qt::MoveAction);
}

std::optional<QString> DraggedPhotoPath(const QMimeData& data) {
  if (!data.hasFormat(kPhotoDragFormat)) return std::nullopt;
  const QString path = QString::fromUtf8(data.data(kPhotoDragFormat));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

}  // namespace kasumori::ui

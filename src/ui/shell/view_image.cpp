// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/view_image.h"

#include <QPainter>

namespace kasumori::ui {

ViewImage::ViewImage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ViewImg"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ViewImage::Reset(const QSize& size, const QColor& fill) {
  resize(size);
  buffer_ = QImage(size, QImage::Format_RGB32);
  buffer_.fill(fill);
  update();
}

void ViewImage::Fill(const QColor& colour) {
  buffer_.fill(colour);
  update();
}

void ViewImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, buffer_);
}

}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/view_image.h"

#include "imaging/dib/qx_dib_canvas.h"

#include <QPainter>

namespace kasumori::ui {

ViewImage::ViewImage(QWidget* parent, const char* objectName) : QWidget(parent) {
  setObjectName(QLatin1String(objectName));
  setAttribute(Qt::WA_OpaquePaintEvent);
  buffer_.SetBitCount(24);
}

void ViewImage::Reset(const QSize& size, const QColor& fill) {
  resize(size);
  buffer_.SetSize(size.width(), size.height());
  Fill(fill);
}

void ViewImage::Fill(const QColor& colour) {
  if (buffer_.Width() > 0 && buffer_.Height() > 0) {
    imaging::TQxDIBCanvas canvas(buffer_);
    canvas.FillRect(QRect(0, 0, buffer_.Width(), buffer_.Height()), colour);
  }
  update();
}

void ViewImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (buffer_.Width() <= 0 || buffer_.Height() <= 0) return;
  // A read-only image over the buffer's rows: painting copies nothing.
  const QImage image(buffer_.ConstScanLine(0), buffer_.Width(), buffer_.Height(), buffer_.Stride(),
                     QImage::Format_BGR888);
  painter.drawImage(0, 0, image);
}

}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/dib/qx_dib.h"

#include <QWidget>

namespace kasumori::ui {

// A picture of the window (the photo view, the histogram): shows its 24-bit buffer pixel for
// pixel at its top-left corner.
class ViewImage final : public QWidget {
  Q_OBJECT

 public:
  explicit ViewImage(QWidget* parent, const char* objectName = "ViewImg");

  // Resizes the view and its buffer; the buffer is filled with the colour.
  void Reset(const QSize& size, const QColor& fill);
  void Fill(const QColor& colour);
  imaging::TQxDIB& Buffer() { return buffer_; }
  const imaging::TQxDIB& Buffer() const { return buffer_; }
  QSize BufferSize() const { return {buffer_.Width(), buffer_.Height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  imaging::TQxDIB buffer_;
};

}  // namespace kasumori::ui

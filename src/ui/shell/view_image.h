// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace kasumori::ui {

// The photo view: shows the display buffer pixel for pixel at its top-left corner.
class ViewImage final : public QWidget {
  Q_OBJECT

 public:
  explicit ViewImage(QWidget* parent);

  // Resizes the view and its buffer; the buffer is filled with the colour.
  void Reset(const QSize& size, const QColor& fill);
  void Fill(const QColor& colour);
  QImage& Buffer() { return buffer_; }
  const QImage& Buffer() const { return buffer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage buffer_;
};

}  // namespace kasumori::ui

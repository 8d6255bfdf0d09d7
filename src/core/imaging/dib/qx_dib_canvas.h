// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface over a 24-bit TQxDIB: a QImage built on the buffer's own rows, so
// everything a QPainter draws changes the buffer's pixels in place, with no copy in or out.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

namespace kasumori::imaging {

class TQxDIB;

class TQxDIBCanvas {
 public:
  // Makes the buffer unique and opens the surface. Throws EQxDIBCanvasFailed when the buffer
  // does not use shared memory, or is not a 24-bit buffer the painter can draw on.
  explicit TQxDIBCanvas(TQxDIB& dib);
  // Ends painting and tells the buffer that it changed.
  ~TQxDIBCanvas();
  TQxDIBCanvas(const TQxDIBCanvas&) = delete;
  TQxDIBCanvas& operator=(const TQxDIBCanvas&) = delete;

  QPainter& Painter() { return painter_; }
  void FillRect(const QRect& rect, const QColor& color) { painter_.fillRect(rect, color); }
  // Stretch-draws a whole buffer into rect through its nearest-pixel Draw.
  void StretchDraw(const QRect& rect, const TQxDIB& source);

 private:
  TQxDIB& dib_;
  // The one QImage over the buffer's memory; never copied, so Qt cannot detach into a
  // private copy while the painter is active.
  QImage image_;
  QPainter painter_;
};

}  // namespace kasumori::imaging

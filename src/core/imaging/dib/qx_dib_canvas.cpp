// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/qx_dib_canvas.h"

#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"

namespace kasumori::imaging {

namespace {

QImage ImageOver(TQxDIB& dib) {
  if (!dib.UseFMO()) throw EQxDIBCanvasFailed("TQxDIBCanvas.Create: Cannot Create Canvas");
  if (dib.BitCount() != 24)
    throw EQxDIBCanvasFailed("TQxDIBCanvas.Create: Cannot Create Memory DC");
  TQxInternalDIB& storage = dib.UniqueDIB();
  // The non-const pointer: Qt then paints into this memory instead of a detached copy.
  uchar* bits = storage.Data();
  return QImage(bits, storage.Width(), storage.Height(), qsizetype(storage.Stride()),
                QImage::Format_BGR888);
}

}  // namespace

TQxDIBCanvas::TQxDIBCanvas(TQxDIB& dib) : dib_(dib), image_(ImageOver(dib)) {
  if (!painter_.begin(&image_))
    throw EQxDIBCanvasFailed("TQxDIBCanvas.Create: Cannot Create Memory DC");
}

TQxDIBCanvas::~TQxDIBCanvas() {
  painter_.end();
  dib_.Changed();
}

void TQxDIBCanvas::StretchDraw(const QRect& rect, const TQxDIB& source) {
  // The painter may hold pending state but never pending pixels on a raster image, so a
  // direct write into the same memory between painter calls is safe.
  source.Draw(dib_, rect);
}

}  // namespace kasumori::imaging

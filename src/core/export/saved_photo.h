// SPDX-License-Identifier: GPL-3.0-or-later
// The save's work once its questions are answered: the picture taken from the screen, turned
// into a BMP or JPEG file image and written under the chosen name.
#pragma once

#include "export/save_options.h"
#include "imaging/dib/qx_dib.h"
#include "pixels/pixel_view.h"

#include <QRect>
#include <QString>

#include <optional>

namespace kasumori::exporting {

// A 24-bit copy of the area of the screen picture (cut to the picture).
imaging::TQxDIB CapturePicture(const pixels::ConstPixelView& screen, const QRect& area);

struct SaveJob {
  const imaging::TQxDIB& picture;
  SaveOptions options;
  QString photoPath;  // the shown photo's own file: its Exif segment goes into a JPEG
  QString target;
};

// Nothing when the file is in place, else the reason it is not (the target is then as it
// was). Throws imaging::ImagingError when the picture cannot be encoded.
std::optional<QString> WriteSavedPhoto(const SaveJob& job);

}  // namespace kasumori::exporting

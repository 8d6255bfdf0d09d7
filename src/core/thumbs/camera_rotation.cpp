// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/camera_rotation.h"

#include "imaging/exif/exif_format.h"
#include "imaging/exif/exif_reader.h"
#include "library/record_names.h"

#include <QFileInfo>

namespace kasumori::thumbs {

int RotationOfOrientation(int orientation) {
  using namespace imaging::exif;
  switch (orientation) {
    case kOrientationUpsideDown:
    case kOrientationUpsideDownMirrored:
      return 2;
    case kOrientationRight:
    case kOrientationRightMirrored:
      return 1;
    case kOrientationLeft:
    case kOrientationLeftMirrored:
      return -1;
    default:  // upright, mirrored, or no orientation at all
      return 0;
  }
}

int CameraRotation(const QString& photoPath) {
  if (library::IsRecordName(QFileInfo(photoPath).fileName())) return 0;
  return RotationOfOrientation(imaging::ReadExifOrientation(photoPath));
}

}  // namespace kasumori::thumbs

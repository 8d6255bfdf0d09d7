// SPDX-License-Identifier: GPL-3.0-or-later
// The turn a camera asked for: cameras and phones record a portrait photo's turn in the Exif
// Orientation entry instead of turning its pixels. A photo without a stored rotation starts
// from this turn, so it appears upright in the display and the strip alike.
#pragma once

#include <QString>

namespace kasumori::thumbs {

// The rotation code (0, 1 right, 2, −1 left) for an Exif Orientation value. The mirrored
// values take the turn that leaves the picture upright and only mirrored left to right:
// 2 → 0, 4 → 2, 5 → 1, 7 → −1. Anything outside 1..8 turns nothing.
int RotationOfOrientation(int orientation);

// The rotation a photo file's own Orientation entry asks for; 0 for an edit record (it keeps
// its own rotation), for a file that is not an Exif JPEG or a TIFF, and for one that cannot be
// read. Reads the file's first bytes only, never decodes.
int CameraRotation(const QString& photoPath);

}  // namespace kasumori::thumbs

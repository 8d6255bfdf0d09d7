// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/shown_record.h"

namespace kasumori::display {

void ApplyEditRecord(const records::EditRecord& record, ShownPhoto& shown) {
  shown.Comment = record.Comment;
  shown.Rotation = record.Rotation;
  shown.Brightness = record.Brightness;
  shown.Contrast = record.Contrast;
  shown.Sharpness = record.Sharpness;
  shown.Effect = record.Effect;
  shown.CommentStyle = record.CommentStyle;
}

records::RecordZoom ZoomOfRecord(const records::EditRecord& record, int sourceWidth,
                                 int sourceHeight, int displayWidth) {
  // A quarter turn either way swaps the sides; the zoom centre is in turned pixels.
  const bool quarterTurn = (record.Rotation & 1) != 0;
  const int rotatedWidth = quarterTurn ? sourceHeight : sourceWidth;
  const int rotatedHeight = quarterTurn ? sourceWidth : sourceHeight;
  return records::MakeRecordZoom(record.ZoomOn, record.Magnification, record.ZoomCentreX,
                                 record.ZoomCentreY, rotatedWidth, rotatedHeight, displayWidth);
}

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_edits.h"

#include "records/edit_record.h"

namespace kasumori::thumbs {

namespace {

constexpr int kLowestMenuSharpness = 8;

}  // namespace

ThumbnailEdits ThumbnailEditsOf(const records::EditRecord& record) {
  ThumbnailEdits edits;
  edits.rotation = record.Rotation;
  edits.zoomed = record.ZoomOn;
  edits.zoomFactor = record.Magnification;
  edits.zoomCentreX = record.ZoomCentreX;
  edits.zoomCentreY = record.ZoomCentreY;
  edits.brightness = record.Brightness;
  edits.contrast = record.Contrast;
  edits.sharpness = record.Sharpness;
  if (edits.sharpness >= 1 && edits.sharpness < kLowestMenuSharpness) {
    edits.sharpness = kLowestMenuSharpness;
  }
  return edits;
}

std::optional<ThumbnailEdits> ReadThumbnailEdits(const QString& recordPath) {
  try {
    return ThumbnailEditsOf(records::ReadEditRecord(recordPath));
  } catch (const records::RecordError&) {
    return std::nullopt;
  }
}

}  // namespace kasumori::thumbs

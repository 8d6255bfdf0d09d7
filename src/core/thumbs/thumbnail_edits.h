// SPDX-License-Identifier: GPL-3.0-or-later
// The edits one thumbnail is made with: a plain photo's defaults, or what its edit record says.
#pragma once

#include "records/edit_record.h"

#include <QString>
#include <optional>

namespace kasumori::thumbs {

inline constexpr int kThumbnailDefaultSharpness = 12;

struct ThumbnailEdits {
  int rotation = 0;  // 0, 1 (a quarter turn clockwise), 2, -1
  bool zoomed = false;
  double zoomFactor = 1.0;
  int zoomCentreX = -1;  // in rotated source pixels; -1 = the middle
  int zoomCentreY = -1;
  int brightness = 0;                          // added to each channel
  int contrast = 256;                          // in 1/256
  int sharpness = kThumbnailDefaultSharpness;  // 0 = the global setting

  bool Adjusted() const { return brightness != 0 || contrast != 256; }
};

// The edits of an edit record as the thumbnail uses them. A sharpness of 1 to 7, which the
// menu does not offer, becomes 8.
ThumbnailEdits ThumbnailEditsOf(const records::EditRecord& record);

// Nothing when the record cannot be read or shown: such a record has no thumbnail either.
std::optional<ThumbnailEdits> ReadThumbnailEdits(const QString& recordPath);

}  // namespace kasumori::thumbs

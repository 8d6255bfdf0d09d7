// SPDX-License-Identifier: GPL-3.0-or-later
// What an edit record changes in the shown-photo state.
#pragma once

#include "display/shown_photo.h"
#include "records/edit_record.h"
#include "records/zoom_scale.h"

namespace kasumori::display {

// The record's comment, rotation (which wins over the thumbnail sidecar's), tone, sharpness,
// effect and comment style on a photo that starts from the plain defaults.
void ApplyEditRecord(const records::EditRecord& record, ShownPhoto& shown);

// The record's zoom window for a decoded source of `sourceWidth` × `sourceHeight` (unrotated)
// shown on a display area `displayWidth` wide.
records::RecordZoom ZoomOfRecord(const records::EditRecord& record, int sourceWidth,
                                 int sourceHeight, int displayWidth);

}  // namespace kasumori::display

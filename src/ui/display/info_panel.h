// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the photo information record in the labels of the information panel.
#pragma once

#include "imaging/exif/photo_info.h"

namespace kasumori::ui {

struct MainPanels;

// Empties the information labels (and the camera and maker hints) before a photo is read.
void ClearInfoLabels(MainPanels& panels);

// Fills the labels from the record, with their fonts and hints, and places them.
void ShowPhotoInfo(MainPanels& panels, const imaging::PhotoInfo& info);

// Places the labels for the panel's current width and what they show now: the file size
// right-aligned, the file name narrowed beside a date, the flash star after the exposure.
void PlaceInfoLabels(MainPanels& panels);

}  // namespace kasumori::ui

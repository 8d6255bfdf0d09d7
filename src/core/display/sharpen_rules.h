// SPDX-License-Identifier: GPL-3.0-or-later
// When the sharpening stage runs and on which picture; the stage itself is a pixel kernel that
// knows nothing of modes or windows.
#pragma once

#include "display/quality_types.h"

namespace kasumori::display {

// Whether the stage runs at all: only in high-quality mode, or for a thumbnail.
bool SharpenStageRuns(QualityMode mode, bool renderForThumbnail);

// The picture the stage sharpens: the save rendering, the thumbnail, the slideshow's back
// buffer, the full-screen picture or the main window's picture, in that precedence. The area
// is DisplayWidth × DisplayHeight at the pane origin, for the thumbnail at 0, 0.
enum class SharpenTarget { ZoomPicture, ThumbnailBuffer, SlideBuffer, FullImg, ViewImg };
SharpenTarget SharpenTargetFor(bool renderForSave, bool renderForThumbnail, bool slideshowActive,
                               bool fullScreenActive);

}  // namespace kasumori::display

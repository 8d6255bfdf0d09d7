// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/sharpen_rules.h"

namespace kasumori::display {

bool SharpenStageRuns(QualityMode mode, bool renderForThumbnail) {
  return mode == QualityMode::High || renderForThumbnail;
}

SharpenTarget SharpenTargetFor(bool renderForSave, bool renderForThumbnail, bool slideshowActive,
                               bool fullScreenActive) {
  if (renderForSave) return SharpenTarget::ZoomPicture;
  if (renderForThumbnail) return SharpenTarget::ThumbnailBuffer;
  if (slideshowActive) return SharpenTarget::SlideBuffer;
  if (fullScreenActive) return SharpenTarget::FullImg;
  return SharpenTarget::ViewImg;
}

}  // namespace kasumori::display

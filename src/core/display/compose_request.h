// SPDX-License-Identifier: GPL-3.0-or-later
// What one normal-mode composition reads, filled by the display from its state.
#pragma once

#include "display/display_modes.h"
#include "display/histogram.h"
#include "display/quality_types.h"
#include "pixels/pixel_view.h"

namespace kasumori::display {

// Everything one composition reads. The driver fills it from its display state.
struct NormalComposeRequest {
  pixels::ConstPixelView source;  // SourcePicture, unrotated, full size
  pixels::PixelView target;       // the display target: SlideBuffer, FullImg or ViewImg
  int paneOriginX = 0;            // PaneOriginX, PaneOriginY
  int paneOriginY = 0;
  int width = 0;  // DisplayWidth, DisplayHeight
  int height = 0;
  PhotoEdits edits;                                     // of the shown photo
  PictureEffect pictureEffect = PictureEffect::Chrome;  // the global setting
  int sharpness = 12;
  QualityMode quality = QualityMode::High;
  HistogramMode histogramMode = HistogramMode::OnClick;
  bool wide = false;  // WideMode
  PanoramaMode panoramaMode = PanoramaMode::Single;
  bool slideshowActive = false;
  bool fullScreenActive = false;
  // HistgramImg (128 × 50) and its panel; without a panel the histogram step is skipped.
  HistogramPanel* histogram = nullptr;
  pixels::PixelView histogramImage;
  int bands = 2;  // row bands of the resampling and the sharpening
};

// Whether the composition draws the histogram from its composed picture (rather than clearing
// it, or leaving it alone).
inline bool DrawsHistogram(const NormalComposeRequest& request) {
  return request.histogram != nullptr && request.quality == QualityMode::High &&
         request.panoramaMode == PanoramaMode::Single &&
         request.histogramMode == HistogramMode::Automatic && !request.slideshowActive;
}

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
// The normal-mode compositor: rotates, fits (or fills, in wide mode) and scales the decoded
// photo into one display area, with the tone, the sharpening and the histogram.
#pragma once

#include "display/compose_geometry.h"
#include "display/compose_labels.h"
#include "display/display_modes.h"
#include "display/histogram.h"
#include "pixels/pixel_view.h"
#include "display/quality_types.h"
#include "pixels/sharpen.h"
#include "pixels/work_picture.h"

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

enum class HistogramStep { None, Cleared, Drawn };

// What a composition leaves: the state the window and the other stages read until the next
// one, and the labels to show. Every normal composition also ends zoom mode: the driver sets
// ZoomMode := 0 and ZoomCentreX, ZoomCentreY := -1.
struct NormalComposeResult {
  int RotatedWidth = 0;
  int RotatedHeight = 0;
  DisplayScale scale;
  int ViewPercent = 100;
  HistogramStep histogram = HistogramStep::None;
  ComposeLabels labels;
};

class NormalCompositor {
 public:
  // ComposeNormal(0): composes the photo into the area paneOrigin, width × height of the
  // target. (ComposeNormal with a panorama mode is the driver's ShowPhoto(0),
  // which calls this once per pane through ComposePane.)
  NormalComposeResult ComposeNormal(const NormalComposeRequest& request);

  // The histogram on request (a click on the panel): in zoom and fast modes the visible area
  // of the view is copied into the compose buffer first. `region` comes from
  // HistogramRegionFor.
  void DrawHistogramOf(HistogramPanel& panel, const pixels::PixelView& image,
                       const pixels::ConstPixelView& view, int width, int height, bool zoomMode,
                       QualityMode quality, bool slideshowActive, bool fullScreenActive,
                       HistogramRegion region);

  // The sharpening stage on the picture on screen (after a sharpness change that needs no
  // recomposition): `area` is the target area of the shown picture.
  void SharpenOnScreen(const pixels::PixelView& area, int strength, int bands = 2);

  pixels::WorkPicture& ComposeBuffer() { return compose_; }
  const pixels::SharpenStage& Sharpening() const { return sharpen_; }

 private:
  void ComposeFast(const NormalComposeRequest& request, const ComposeGeometry& geometry);
  void ComposeHighQuality(const NormalComposeRequest& request, const ComposeGeometry& geometry);

  pixels::WorkPicture compose_;  // ComposeBuffer: kept at the display size between compositions
  pixels::SharpenStage sharpen_;
};

// Holds the pane origin at x, y for the duration of one pane's composition and puts it back
// to 0, 0 afterwards, also when the composition throws.
struct PaneOrigin {
  int x = 0;
  int y = 0;
};

template <class Compose>  // Compose: R() with the origin set; the zoom or the normal compositor
auto ComposePane(PaneOrigin& origin, int x, int y, Compose&& compose) {
  struct Reset {
    PaneOrigin& o;
    ~Reset() { o = {}; }
  } reset{origin};
  origin = {x, y};
  return compose();
}

}  // namespace kasumori::display

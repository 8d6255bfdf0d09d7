// SPDX-License-Identifier: GPL-3.0-or-later
// The normal-mode compositor: rotates, fits (or fills, in wide mode) and scales the decoded
// photo into one display area, with the tone, the sharpening and the histogram.
#pragma once

#include "display/arriving_resample.h"
#include "display/compose_geometry.h"
#include "display/compose_labels.h"
#include "display/compose_request.h"
#include "display/histogram.h"
#include "display/quality_types.h"
#include "pixels/sharpen.h"
#include "pixels/work_picture.h"

namespace kasumori::display {

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

  // Starts the high-quality resampling `request` (its source still empty) asks for, on a
  // second thread that follows the photo's decoding; the progress to hand the decoder, or
  // null when this composition is not one to follow: fast mode, or a turned photo, whose
  // every display row reads the whole height of the photo.
  imaging::RowProgress* FollowDecoding(const NormalComposeRequest& request);
  // Ends following the decoding without using it; before anything else uses the buffer.
  void StopFollowing() { arriving_.Stop(); }
  // Off, every composition is made once the photo has decoded (to measure and compare).
  void EnableFollowing(bool enabled) { following_ = enabled; }

  pixels::WorkPicture& ComposeBuffer() { return compose_; }
  const pixels::SharpenStage& Sharpening() const { return sharpen_; }

 private:
  void ComposeFast(const NormalComposeRequest& request, const ComposeGeometry& geometry);
  // `followed`: the compose buffer, the sharpened area and the histogram's counts were made
  // as the photo was decoded.
  void ComposeHighQuality(const NormalComposeRequest& request, const ComposeGeometry& geometry,
                          bool followed);

  pixels::WorkPicture compose_;  // ComposeBuffer: kept at the display size between compositions
  pixels::SharpenStage sharpen_;
  bool following_ = true;
  ArrivingResample arriving_;  // declared last: its thread stops before the buffer goes
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

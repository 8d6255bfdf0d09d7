// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom compositor: renders the whole zoomed picture of the photo once, then copies the
// visible window of it to the display target, quickly while the user drags it and with the
// sharpening and the histogram when the drag ends.
#pragma once

#include "display/compose_normal.h"
#include "display/zoom_geometry.h"
#include "pixels/work_picture.h"

namespace kasumori::display {

struct ZoomRequest {
  double Scale = 1;  // f, from the record or kept across a size change
  int ViewPercent = 100;
  int CentreX = -1;  // photo point for the middle of the view; −1 = the photo's middle
  int CentreY = -1;
  bool JustRotated = false;
};

struct ZoomComposeResult {
  ZoomGeometry geometry;
  ZoomOrigin centre;  // ZoomCentreX, ZoomCentreY after the first view draw
  HistogramStep histogram = HistogramStep::None;
  ComposeLabels labels;
};

class ZoomCompositor {
 public:
  // ComposeZoom(0): the zoomed picture of `scene`'s photo, its view drawn into the scene's
  // pane. `normal` lends the sharpening stage and the compose buffer of the histogram.
  ZoomComposeResult ComposeZoom(const NormalComposeRequest& scene, const ZoomRequest& zoom,
                                NormalCompositor& normal);
  // Copies the visible window to the scene's pane; `full` adds sharpening and the histogram.
  // Returns the photo point now in the middle of the view.
  ZoomOrigin DrawZoomView(const NormalComposeRequest& scene, bool full, NormalCompositor& normal);
  // Moves the view by the pointer's movement (previous − current position) along the axes on
  // which the picture is larger than the view, and draws it quickly.
  ZoomOrigin Pan(const NormalComposeRequest& scene, int dx, int dy, NormalCompositor& normal);

  // The whole zoomed picture at its zoomed size (or the kept size, for pictures too large to
  // hold twice), sharpened as on screen: what a save of the whole zoom writes.
  void RenderWhole(const NormalComposeRequest& scene, pixels::WorkPicture& out,
                   NormalCompositor& normal) const;

  const ZoomGeometry& Geometry() const { return geometry_; }
  ZoomOrigin ViewOrigin() const { return origin_; }
  pixels::ConstPixelView ZoomPicture() const { return zoom_.View(); }
  // The zoomed picture is released when zoom mode ends.
  void Release() { zoom_.Release(); }

 private:
  void RenderFast(const NormalComposeRequest& scene);
  void RenderHighQuality(const NormalComposeRequest& scene, bool justRotated);
  void RenderEnlarged(const NormalComposeRequest& scene, bool justRotated);
  // The picture in zoom_ brought to the kept size by whole pixels, when it is not already.
  void StretchToKept();

  ZoomGeometry geometry_;
  ZoomOrigin origin_;         // ZoomViewX, ZoomViewY
  pixels::WorkPicture zoom_;  // ZoomPicture, at the kept size
  pixels::WorkPicture scratch_;
};

// The labels of a zoom composition: the normal ones, with the zoom state shown.
ComposeLabels ZoomComposeLabels(const ComposeLabelInput& in);

}  // namespace kasumori::display

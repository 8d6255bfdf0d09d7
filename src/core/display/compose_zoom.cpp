// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_zoom.h"

#include "display/effect_tone.h"
#include "display/resample_plan.h"
#include "pixels/resample_fast.h"
#include "pixels/resample_high.h"
#include "pixels/subpixel_double.h"

#include <cmath>
#include <utility>

namespace kasumori::display {

namespace {

ComposeGeometry BoxGeometry(const ZoomGeometry& g, double scale, int boxCount) {
  ComposeGeometry c;
  c.RotatedWidth = g.RotatedWidth;
  c.RotatedHeight = g.RotatedHeight;
  c.scale.Scale = scale;
  c.boxCount = boxCount;
  return c;
}

// Kept pixel d of a picture stretched from `zoomed` to `kept` pixels reads zoomed pixel
// trunc(d × zoomed / kept), which lies at rnd(that × f) in the rotated photo.
std::vector<long long> NearestPositions(int kept, int zoomed, double f) {
  std::vector<long long> positions(std::size_t(std::max(kept, 0)));
  for (int d = 0; d < kept; ++d) {
    const int u = kept == zoomed ? d : pixels::StretchIndex(d, zoomed, kept);
    positions[std::size_t(d)] = RoundHalfUp(u * f);
  }
  return positions;
}

pixels::PixelView PaneOf(const NormalComposeRequest& s) {
  return pixels::SubView(s.target, s.paneOriginX, s.paneOriginY, s.width, s.height);
}

}  // namespace

ZoomComposeResult ZoomCompositor::ComposeZoom(const NormalComposeRequest& scene,
                                              const ZoomRequest& zoom, NormalCompositor& normal) {
  const Rotation rotation = RotationFromSetting(scene.edits.rotation);
  geometry_ = PlanZoomGeometry(RotatedWidthOf(scene.source.width, scene.source.height, rotation),
                               RotatedHeightOf(scene.source.width, scene.source.height, rotation),
                               zoom.Scale, zoom.ViewPercent);
  ZoomComposeResult result;
  result.geometry = geometry_;
  if (scene.quality == QualityMode::Fast) {
    RenderFast(scene);
    if (scene.histogram != nullptr) {
      scene.histogram->ClearHistogram(scene.histogramImage, scene.fullScreenActive);
      result.histogram = HistogramStep::Cleared;
    }
  } else {
    RenderHighQuality(scene, zoom.JustRotated);
  }
  origin_ = ZoomOriginFor(geometry_, zoom.CentreX, zoom.CentreY, scene.width, scene.height);
  result.centre = DrawZoomView(scene, true, normal);
  if (scene.quality == QualityMode::High && !scene.slideshowActive && scene.histogram != nullptr) {
    result.histogram =
        scene.histogram->HistogramShown() ? HistogramStep::Drawn : HistogramStep::Cleared;
  }
  result.labels =
      ZoomComposeLabels({geometry_.RotatedWidth, geometry_.RotatedHeight, geometry_.ViewPercent,
                         scene.panoramaMode, scene.paneOriginX == 0 && scene.paneOriginY == 0,
                         scene.slideshowActive, scene.fullScreenActive});
  return result;
}

void ZoomCompositor::RenderFast(const NormalComposeRequest& scene) {
  const Rotation rotation = RotationFromSetting(scene.edits.rotation);
  const pixels::ToneTable tone(
      pixels::FastToneParams(scene.edits.brightness, scene.edits.contrast));
  const ZoomGeometry& g = geometry_;
  zoom_.Resize(g.KeptWidth(), g.KeptHeight());
  if (rotation == Rotation::None) {
    pixels::StretchWholePixels(scene.source, zoom_.View(), {0, 0, g.KeptWidth(), g.KeptHeight()},
                               tone.Identity() ? nullptr : &tone);
    return;
  }
  pixels::Resample(scene.source, zoom_.View(),
                   PlanAtPositions(g.RotatedWidth, g.RotatedHeight, rotation,
                                   NearestPositions(g.KeptWidth(), g.ZoomedWidth, g.Scale),
                                   NearestPositions(g.KeptHeight(), g.ZoomedHeight, g.Scale)),
                   tone, scene.bands);
}

void ZoomCompositor::RenderHighQuality(const NormalComposeRequest& scene, bool justRotated) {
  const double f = geometry_.Scale;
  if (f < 1.0) {
    RenderEnlarged(scene, justRotated);
    return;
  }
  const Rotation rotation = RotationFromSetting(scene.edits.rotation);
  const pixels::ToneTable tone(
      FullToneParams(EffectiveEffect(scene.edits.effect, scene.pictureEffect),
                     scene.edits.brightness, scene.edits.contrast));
  const ZoomGeometry& g = geometry_;
  zoom_.Resize(g.ZoomedWidth, g.ZoomedHeight);
  pixels::Resample(scene.source, zoom_.View(),
                   PlanHighQuality(BoxGeometry(g, f, int(std::ceil(f))), rotation, g.ZoomedWidth,
                                   g.ZoomedHeight),
                   tone, scene.bands);
  StretchToKept();
}

// Enlargements double the photo by sub-pixels once, or twice for smaller photos from 200 %
// (and after a turn at the largest steps), and then stretch the doubled picture to exactly the
// kept size when the two differ: the view's window arithmetic is always in zoomed pixels, so
// the picture it reads must be the zoomed size divided by the reduction, whatever the scale.
void ZoomCompositor::RenderEnlarged(const NormalComposeRequest& scene, bool justRotated) {
  const Rotation rotation = RotationFromSetting(scene.edits.rotation);
  const pixels::ToneTable tone(
      FullToneParams(EffectiveEffect(scene.edits.effect, scene.pictureEffect),
                     scene.edits.brightness, scene.edits.contrast));
  const ZoomGeometry& g = geometry_;
  const int rw = g.RotatedWidth, rh = g.RotatedHeight;
  pixels::ConstPixelView upright = scene.source;
  if (rotation != Rotation::None) {
    scratch_.Resize(rw, rh);
    pixels::Resample(scene.source, scratch_.View(),
                     PlanNearest(BoxGeometry(g, 1.0, 1), rotation, rw, rh), pixels::ToneTable({}),
                     scene.bands);
    upright = scratch_.View();
  }
  zoom_.Resize(2 * rw, 2 * rh);
  pixels::DoubleSubPixels(upright, zoom_.View(), &tone, scene.bands);
  const bool small = (long long)rw * rh <= kZoomReduceThreshold;
  if ((g.Scale < 0.5 && small) || (g.Scale < 0.25 && justRotated)) {
    std::swap(zoom_, scratch_);
    zoom_.Resize(4 * rw, 4 * rh);
    pixels::DoubleSubPixels(scratch_.View(), zoom_.View(), nullptr, scene.bands);
  }
  StretchToKept();
  scratch_.Release();
}

void ZoomCompositor::StretchToKept() {
  const int w = geometry_.KeptWidth(), h = geometry_.KeptHeight();
  if (zoom_.Width() == w && zoom_.Height() == h) return;
  std::swap(zoom_, scratch_);
  zoom_.Resize(w, h);
  pixels::StretchWholePixels(scratch_.View(), zoom_.View(), {0, 0, w, h});
  scratch_.Release();
}

ZoomOrigin ZoomCompositor::DrawZoomView(const NormalComposeRequest& scene, bool full,
                                        NormalCompositor& normal) {
  const int w = scene.width, h = scene.height;
  const ZoomGeometry& g = geometry_;
  const pixels::PixelView pane = PaneOf(scene);
  if (g.ZoomedWidth < w || g.ZoomedHeight < h) pixels::FillBlack(pane);
  const ZoomWindow window = PlanZoomWindow(g, origin_, w, h);
  origin_ = window.origin;
  const pixels::ConstPixelView from = pixels::SubView(zoom_.View(), window.sourceX, window.sourceY,
                                                      window.sourceWidth, window.sourceHeight);
  if (g.reduction == 1) {
    pixels::CopyPixels(
        from, pixels::SubView(pane, window.gx, window.gy, window.targetWidth, window.targetHeight));
  } else if (!from.Empty()) {
    pixels::StretchWholePixels(from, pane,
                               {window.gx, window.gy, window.targetWidth, window.targetHeight});
  }
  if (full && scene.quality == QualityMode::High) {
    normal.SharpenOnScreen(pane, EffectiveSharpness(scene.edits.sharpness, scene.sharpness),
                           scene.bands);
    if (!scene.slideshowActive && scene.histogram != nullptr) {
      if (scene.panoramaMode != PanoramaMode::Single ||
          scene.histogramMode != HistogramMode::Automatic) {
        scene.histogram->ClearHistogram(scene.histogramImage, scene.fullScreenActive);
      } else {
        normal.DrawHistogramOf(*scene.histogram, scene.histogramImage, scene.target, w, h, true,
                               scene.quality, false, scene.fullScreenActive,
                               HistogramRegionFor(true, g.ZoomedWidth, g.ZoomedHeight, 0, 0, w, h));
      }
    }
  }
  return ZoomCentreOf(g, origin_, w, h);
}

ZoomOrigin ZoomCompositor::Pan(const NormalComposeRequest& scene, int dx, int dy,
                               NormalCompositor& normal) {
  if (geometry_.ZoomedWidth > scene.width) origin_.x += dx;
  if (geometry_.ZoomedHeight > scene.height) origin_.y += dy;
  return DrawZoomView(scene, false, normal);
}

void ZoomCompositor::RenderWhole(const NormalComposeRequest& scene, pixels::WorkPicture& out,
                                 NormalCompositor& normal) const {
  const ZoomGeometry& g = geometry_;
  const bool full = (long long)g.ZoomedWidth * g.ZoomedHeight <= kMaxKeptZoomPixels;
  out.Resize(full ? g.ZoomedWidth : g.KeptWidth(), full ? g.ZoomedHeight : g.KeptHeight());
  pixels::StretchWholePixels(zoom_.View(), out.View(), {0, 0, out.Width(), out.Height()});
  if (scene.quality == QualityMode::High) {
    normal.SharpenOnScreen(out.View(), EffectiveSharpness(scene.edits.sharpness, scene.sharpness),
                           scene.bands);
  }
}

ComposeLabels ZoomComposeLabels(const ComposeLabelInput& in) {
  ComposeLabels out = NormalComposeLabels(in);
  const bool panorama = in.panoramaMode != PanoramaMode::Single;
  if (in.slideshowActive) return out;
  if (!panorama) {
    if (!in.fullScreenActive) out.JoutaiLbl = QStringLiteral("【ズームモード】");
    out.ZoomKaijoBtnEnabled = true;
    out.cursor = ViewCursor::Move;
  }
  return out;
}

}  // namespace kasumori::display

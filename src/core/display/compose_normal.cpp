// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_normal.h"

#include <algorithm>

#include "display/effect_tone.h"
#include "pixels/resample_fast.h"
#include "pixels/resample_high.h"
#include "display/resample_plan.h"

namespace kasumori::display {

namespace {

// Copies the compose buffer to the area at x, y of the target, cut to the target.
void CopyToArea(const pixels::ConstPixelView& compose, const pixels::PixelView& target, int x,
                int y) {
  const pixels::PixelView area = pixels::SubView(target, x, y, compose.width, compose.height);
  if (area.Empty()) return;
  const int dx = std::max(x, 0) - x;
  const int dy = std::max(y, 0) - y;
  pixels::CopyPixels(pixels::SubView(compose, dx, dy, area.width, area.height), area);
}

}  // namespace

imaging::RowProgress* NormalCompositor::FollowDecoding(const NormalComposeRequest& request) {
  arriving_.Stop();
  const bool followable = following_ && request.quality == QualityMode::High && request.width > 0 &&
                          request.height > 0 && request.paneOriginX >= 0 &&
                          request.paneOriginY >= 0 && !ComposedArea(request).Empty() &&
                          RotationFromSetting(request.edits.rotation) == Rotation::None;
  return followable ? arriving_.Start(request, compose_) : nullptr;
}

NormalComposeResult NormalCompositor::ComposeNormal(const NormalComposeRequest& request) {
  // Fast mode and a mismatch leave what followed the decoding unused; either way the thread
  // has let go of the buffer before anything below touches it.
  const bool followed = request.quality == QualityMode::High && arriving_.Finish(request);
  arriving_.Stop();
  const Rotation rotation = RotationFromSetting(request.edits.rotation);
  const ComposeGeometry geometry =
      PlanComposeGeometry({request.source.width, request.source.height, rotation, request.width,
                           request.height, request.wide});
  NormalComposeResult result;
  result.RotatedWidth = geometry.RotatedWidth;
  result.RotatedHeight = geometry.RotatedHeight;
  result.scale = geometry.scale;
  result.ViewPercent = geometry.ViewPercent;
  if (request.width > 0 && request.height > 0) {
    switch (request.quality) {
      case QualityMode::Fast:
        ComposeFast(request, geometry);
        break;
      case QualityMode::High:
        ComposeHighQuality(request, geometry, followed);
        break;
    }
  }
  if (request.histogram != nullptr &&
      (request.quality == QualityMode::Fast || !request.slideshowActive)) {
    if (DrawsHistogram(request)) {
      if (followed)
        request.histogram->DrawCounts(request.histogramImage, arriving_.Counts(),
                                      request.fullScreenActive);
      else
        request.histogram->DrawHistogram(request.histogramImage, compose_.View(),
                                         {geometry.scale.MarginX, geometry.scale.MarginY},
                                         request.fullScreenActive);
      result.histogram = HistogramStep::Drawn;
    } else {
      request.histogram->ClearHistogram(request.histogramImage, request.fullScreenActive);
      result.histogram = HistogramStep::Cleared;
    }
  }
  result.labels = NormalComposeLabels({geometry.RotatedWidth, geometry.RotatedHeight,
                                       geometry.ViewPercent, request.panoramaMode,
                                       request.paneOriginX == 0 && request.paneOriginY == 0,
                                       request.slideshowActive, request.fullScreenActive});
  return result;
}

void NormalCompositor::ComposeFast(const NormalComposeRequest& request,
                                   const ComposeGeometry& geometry) {
  const Rotation rotation = RotationFromSetting(request.edits.rotation);
  const pixels::ToneTable tone(
      pixels::FastToneParams(request.edits.brightness, request.edits.contrast));
  if (rotation != Rotation::None) {
    // Turned photos are sampled one source pixel per display pixel, through the buffer.
    compose_.Resize(request.width, request.height);
    pixels::Resample(request.source, compose_.View(),
                     PlanNearest(geometry, rotation, request.width, request.height), tone, 1);
    CopyToArea(compose_.View(), request.target, request.paneOriginX, request.paneOriginY);
    return;
  }
  pixels::FillBlack(pixels::SubView(request.target, request.paneOriginX, request.paneOriginY,
                                    request.width, request.height));
  // The whole photo (no crop, also in wide mode) into the area inside the margins. The
  // stretch-then-tone of two work buffers is one pass here: toning after a copy that
  // neither blends nor resizes gives the same pixels.
  const int g = geometry.scale.MarginX;
  const int h = geometry.scale.MarginY;
  pixels::StretchWholePixels(request.source, request.target,
                             {request.paneOriginX + g, request.paneOriginY + h,
                              request.width - 2 * g, request.height - 2 * h},
                             &tone);
}

void NormalCompositor::ComposeHighQuality(const NormalComposeRequest& request,
                                          const ComposeGeometry& geometry, bool followed) {
  const int strength = EffectiveSharpness(request.edits.sharpness, request.sharpness);
  if (followed) {
    if (strength > 0)
      pixels::CopyPixels(arriving_.Sharpened().View(), ComposedArea(request));
    else
      CopyToArea(compose_.View(), request.target, request.paneOriginX, request.paneOriginY);
    return;
  }
  const Rotation rotation = RotationFromSetting(request.edits.rotation);
  const PictureEffect effect = EffectiveEffect(request.edits.effect, request.pictureEffect);
  const pixels::ToneTable tone(
      FullToneParams(effect, request.edits.brightness, request.edits.contrast));
  compose_.Resize(request.width, request.height);
  pixels::Resample(request.source, compose_.View(),
                   PlanHighQuality(geometry, rotation, request.width, request.height), tone,
                   request.bands);
  CopyToArea(compose_.View(), request.target, request.paneOriginX, request.paneOriginY);
  SharpenOnScreen(ComposedArea(request), strength, request.bands);
}

void NormalCompositor::SharpenOnScreen(const pixels::PixelView& area, int strength, int bands) {
  sharpen_.Run(area, strength, bands);
}

void NormalCompositor::DrawHistogramOf(HistogramPanel& panel, const pixels::PixelView& image,
                                       const pixels::ConstPixelView& view, int width, int height,
                                       bool zoomMode, QualityMode quality, bool slideshowActive,
                                       bool fullScreenActive, HistogramRegion region) {
  arriving_.Stop();
  if (fullScreenActive) return;
  if (HistogramNeedsViewCopy(zoomMode, quality, slideshowActive)) {
    compose_.Resize(width, height);
    pixels::FillBlack(compose_.View());
    pixels::CopyPixels(pixels::SubView(view, 0, 0, width, height), compose_.View());
  }
  panel.DrawHistogram(image, compose_.View(), region, fullScreenActive);
}

}  // namespace kasumori::display

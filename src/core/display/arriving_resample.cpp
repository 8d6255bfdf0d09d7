// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/arriving_resample.h"

#include "display/compose_geometry.h"
#include "display/effect_tone.h"
#include "display/resample_plan.h"
#include "pixels/resample_high.h"
#include "pixels/sharpen.h"

#include <algorithm>
#include <system_error>

namespace kasumori::display {

namespace {

// The stages after the resampling, run on its thread as far as its rows are final: the area
// copied and sharpened into its own buffer, and the histogram's region counted.
class FollowingStages final : public pixels::ArrivingRows {
 public:
  struct Plan {
    pixels::ConstPixelView composed;  // the whole compose buffer
    int firstRow = 0;                 // the composed row of the resampling's first output row
    int sharpness = 0;                // 0: the area is not sharpened
    bool counted = false;             // whether the histogram is drawn from this picture
    HistogramRegion region;
  };

  FollowingStages(imaging::RowProgress& progress, const Plan& plan,
                  const pixels::PixelView& sharpened, HistogramCounts& counts)
      : progress_(progress),
        plan_(plan),
        area_(pixels::SubView(plan.composed, 0, 0, sharpened.width, sharpened.height)),
        sharpened_(sharpened),
        counts_(counts) {
    const int left = std::max(plan.region.left, 0);
    const int top = std::max(plan.region.top, 0);
    counted_ = pixels::SubView(plan.composed, left, top, plan.composed.width - 2 * left,
                               plan.composed.height - 2 * top);
    countedTop_ = top;
    counts_ = {};
  }

  bool WaitSource(int rows) override { return progress_.WaitRows(rows); }

  void OutputDone(int rows) override {
    const int final = std::min(plan_.firstRow + rows, plan_.composed.height);
    if (plan_.sharpness > 0) Sharpen(final);
    if (plan_.counted) Count(final);
  }

 private:
  // Area row y is judged on rows y − 1 to y + 1, so it waits for the row below it.
  void Sharpen(int final) {
    const int end = final >= area_.height ? area_.height : std::max(final - 1, 0);
    if (end <= sharpenedRows_) return;
    const int first = sharpenedRows_;
    pixels::CopyPixels(pixels::SubView(area_, 0, first, area_.width, end - first),
                       pixels::SubView(sharpened_, 0, first, area_.width, end - first));
    pixels::SharpenRowRange(area_, sharpened_, plan_.sharpness, first, end);
    sharpenedRows_ = end;
  }

  void Count(int final) {
    const int end = std::clamp(final - countedTop_, 0, std::max(counted_.height, 0));
    if (end <= countedRows_) return;
    const HistogramCounts part = CountHistogram(
        pixels::SubView(counted_, 0, countedRows_, counted_.width, end - countedRows_));
    for (std::size_t i = 0; i < part.size(); ++i) counts_[i] += part[i];
    countedRows_ = end;
  }

  imaging::RowProgress& progress_;
  const Plan plan_;
  const pixels::ConstPixelView area_;
  const pixels::PixelView sharpened_;
  HistogramCounts& counts_;
  pixels::ConstPixelView counted_;
  int countedTop_ = 0;
  int sharpenedRows_ = 0;
  int countedRows_ = 0;
};

}  // namespace

imaging::RowProgress* ArrivingResample::Start(const NormalComposeRequest& request,
                                              pixels::WorkPicture& composed) {
  Stop();
  progress_ = std::make_unique<imaging::RowProgress>();
  complete_ = false;
  composed.Resize(request.width, request.height);
  const pixels::PixelView area = ComposedArea(request);
  sharpened_.Resize(area.width, area.height);
  try {
    thread_ = std::thread([this, request, &composed] { Follow(request, composed); });
  } catch (const std::system_error&) {
    return nullptr;  // composed after the decode instead
  }
  return progress_.get();
}

void ArrivingResample::Follow(NormalComposeRequest request, pixels::WorkPicture& composed) {
  const std::optional<imaging::RowProgress::Picture> picture = progress_->WaitBegun();
  if (!picture) return;
  try {
    FollowRows(request, *picture, composed);
  } catch (...) {
    // Out of memory for the plan, most likely: the composition after the decode makes it.
    complete_ = false;
  }
  progress_->Leave();  // the decoder may go on with the picture's storage
}

void ArrivingResample::FollowRows(NormalComposeRequest request,
                                  const imaging::RowProgress::Picture& picture,
                                  pixels::WorkPicture& composed) {
  request.source = {picture.top, picture.width, picture.height, picture.stride};
  const Rotation rotation = RotationFromSetting(request.edits.rotation);
  const ComposeGeometry geometry =
      PlanComposeGeometry({request.source.width, request.source.height, rotation, request.width,
                           request.height, request.wide});
  const PictureEffect effect = EffectiveEffect(request.edits.effect, request.pictureEffect);
  const pixels::ToneTable tone(
      FullToneParams(effect, request.edits.brightness, request.edits.contrast));
  const FollowingStages::Plan stages{composed.View(),
                                     geometry.scale.MarginY,
                                     EffectiveSharpness(request.edits.sharpness, request.sharpness),
                                     DrawsHistogram(request) && !request.fullScreenActive,
                                     {geometry.scale.MarginX, geometry.scale.MarginY}};
  FollowingStages following(*progress_, stages, sharpened_.View(), counts_);
  const bool complete = pixels::ResampleArriving(
      request.source, composed.View(),
      PlanHighQuality(geometry, rotation, request.width, request.height), tone, following);
  followed_ = request;
  complete_ = complete;
}

bool ArrivingResample::Finish(const NormalComposeRequest& request) {
  if (!thread_.joinable()) return false;
  if (!progress_->Decoded()) {
    Stop();
    return false;
  }
  thread_.join();
  return complete_ && SameComposition(followed_, request);
}

void ArrivingResample::Stop() {
  if (!thread_.joinable()) return;
  progress_->End(false);
  thread_.join();
}

bool SameComposition(const NormalComposeRequest& a, const NormalComposeRequest& b) {
  const auto sameView = [](const auto& x, const auto& y) {
    return x.width == y.width && x.height == y.height && x.stride == y.stride;
  };
  return a.source.data == b.source.data && sameView(a.source, b.source) &&
         sameView(a.target, b.target) && a.paneOriginX == b.paneOriginX &&
         a.paneOriginY == b.paneOriginY && a.width == b.width && a.height == b.height &&
         a.edits.rotation == b.edits.rotation && a.edits.brightness == b.edits.brightness &&
         a.edits.contrast == b.edits.contrast && a.edits.sharpness == b.edits.sharpness &&
         a.edits.effect == b.edits.effect && a.pictureEffect == b.pictureEffect &&
         a.sharpness == b.sharpness && a.quality == b.quality &&
         a.histogramMode == b.histogramMode && a.wide == b.wide &&
         a.panoramaMode == b.panoramaMode && a.slideshowActive == b.slideshowActive &&
         a.fullScreenActive == b.fullScreenActive &&
         (a.histogram != nullptr) == (b.histogram != nullptr);
}

pixels::PixelView ComposedArea(const NormalComposeRequest& request) {
  return pixels::SubView(request.target, request.paneOriginX, request.paneOriginY, request.width,
                         request.height);
}

}  // namespace kasumori::display

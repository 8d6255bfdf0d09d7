// SPDX-License-Identifier: GPL-3.0-or-later
// The high-quality composition of a photo that is still being decoded: a second thread follows
// the decoder's rows with the resampling into the compose buffer, and the resampled rows with
// the sharpening (into a buffer of its own, as the screen is not to be touched before the
// photo has decoded) and the histogram's counts. When the last row comes, little is left but
// to copy the area to the screen. The results are used only when they are exactly what the
// composition would have made: the decode ended well, into the picture and with the
// parameters composed.
#pragma once

#include "display/compose_request.h"
#include "display/histogram.h"
#include "imaging/decode/row_progress.h"
#include "pixels/work_picture.h"

#include <memory>
#include <thread>

namespace kasumori::display {

class ArrivingResample {
 public:
  ArrivingResample() = default;
  ~ArrivingResample() { Stop(); }
  ArrivingResample(const ArrivingResample&) = delete;
  ArrivingResample& operator=(const ArrivingResample&) = delete;

  // Starts following the decode that will be handed the returned progress, for the
  // composition `request` (its source still unknown) asks for, resampling into `composed`,
  // which nothing else touches until Finish or Stop. Null when no thread could be had.
  imaging::RowProgress* Start(const NormalComposeRequest& request, pixels::WorkPicture& composed);
  // Waits for the thread. True when it made what `request` asks for: the resampling in the
  // compose buffer, the area sharpened in Sharpened() (when the strength sharpens at all),
  // and the histogram's counts in Counts() (when the composition draws it).
  bool Finish(const NormalComposeRequest& request);
  // Ends following without a result: a decode that has not ended is treated as failed.
  void Stop();

  // The area of the target with the sharpened picture: the compose buffer cut to the target.
  const pixels::WorkPicture& Sharpened() const { return sharpened_; }
  const HistogramCounts& Counts() const { return counts_; }

 private:
  void Follow(NormalComposeRequest request, pixels::WorkPicture& composed);
  void FollowRows(NormalComposeRequest request, const imaging::RowProgress::Picture& picture,
                  pixels::WorkPicture& composed);

  std::unique_ptr<imaging::RowProgress> progress_;
  std::thread thread_;
  // Written by the thread, read after it is joined.
  pixels::WorkPicture sharpened_;
  HistogramCounts counts_{};
  NormalComposeRequest followed_;
  bool complete_ = false;
};

// Whether two requests ask for the same composition, whatever memory the target and the
// histogram are drawn into.
bool SameComposition(const NormalComposeRequest& a, const NormalComposeRequest& b);

// The area a composition draws into: its size at the pane origin, cut to the target.
pixels::PixelView ComposedArea(const NormalComposeRequest& request);

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
// The histogram panel: 128 brightness bins of the shown picture drawn as white columns on
// black (128 × 50), and the grey scale strip beneath it (128 × 5).
#pragma once

#include <array>
#include <cstdint>

#include "pixels/pixel_view.h"
#include "display/quality_types.h"

namespace kasumori::display {

inline constexpr int kHistogramBins = 128;
inline constexpr int kHistogramWidth = 128;
inline constexpr int kHistogramHeight = 50;
inline constexpr int kHistogramStripHeight = 5;

using HistogramCounts = std::array<std::uint64_t, kHistogramBins>;

// Bin (blue + green + red) div 6 of every pixel of the region.
HistogramCounts CountHistogram(const pixels::ConstPixelView& region);
// Draws the counts into the 128 × 50 picture: black, and column i white from the bottom up to
// its height. Bins 0, 1, 126 and 127 do not set the scale, so black and white areas do not
// flatten the rest; their columns are cut at the top.
void DrawHistogramColumns(const HistogramCounts& counts, const pixels::PixelView& image);
// The 128 × 5 strip: a grey line on top, then the grey scale 2i + 1 with a black column 0.
void DrawHistogramStrip(const pixels::PixelView& strip);

// The counted region of the composed picture: the picture without its black bands.
struct HistogramRegion {
  int left = 0;
  int top = 0;
};
// In zoom mode the bands follow from the zoomed size; otherwise they are the margins of the
// last normal composition.
HistogramRegion HistogramRegionFor(bool zoomMode, int zoomedWidth, int zoomedHeight, int marginX,
                                   int marginY, int width, int height);
// Whether the visible area of the view must be copied into the compose buffer before counting
// (zoom and fast modes leave the composed picture only on screen).
bool HistogramNeedsViewCopy(bool zoomMode, QualityMode mode, bool slideshowActive);

// HistgramImg with its HistogramShown flag. Both operations do nothing while the full-screen
// window is open.
class HistogramPanel {
 public:
  void ClearHistogram(const pixels::PixelView& image, bool fullScreenActive);
  // Counts columns left .. W - left - 1 and rows top .. H - top - 1 of `composed` (W × H).
  void DrawHistogram(const pixels::PixelView& image, const pixels::ConstPixelView& composed,
                     HistogramRegion region, bool fullScreenActive);
  // The same drawing from counts already made of that region.
  void DrawCounts(const pixels::PixelView& image, const HistogramCounts& counts,
                  bool fullScreenActive);
  bool HistogramShown() const { return shown_; }

 private:
  bool shown_ = false;
};

}  // namespace kasumori::display

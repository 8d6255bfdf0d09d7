// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/histogram.h"

#include <algorithm>
#include <cstring>

namespace kasumori::display {

namespace {

constexpr int kScaleFirstBin = 2;
constexpr int kScaleLastBin = 125;
constexpr std::uint8_t kStripGrey = 128;

}  // namespace

HistogramCounts CountHistogram(const pixels::ConstPixelView& region) {
  HistogramCounts counts{};
  if (region.Empty()) return counts;
  for (int y = 0; y < region.height; ++y) {
    const std::uint8_t* p = region.Row(y);
    const std::uint8_t* end = p + std::ptrdiff_t(region.width) * pixels::kBytesPerPixel;
    for (; p != end; p += pixels::kBytesPerPixel) ++counts[std::size_t((p[0] + p[1] + p[2]) / 6)];
  }
  return counts;
}

void DrawHistogramColumns(const HistogramCounts& counts, const pixels::PixelView& image) {
  pixels::FillBlack(image);
  if (image.Empty()) return;
  std::uint64_t peak = 1;
  for (int i = kScaleFirstBin; i <= kScaleLastBin; ++i) peak = std::max(peak, counts[i]);
  const std::uint64_t step = (peak + kHistogramHeight - 1) / kHistogramHeight;
  const int columns = std::min(image.width, kHistogramBins);
  for (int i = 0; i < columns; ++i) {
    const auto height =
        int(std::min<std::uint64_t>((counts[std::size_t(i)] + step - 1) / step, kHistogramHeight));
    for (int y = std::max(kHistogramHeight - height, 0);
         y < std::min(kHistogramHeight, image.height); ++y)
      std::memset(image.Row(y) + i * pixels::kBytesPerPixel, 255, pixels::kBytesPerPixel);
  }
}

void DrawHistogramStrip(const pixels::PixelView& strip) {
  if (strip.Empty()) return;
  const int columns = std::min(strip.width, kHistogramWidth);
  std::memset(strip.Row(0), kStripGrey, std::size_t(columns) * pixels::kBytesPerPixel);
  for (int y = 1; y < std::min(strip.height, kHistogramStripHeight); ++y) {
    std::uint8_t* row = strip.Row(y);
    for (int i = 0; i < columns; ++i)
      std::memset(row + i * pixels::kBytesPerPixel, i == 0 ? 0 : 2 * i + 1, pixels::kBytesPerPixel);
  }
}

HistogramRegion HistogramRegionFor(bool zoomMode, int zoomedWidth, int zoomedHeight, int marginX,
                                   int marginY, int width, int height) {
  if (!zoomMode) return {marginX, marginY};
  return {zoomedWidth < width ? width / 2 - zoomedWidth / 2 : 0,
          zoomedHeight < height ? height / 2 - zoomedHeight / 2 : 0};
}

bool HistogramNeedsViewCopy(bool zoomMode, QualityMode mode, bool slideshowActive) {
  return (zoomMode || mode == QualityMode::Fast) && !slideshowActive;
}

void HistogramPanel::ClearHistogram(const pixels::PixelView& image, bool fullScreenActive) {
  if (fullScreenActive) return;
  pixels::FillBlack(image);
  shown_ = false;
}

void HistogramPanel::DrawHistogram(const pixels::PixelView& image,
                                   const pixels::ConstPixelView& composed, HistogramRegion region,
                                   bool fullScreenActive) {
  if (fullScreenActive) return;
  // A region that is empty or lies outside the picture counts nothing.
  const int left = std::max(region.left, 0);
  const int top = std::max(region.top, 0);
  const pixels::ConstPixelView counted =
      pixels::SubView(composed, left, top, composed.width - 2 * left, composed.height - 2 * top);
  DrawCounts(image, CountHistogram(counted), fullScreenActive);
}

void HistogramPanel::DrawCounts(const pixels::PixelView& image, const HistogramCounts& counts,
                                bool fullScreenActive) {
  if (fullScreenActive) return;
  DrawHistogramColumns(counts, image);
  shown_ = true;
}

}  // namespace kasumori::display

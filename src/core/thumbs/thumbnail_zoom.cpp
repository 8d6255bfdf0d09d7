// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_zoom.h"

#include <algorithm>
#include <cmath>

#include "thumbfiles/thumbnail_files.h"

namespace kasumori::thumbs {

namespace {

constexpr double kZoomPixelLimit = 50000000;
// Photos up to this many pixels are enlarged by two doublings, larger ones by one.
constexpr std::int64_t kSmallPhotoPixels = 1392640;

double NearestReal(double x) { return std::trunc(x + 0.5); }

int ClampInt(double value, int low, int high) {
  return int(std::clamp(value, double(low), double(std::max(low, high))));
}

// V ≥ 1: every window pixel is the average of its m × m block, m = ceil(V).
void RenderReduced(const RotatedSource& source, const ZoomPlan& plan, const BlockColour& colour,
                   const pixels::PixelView& cell) {
  const int m = int(std::ceil(plan.scale));
  const int columns = std::min(thumbfiles::kThumbWidth, plan.width - plan.originX);
  const int rows = std::min(thumbfiles::kThumbHeight, plan.height - plan.originY);
  if (columns <= 0 || rows <= 0) return;
  std::vector<int> xs(static_cast<std::size_t>(columns)), ys(static_cast<std::size_t>(rows));
  for (int x = 0; x < columns; ++x) xs[std::size_t(x)] = Nearest((plan.originX + x) * plan.scale);
  for (int y = 0; y < rows; ++y) ys[std::size_t(y)] = Nearest((plan.originY + y) * plan.scale);
  const AxisSamples across = PlanAxis(source, SampleAxis::Columns, xs, 1, m, m - 1);
  const AxisSamples down = PlanAxis(source, SampleAxis::Rows, ys, 1, m, m - 1);
  RenderBlocks(source, across, down, colour,
               pixels::SubView(cell, plan.destX, plan.destY, columns, rows));
}

// V < 1: the photo doubled (twice for small photos) by averaging each pixel with its diagonal
// neighbour toward each corner, then stretched to the size the window is cut from. Only the
// 80 × 60 pixels the window shows are computed.
class Enlarged {
 public:
  Enlarged(const RotatedSource& source, const BlockColour& colour, bool twice)
      : source_(source), colour_(colour), twice_(twice) {}

  int Width() const { return source_.Width() << (twice_ ? 2 : 1); }
  int Height() const { return source_.Height() << (twice_ ? 2 : 1); }

  pixels::Bgr At(int u, int v) const {
    if (!twice_) return Doubled(u, v);
    const pixels::Bgr p = Doubled(u >> 1, v >> 1);
    const pixels::Bgr q = Doubled(Toward(u >> 1, u & 1, source_.Width() * 2),
                                  Toward(v >> 1, v & 1, source_.Height() * 2));
    return {std::uint8_t((p.b + q.b) / 2), std::uint8_t((p.g + q.g) / 2),
            std::uint8_t((p.r + q.r) / 2)};
  }

 private:
  static int Toward(int c, int side, int size) {
    return std::clamp(side ? c + 1 : c - 1, 0, size - 1);
  }

  // The adjustment applies to the two-sample average, once: the second doubling only averages.
  pixels::Bgr Doubled(int u, int v) const {
    const int x = u >> 1, y = v >> 1;
    const std::uint8_t* p = source_.Pixel(x, y);
    const std::uint8_t* q =
        source_.Pixel(Toward(x, u & 1, source_.Width()), Toward(y, v & 1, source_.Height()));
    return colour_.Of(p[2] + q[2], p[1] + q[1], p[0] + q[0], 2);
  }

  const RotatedSource& source_;
  const BlockColour& colour_;
  bool twice_;
};

void RenderEnlarged(const RotatedSource& source, const ZoomPlan& plan, const BlockColour& colour,
                    const pixels::PixelView& cell) {
  const std::int64_t pixels = std::int64_t(source.Width()) * source.Height();
  const Enlarged enlarged(source, colour, plan.scale < 0.5 && pixels <= kSmallPhotoPixels);
  const int k = plan.divisor;
  const std::int64_t expectedW = plan.width / k, expectedH = plan.height / k;
  if (expectedW <= 0 || expectedH <= 0) return;
  const int rectX = plan.originX / k, rectY = plan.originY / k;
  const int rectW = thumbfiles::kThumbWidth / k, rectH = thumbfiles::kThumbHeight / k;
  for (int y = 0; y + plan.destY < thumbfiles::kThumbHeight; ++y) {
    const std::int64_t fy = rectY + std::int64_t(y) * rectH / thumbfiles::kThumbHeight;
    if (fy >= expectedH) break;
    const int v = int(fy * enlarged.Height() / expectedH);
    std::uint8_t* row = cell.Row(y + plan.destY);
    for (int x = 0; x + plan.destX < thumbfiles::kThumbWidth; ++x) {
      const std::int64_t fx = rectX + std::int64_t(x) * rectW / thumbfiles::kThumbWidth;
      if (fx >= expectedW) break;
      const pixels::Bgr c = enlarged.At(int(fx * enlarged.Width() / expectedW), v);
      std::uint8_t* p = row + 3 * (x + plan.destX);
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
    }
  }
}

}  // namespace

ZoomPlan PlanZoom(int t0, int u0, double z, int cx, int cy) {
  ZoomPlan plan;
  double v = t0 / (z * thumbfiles::kThumbWidth);
  double percent = NearestReal(100 / v);
  // The limit is on the zoom image's pixel count; beyond it the photo is shown 80 pixels wide.
  if (NearestReal(t0 * percent / 100 * u0 * percent / 100) > kZoomPixelLimit) {
    v = double(t0) / thumbfiles::kThumbWidth;
    percent = NearestReal(100 / v);
  }
  plan.scale = v;
  plan.percent = int(std::min(percent, 1e9));
  plan.width = ClampInt(NearestReal(t0 / v), 0, 1 << 30);
  plan.height = ClampInt(NearestReal(u0 / v), 0, 1 << 30);
  double ox = 0, oy = 0;
  if (cx == -1) {
    ox = plan.width / 2 - thumbfiles::kThumbWidth / 2;
    oy = plan.height / 2 - thumbfiles::kThumbHeight / 2;
  } else {
    ox = NearestReal(cx / v) - thumbfiles::kThumbWidth / 2;
    oy = NearestReal(cy / v) - thumbfiles::kThumbHeight / 2;
  }
  ox = std::min(ox, double(plan.width - thumbfiles::kThumbWidth));
  oy = std::min(oy, double(plan.height - thumbfiles::kThumbHeight));
  plan.originX = ClampInt(ox, 0, plan.width);
  plan.originY = ClampInt(oy, 0, plan.height);
  if (plan.width < thumbfiles::kThumbWidth)
    plan.destX = thumbfiles::kThumbWidth / 2 - plan.width / 2;
  if (plan.height < thumbfiles::kThumbHeight)
    plan.destY = thumbfiles::kThumbHeight / 2 - plan.height / 2;
  const std::int64_t pixels = std::int64_t(t0) * u0;
  if (pixels > kSmallPhotoPixels && plan.percent >= 400) plan.divisor = plan.percent / 200;
  if (pixels <= kSmallPhotoPixels && plan.percent >= 800) plan.divisor = plan.percent / 400;
  return plan;
}

void RenderZoomWindow(const RotatedSource& source, const ZoomPlan& plan, const BlockColour& colour,
                      const pixels::PixelView& cell) {
  if (plan.width <= 0 || plan.height <= 0) return;
  if (plan.scale >= 1) {
    RenderReduced(source, plan, colour, cell);
  } else {
    RenderEnlarged(source, plan, colour, cell);
  }
}

}  // namespace kasumori::thumbs

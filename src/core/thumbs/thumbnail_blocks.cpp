// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_blocks.h"

#include <cmath>

namespace kasumori::thumbs {

int Nearest(double x) { return int(std::trunc(x + 0.5)); }

RotatedSource::RotatedSource(const pixels::ConstPixelView& decoded, int rotation)
    : decoded_(decoded) {
  switch (rotation) {
    case 1:
      quarterTurns_ = 1;
      break;
    case 2:
      quarterTurns_ = 2;
      break;
    case -1:
      quarterTurns_ = 3;
      break;
    default:
      quarterTurns_ = 0;
      break;
  }
  const bool sideways = quarterTurns_ == 1 || quarterTurns_ == 3;
  width_ = sideways ? decoded.height : decoded.width;
  height_ = sideways ? decoded.width : decoded.height;
}

std::ptrdiff_t RotatedSource::ColumnOffset(int x) const {
  constexpr std::ptrdiff_t bpp = pixels::kBytesPerPixel;
  switch (quarterTurns_) {
    case 1:
      return std::ptrdiff_t(decoded_.height - 1 - x) * decoded_.stride;
    case 2:
      return std::ptrdiff_t(decoded_.width - 1 - x) * bpp;
    case 3:
      return std::ptrdiff_t(x) * decoded_.stride;
    default:
      return std::ptrdiff_t(x) * bpp;
  }
}

std::ptrdiff_t RotatedSource::RowOffset(int y) const {
  constexpr std::ptrdiff_t bpp = pixels::kBytesPerPixel;
  switch (quarterTurns_) {
    case 1:
      return std::ptrdiff_t(y) * bpp;
    case 2:
      return std::ptrdiff_t(decoded_.height - 1 - y) * decoded_.stride;
    case 3:
      return std::ptrdiff_t(decoded_.width - 1 - y) * bpp;
    default:
      return std::ptrdiff_t(y) * decoded_.stride;
  }
}

AxisSamples PlanAxis(const RotatedSource& source, SampleAxis axis, const std::vector<int>& origins,
                     int step, int perBlock, int tolerance) {
  const bool columns = axis == SampleAxis::Columns;
  const std::int64_t size = columns ? source.Width() : source.Height();
  AxisSamples plan;
  plan.perBlock = perBlock;
  plan.offsets.reserve(origins.size() * std::size_t(perBlock));
  for (const int origin : origins) {
    for (int a = 0; a < perBlock; ++a) {
      std::int64_t c = std::int64_t(origin) + std::int64_t(a) * step;
      if (c >= size && c <= size + tolerance) c = size - 1;
      if (c < 0 && c >= -tolerance) c = 0;
      if (c < 0 || c >= size) {
        plan.offsets.push_back(kBlackSample);
        continue;
      }
      plan.offsets.push_back(columns ? source.ColumnOffset(int(c)) : source.RowOffset(int(c)));
    }
  }
  return plan;
}

BlockColour::BlockColour(int brightness, int contrast)
    : tone_(pixels::FastToneParams(brightness, contrast)),
      adjusted_(brightness != 0 || contrast != 256) {}

pixels::Bgr BlockColour::Of(std::int64_t red, std::int64_t green, std::int64_t blue,
                            std::int64_t k) const {
  const int r = int(red / k), g = int(green / k), b = int(blue / k);
  if (!adjusted_) return {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)};
  if (red == 0 && green == 0 && blue == 0) return {0, 0, 0};
  return tone_.Apply(r, g, b);
}

void RenderBlocks(const RotatedSource& source, const AxisSamples& columns, const AxisSamples& rows,
                  const BlockColour& colour, const pixels::PixelView& out) {
  const std::uint8_t* data = source.Data();
  const int nx = columns.perBlock, ny = rows.perBlock;
  const std::int64_t k = std::int64_t(nx) * ny;  // black samples count like the others
  for (int y = 0; y < out.height; ++y) {
    const std::ptrdiff_t* rowOffsets = rows.Block(y);
    std::uint8_t* target = out.Row(y);
    for (int x = 0; x < out.width; ++x) {
      const std::ptrdiff_t* columnOffsets = columns.Block(x);
      std::int64_t sb = 0, sg = 0, sr = 0;
      for (int b = 0; b < ny; ++b) {
        if (rowOffsets[b] == kBlackSample) continue;
        const std::uint8_t* row = data + rowOffsets[b];
        for (int a = 0; a < nx; ++a) {
          if (columnOffsets[a] == kBlackSample) continue;
          const std::uint8_t* p = row + columnOffsets[a];
          sb += p[0];
          sg += p[1];
          sr += p[2];
        }
      }
      const pixels::Bgr c = colour.Of(sr, sg, sb, k);
      target[3 * x] = c.b;
      target[3 * x + 1] = c.g;
      target[3 * x + 2] = c.r;
    }
  }
}

}  // namespace kasumori::thumbs

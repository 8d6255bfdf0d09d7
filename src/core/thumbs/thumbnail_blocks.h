// SPDX-License-Identifier: GPL-3.0-or-later
// Block averaging, the one kernel behind every thumbnail: each thumbnail pixel is the colour
// of a block of samples of the rotated photo. The sample positions are planned once per axis
// as byte offsets into the decoded rows, so the kernel only adds bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixels/pixel_view.h"
#include "pixels/tone.h"

namespace kasumori::thumbs {

// x + 0.5 truncated toward zero.
int Nearest(double x);

// The decoded picture seen through a quarter-turn rotation. Rotated pixel (x, y) of the
// t0 × u0 rotated picture is decoded pixel (x, y) for rotation 0, (y, H0 − 1 − x) for 1,
// (W0 − 1 − y, x) for −1 and (W0 − 1 − x, H0 − 1 − y) for 2; its address is
// data + ColumnOffset(x) + RowOffset(y).
class RotatedSource {
 public:
  RotatedSource(const pixels::ConstPixelView& decoded, int rotation);

  int Width() const { return width_; }    // t0
  int Height() const { return height_; }  // u0
  const std::uint8_t* Data() const { return decoded_.data; }
  std::ptrdiff_t ColumnOffset(int x) const;
  std::ptrdiff_t RowOffset(int y) const;
  const std::uint8_t* Pixel(int x, int y) const {
    return decoded_.data + ColumnOffset(x) + RowOffset(y);
  }

 private:
  pixels::ConstPixelView decoded_;
  int quarterTurns_;  // clockwise: 0, 1, 2, 3 (= −1)
  int width_;
  int height_;
};

// The samples of every block along one axis: `perBlock` byte offsets per block, or
// kBlackSample where a sample lies too far outside the picture.
inline constexpr std::ptrdiff_t kBlackSample = PTRDIFF_MIN;

struct AxisSamples {
  int perBlock = 0;
  std::vector<std::ptrdiff_t> offsets;  // blocks × perBlock

  const std::ptrdiff_t* Block(int i) const { return offsets.data() + std::size_t(i) * perBlock; }
};

// A sample coordinate c outside 0 .. size − 1 is taken from the edge when it is at most
// `tolerance` beyond it, and is black further out.
enum class SampleAxis { Columns, Rows };
AxisSamples PlanAxis(const RotatedSource& source, SampleAxis axis, const std::vector<int>& origins,
                     int step, int perBlock, int tolerance);

// The colour of a block from its channel sums and sample count k: the sums div k, and with an
// adjustment, the thumbnail's own brightness and contrast through the fast tone (a block of
// nothing but black stays black whatever the brightness).
class BlockColour {
 public:
  BlockColour(int brightness, int contrast);
  pixels::Bgr Of(std::int64_t red, std::int64_t green, std::int64_t blue, std::int64_t k) const;

 private:
  pixels::ToneTable tone_;
  bool adjusted_;
};

// out pixel (x, y) = the colour of block (columns.Block(x) × rows.Block(y)) of the source;
// out must not be wider or higher than the planned blocks.
void RenderBlocks(const RotatedSource& source, const AxisSamples& columns, const AxisSamples& rows,
                  const BlockColour& colour, const pixels::PixelView& out);

}  // namespace kasumori::thumbs

// SPDX-License-Identifier: GPL-3.0-or-later
// Box-filter resampling of a photo into the compose buffer, with rotation, and the one-sample
// variant the fast path uses for rotated photos. The plan says which source pixels each output
// pixel averages; the kernel only follows it.
#pragma once

#include "pixels/pixel_view.h"
#include "pixels/sample_axis.h"
#include "pixels/tone.h"

namespace kasumori::pixels {

// The resampling of one composition: for display pixel (t, m) the box is every pair of a
// column sample of `columns` at t and a row sample of `rows` at m. When `columnsAreSourceRows`
// (quarter turns) the column samples are source rows and the row samples source columns.
struct ResamplePlan {
  SampleAxis columns;  // along the rotated frame's x
  SampleAxis rows;     // along the rotated frame's y
  bool columnsAreSourceRows = false;
  int outputX = 0;  // where display pixel (0, 0) lands in the output: the margins
  int outputY = 0;
};

// Writes every output pixel the plan reaches; the margin bands above and left of it are set
// black. Averages are sum div count per channel; a pixel with all sums 0 is black, the others
// go through `tone` unless it is the identity. Rows run in `bands` parallel bands with the same
// result for any number.
void Resample(const ConstPixelView& source, const PixelView& output, const ResamplePlan& plan,
              const ToneTable& tone, int bands = 1);

// The two ends of a resampling that follows a decoder writing the source from the top.
class ArrivingRows {
 public:
  virtual ~ArrivingRows() = default;
  // Blocks until source rows [0, rows) are final; false when they will never come.
  virtual bool WaitSource(int rows) = 0;
  // Output rows [0, rows) of the plan (the first is the one below the top margin) are final.
  // Told before every wait and at the end, so that what follows them runs meanwhile.
  virtual void OutputDone(int rows) = 0;
};

// Resample for a source still arriving: one band, output rows in order, each once the source
// rows it reads are final. The pixels are those of Resample. False when WaitSource returned
// false; nothing more of the source is read then.
bool ResampleArriving(const ConstPixelView& source, const PixelView& output,
                      const ResamplePlan& plan, const ToneTable& tone, ArrivingRows& rows);

}  // namespace kasumori::pixels

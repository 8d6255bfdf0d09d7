// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/resample_high.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "pixels/row_bands.h"
#include "pixels/row_sum.h"

namespace kasumori::pixels {

namespace {

int MaxCount(const SampleAxis& axis) {
  int most = 0;
  for (std::size_t o = 0; o + 1 < axis.start.size(); ++o) most = std::max(most, axis.Count(int(o)));
  return most;
}

// Per output row: `acc` gets, for every column coordinate, the sum over the row samples; the
// horizontal pass then adds the column samples of each display pixel. `ready(m)` comes before
// output row m reads the source; false ends the run there.
template <class Acc, class Ready>
bool ResampleRows(const ConstPixelView& src, const PixelView& out, const ResamplePlan& plan,
                  const ToneTable& tone, int first, int end, const Ready& ready) {
  const SampleAxis& cols = plan.columns;
  const SampleAxis& rows = plan.rows;
  const int lo = cols.lowest;
  const int span = cols.highest - cols.lowest + 1;
  std::vector<Acc> acc(std::size_t(std::max(span, 0)) * kBytesPerPixel);
  const int outputCols = int(cols.start.size()) - 1;
  const bool toned = !tone.Identity();
  std::vector<const std::uint8_t*> lines(std::size_t(std::max(MaxCount(rows), 1)));
  for (int m = first; m < end; ++m) {
    if (!ready(m)) return false;
    const std::int32_t* rowSamples = rows.index.data() + rows.start[std::size_t(m)];
    const int rowCount = rows.Count(m);
    if (!plan.columnsAreSourceRows) {
      for (int j = 0; j < rowCount; ++j)
        lines[std::size_t(j)] = src.Row(rowSamples[j]) + std::ptrdiff_t(lo) * kBytesPerPixel;
      SumRows(lines.data(), rowCount, int(acc.size()), acc.data());
    } else {
      for (int s = 0; s < span; ++s) {
        const std::uint8_t* line = src.Row(lo + s);
        Acc b = 0, g = 0, r = 0;
        for (int j = 0; j < rowCount; ++j) {
          const std::uint8_t* p = line + std::ptrdiff_t(rowSamples[j]) * kBytesPerPixel;
          b += p[0];
          g += p[1];
          r += p[2];
        }
        acc[std::size_t(s) * 3] = b;
        acc[std::size_t(s) * 3 + 1] = g;
        acc[std::size_t(s) * 3 + 2] = r;
      }
    }
    std::uint8_t* target =
        out.Row(plan.outputY + m) + std::ptrdiff_t(plan.outputX) * kBytesPerPixel;
    for (int t = 0; t < outputCols; ++t, target += kBytesPerPixel) {
      const int colCount = cols.Count(t);
      const std::int32_t* colSamples = cols.index.data() + cols.start[std::size_t(t)];
      std::uint64_t b = 0, g = 0, r = 0;
      for (int i = 0; i < colCount; ++i) {
        const Acc* a = acc.data() + std::size_t(colSamples[i] - lo) * kBytesPerPixel;
        b += a[0];
        g += a[1];
        r += a[2];
      }
      if ((b | g | r) == 0) {  // no valid sample, or only black ones
        target[0] = target[1] = target[2] = 0;
        continue;
      }
      const std::uint64_t count = std::uint64_t(colCount) * std::uint64_t(rowCount);
      const int ab = int(b / count), ag = int(g / count), ar = int(r / count);
      if (toned) {
        const Bgr c = tone.Apply(ar, ag, ab);
        target[0] = c.b;
        target[1] = c.g;
        target[2] = c.r;
      } else {
        target[0] = std::uint8_t(ab);
        target[1] = std::uint8_t(ag);
        target[2] = std::uint8_t(ar);
      }
    }
  }
  return true;
}

// Sets the margins above and left of the picture black, and the whole area when the plan
// cannot be followed; the output rows to resample, 0 when none.
int PrepareOutput(const ConstPixelView& source, const PixelView& output, const ResamplePlan& plan) {
  if (output.Empty()) return 0;
  FillBlack(SubView(output, 0, 0, output.width, plan.outputY));
  FillBlack(SubView(output, 0, 0, plan.outputX, output.height));
  const int outputRows = std::min(int(plan.rows.start.size()) - 1, output.height - plan.outputY);
  const int outputCols = int(plan.columns.start.size()) - 1;
  if (outputRows <= 0 || outputCols <= 0 || plan.outputX + outputCols > output.width) return 0;
  const int columnLimit = plan.columnsAreSourceRows ? source.height : source.width;
  const int rowLimit = plan.columnsAreSourceRows ? source.width : source.height;
  const bool fits = plan.columns.highest < columnLimit && plan.rows.highest < rowLimit;
  if (source.Empty() || plan.columns.highest < 0 || !fits) {
    FillBlack(SubView(output, plan.outputX, plan.outputY, outputCols, outputRows));
    return 0;
  }
  return outputRows;
}

// Column sums hold up to (row samples × 255); 32 bits suffice for any box a picture of
// reasonable size gives, and the rare giant box takes 64.
bool NeedsWideSums(const ResamplePlan& plan) {
  return std::uint64_t(MaxCount(plan.rows)) * 255 > std::numeric_limits<std::uint32_t>::max();
}

// For each output row, how many source rows from the top it and the rows above it read.
std::vector<int> SourceRowsNeeded(const ResamplePlan& plan, int outputRows) {
  std::vector<int> need(std::size_t(outputRows), plan.columns.highest + 1);
  if (plan.columnsAreSourceRows) return need;  // every row reads a stretch of each source row
  int most = 0;
  for (int m = 0; m < outputRows; ++m) {
    const SampleAxis& rows = plan.rows;
    for (int j = rows.start[std::size_t(m)]; j < rows.start[std::size_t(m) + 1]; ++j)
      most = std::max(most, rows.index[std::size_t(j)] + 1);
    need[std::size_t(m)] = most;
  }
  return need;
}

}  // namespace

void Resample(const ConstPixelView& source, const PixelView& output, const ResamplePlan& plan,
              const ToneTable& tone, int bands) {
  const int outputRows = PrepareOutput(source, output, plan);
  if (outputRows == 0) return;
  const bool wide = NeedsWideSums(plan);
  const auto always = [](int) { return true; };
  RunRowBands(outputRows, bands, [&](int first, int end) {
    if (wide)
      ResampleRows<std::uint64_t>(source, output, plan, tone, first, end, always);
    else
      ResampleRows<std::uint32_t>(source, output, plan, tone, first, end, always);
  });
}

bool ResampleArriving(const ConstPixelView& source, const PixelView& output,
                      const ResamplePlan& plan, const ToneTable& tone, ArrivingRows& rows) {
  const int outputRows = PrepareOutput(source, output, plan);
  if (outputRows == 0) {
    rows.OutputDone(output.height - plan.outputY);  // all of it is final: black
    return true;
  }
  const std::vector<int> need = SourceRowsNeeded(plan, outputRows);
  // Waiting for a few output rows at a time keeps the decoder from waking this thread for
  // every batch of rows it finishes.
  constexpr int kRowsPerWait = 8;
  int known = 0;
  const auto ready = [&](int m) {
    if (need[std::size_t(m)] <= known) return true;
    rows.OutputDone(m);
    known = need[std::size_t(std::min(m + kRowsPerWait, outputRows) - 1)];
    return rows.WaitSource(known);
  };
  const bool complete =
      NeedsWideSums(plan)
          ? ResampleRows<std::uint64_t>(source, output, plan, tone, 0, outputRows, ready)
          : ResampleRows<std::uint32_t>(source, output, plan, tone, 0, outputRows, ready);
  if (complete) rows.OutputDone(outputRows);
  return complete;
}

}  // namespace kasumori::pixels

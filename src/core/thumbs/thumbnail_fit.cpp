// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_fit.h"

#include "thumbfiles/thumbnail_files.h"

namespace kasumori::thumbs {

namespace {

constexpr int kMaxSamplesPerAxis = 8;

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

std::vector<int> Origins(int count, double scale) {
  std::vector<int> origins(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) origins[std::size_t(i)] = Nearest(i * scale);
  return origins;
}

}  // namespace

FitPlan PlanFit(int t0, int u0) {
  FitPlan plan;
  plan.blockSize = CeilDiv(t0, thumbfiles::kThumbWidth);
  const double rv = double(u0) / thumbfiles::kThumbHeight;
  const double rh = double(t0) / thumbfiles::kThumbWidth;
  if (rv > rh) {
    plan.blockSize = CeilDiv(u0, thumbfiles::kThumbHeight);
    plan.scale = rv;
    plan.offsetX = (thumbfiles::kThumbWidth - Nearest(t0 / plan.scale)) / 2;
  } else {
    plan.scale = rh;
    if (rv != rh) plan.offsetY = (thumbfiles::kThumbHeight - Nearest(u0 / plan.scale)) / 2;
  }
  plan.step = CeilDiv(plan.blockSize, kMaxSamplesPerAxis);
  plan.samples = (plan.blockSize - 1) / plan.step + 1;
  plan.tolerance = plan.samples - 1;
  return plan;
}

void RenderFitted(const RotatedSource& source, const FitPlan& plan, const BlockColour& colour,
                  const pixels::PixelView& cell) {
  // Only the cell pixels from the offset on are written: x + X0 <= 79 and y + Y0 <= 59.
  const int width = thumbfiles::kThumbWidth - plan.offsetX;
  const int height = thumbfiles::kThumbHeight - plan.offsetY;
  const AxisSamples columns = PlanAxis(source, SampleAxis::Columns, Origins(width, plan.scale),
                                       plan.step, plan.samples, plan.tolerance);
  const AxisSamples rows = PlanAxis(source, SampleAxis::Rows, Origins(height, plan.scale),
                                    plan.step, plan.samples, plan.tolerance);
  RenderBlocks(source, columns, rows, colour,
               pixels::SubView(cell, plan.offsetX, plan.offsetY, width, height));
}

}  // namespace kasumori::thumbs

// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a row kernel over [0, rows) in `bands` contiguous bands, one band on the calling thread
// and the others on their own threads. Kernels given to it write disjoint rows and read only
// memory nobody writes meanwhile, so the result does not depend on the number of bands.
#pragma once

#include <algorithm>
#include <thread>
#include <vector>

namespace kasumori::display {

// Two bands use both cores of the machines this is built for; small pictures stay on one.
inline constexpr int kDefaultBands = 2;
inline constexpr int kMinRowsPerBand = 32;

template <class Kernel>  // Kernel: void(int firstRow, int endRow)
void RunRowBands(int rows, int bands, const Kernel& kernel) {
  bands = std::clamp(bands, 1, std::max(1, rows / kMinRowsPerBand));
  if (bands == 1) {
    if (rows > 0) kernel(0, rows);
    return;
  }
  std::vector<std::thread> helpers;
  helpers.reserve(std::size_t(bands - 1));
  for (int band = 1; band < bands; ++band) {
    const int first = int(std::int64_t(rows) * band / bands);
    const int end = int(std::int64_t(rows) * (band + 1) / bands);
    helpers.emplace_back([&kernel, first, end] { kernel(first, end); });
  }
  kernel(0, int(std::int64_t(rows) / bands));
  for (auto& helper : helpers) helper.join();
}

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a row kernel over [0, rows) in `bands` contiguous bands, one band on the calling thread
// and the others on their own threads. Kernels given to it write disjoint rows and read only
// memory nobody writes meanwhile, so the result does not depend on the number of bands.
#pragma once

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

namespace kasumori::pixels {

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
  const auto start = [&](int band) { return int(std::int64_t(rows) * band / bands); };
  std::vector<std::thread> helpers;
  helpers.reserve(std::size_t(bands - 1));
  int band = 1;
  try {
    for (; band < bands; ++band) {
      const int first = start(band), end = start(band + 1);
      helpers.emplace_back([&kernel, first, end] { kernel(first, end); });
    }
  } catch (const std::system_error&) {
    // No thread to be had: the calling thread runs the bands left over as well.
  }
  kernel(0, start(1));
  if (band < bands) kernel(start(band), rows);
  for (auto& helper : helpers) helper.join();
}

}  // namespace kasumori::pixels

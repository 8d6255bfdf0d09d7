// SPDX-License-Identifier: GPL-3.0-or-later
// Timing for the benchmark programs: every case is measured next to a plain baseline of the
// same work in the same run, and reported as one line
//   <name>: <ratio>x baseline (<ms> ms vs <ms> ms)
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace kasumori::bench {

// The median wall time of `runs` calls, in milliseconds.
inline double MedianMs(const std::function<void()>& work, int runs = 5) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    work();
    auto end = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

inline void Report(const std::string& name, double ms, double baselineMs) {
  std::printf("%s: %.2fx baseline (%.2f ms vs %.2f ms)\n", name.c_str(),
              baselineMs > 0 ? ms / baselineMs : 0.0, ms, baselineMs);
  std::fflush(stdout);
}

// For cases measured against a fixed target rather than a baseline.
inline void ReportAbsolute(const std::string& name, double ms, const std::string& unit = "ms") {
  std::printf("%s: %.3f %s\n", name.c_str(), ms, unit.c_str());
  std::fflush(stdout);
}

}  // namespace kasumori::bench

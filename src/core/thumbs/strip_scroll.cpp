// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/strip_scroll.h"

#include <algorithm>

namespace kasumori::thumbs {

namespace {
using config::ListDirection;

// a: 1 for a right-to-left list, else 0.
int RightToLeft(ListDirection direction) { return direction == ListDirection::RightToLeft ? 1 : 0; }

// The last index the wide window pages to: PhotoCount + a − 42.
int WideLimit(int photoCount, ListDirection direction) {
  return photoCount + RightToLeft(direction) - (kLastWideCell - 5);
}
}  // namespace

int CellPosition(int currentIndex, int cell, ListDirection direction) {
  return currentIndex + cell - RightToLeft(direction) - 4;
}

int SelectionFrameLeft(ListDirection direction) {
  return direction == ListDirection::RightToLeft ? 363 : 278;
}

std::optional<int> StepForwardOnce(int currentIndex, int photoCount, int step, bool wideWindowShown,
                                   ListDirection direction) {
  int limit = photoCount;
  if (wideWindowShown && step != 1 && step != kStripCells) {
    limit = WideLimit(photoCount, direction);
    if (limit < currentIndex) return std::nullopt;
  }
  if (currentIndex == limit || photoCount < 2) return std::nullopt;
  return std::min(currentIndex + step, limit);
}

std::optional<int> StepBackOnce(int currentIndex, int photoCount, int step) {
  // An empty list has no position to go back to.
  if (currentIndex == 1 || photoCount < 1) return std::nullopt;
  return std::max(currentIndex - step, 1);
}

std::optional<int> GoToStartIndex(int currentIndex, int photoCount) {
  if (currentIndex == 1 || photoCount < 1) return std::nullopt;
  return 1;
}

std::optional<int> GoToEndIndex(int currentIndex, int photoCount) {
  if (currentIndex == photoCount || photoCount < 2) return std::nullopt;
  return photoCount;
}

std::optional<int> WideGoToEndIndex(int currentIndex, int photoCount, ListDirection direction) {
  const int limit = WideLimit(photoCount, direction);
  if (currentIndex >= limit || photoCount <= 1) return std::nullopt;
  return limit;
}

}  // namespace kasumori::thumbs

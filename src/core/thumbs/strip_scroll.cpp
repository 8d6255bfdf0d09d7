// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/strip_scroll.h"

#include <algorithm>

namespace kasumori::thumbs {

namespace {
int RightToLeft(int listDirection) { return listDirection == -1 ? 1 : 0; }

// The last index the wide window pages to: PhotoCount + a − 42.
int WideLimit(int photoCount, int listDirection) {
  return photoCount + RightToLeft(listDirection) - (kLastWideCell - 5);
}
}  // namespace

int CellPosition(int currentIndex, int cell, int listDirection) {
  return currentIndex + cell - RightToLeft(listDirection) - 4;
}

int SelectionFrameLeft(int listDirection) { return listDirection == -1 ? 363 : 278; }

std::optional<int> StepForwardOnce(int currentIndex, int photoCount, int step, bool wideWindowShown,
                                   int listDirection) {
  int limit = photoCount;
  if (wideWindowShown && step != 1 && step != kStripCells) {
    limit = WideLimit(photoCount, listDirection);
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

std::optional<int> WideGoToEndIndex(int currentIndex, int photoCount, int listDirection) {
  const int limit = WideLimit(photoCount, listDirection);
  if (currentIndex >= limit || photoCount <= 1) return std::nullopt;
  return limit;
}

}  // namespace kasumori::thumbs

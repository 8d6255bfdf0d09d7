// SPDX-License-Identifier: GPL-3.0-or-later
// Which list position each thumbnail cell shows, and how the strip scrolls.
#pragma once

#include "config/modes.h"

#include <optional>

namespace kasumori::thumbs {

inline constexpr int kStripCells = 8;  // cells 1..8 in the strip
inline constexpr int kWideCells = 39;  // cells 9..47 in the wide window
inline constexpr int kFirstWideCell = 9;
inline constexpr int kLastWideCell = 47;

// Cell i (1..47) shows position CurrentIndex + i − a − 4, a = 1 for a right-to-left list:
// the current photo sits in cell 4 (left to right) or cell 5 (right to left).
int CellPosition(int currentIndex, int cell, config::ListDirection direction);

// The left of the selection frame: around cell 4, or cell 5 for a right-to-left list.
int SelectionFrameLeft(config::ListDirection direction);

// One step of the forward and back buttons; nothing when the strip cannot move. With the
// wide window open, its own page step (neither 1 nor 8) stops where the window's last cell
// shows the last photo.
std::optional<int> StepForwardOnce(int currentIndex, int photoCount, int step, bool wideWindowShown,
                                   config::ListDirection direction);
std::optional<int> StepBackOnce(int currentIndex, int photoCount, int step);

std::optional<int> GoToStartIndex(int currentIndex, int photoCount);
std::optional<int> GoToEndIndex(int currentIndex, int photoCount);
// The wide window's end button: its paging limit, PhotoCount + a − 42.
std::optional<int> WideGoToEndIndex(int currentIndex, int photoCount,
                                    config::ListDirection direction);

}  // namespace kasumori::thumbs

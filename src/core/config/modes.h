// SPDX-License-Identifier: GPL-3.0-or-later
// The modes the settings hold, as the code uses them. The settings file keeps each as the number
// given here; only the settings codec sees those numbers.
#pragma once

#include <cstdint>

namespace kasumori::config {

enum class SortOrder : std::uint8_t { FileName = 1, FileDate = 2, ExifDate = 3 };

enum class ListDirection : int { LeftToRight = 1, RightToLeft = -1 };

// The four standard sizes, and a custom size with the layout it is shown in (automatic: the
// smallest layout whose display area holds it). A number the file holds that names none of
// these is a custom size in the 800 layout.
enum class WindowSizeMode : std::uint8_t {
  Size480 = 1,
  Size640 = 2,
  Size800 = 3,
  CustomAutomatic = 4,
  Custom480 = 5,
  Custom640 = 6,
  Custom800 = 7,
  Size1024 = 8,
  Custom1024 = 9,
};

enum class QualityMode { High = 0, Fast = 1 };

enum class PictureEffect { Normal = 0, Chrome = 1, Sepia = 2, BlackWhite = 3 };

enum class HistogramMode { OnClick = 0, Automatic = 1 };

// The order in which the strip's cells are drawn and a panorama's panes filled: from the first
// towards the last, or back from the last.
enum class Direction { Forward, Backward };

// A right-to-left list draws and fills backwards.
inline Direction DrawingDirection(ListDirection direction) {
  return direction == ListDirection::RightToLeft ? Direction::Backward : Direction::Forward;
}

inline ListDirection Reversed(ListDirection direction) {
  return direction == ListDirection::RightToLeft ? ListDirection::LeftToRight
                                                 : ListDirection::RightToLeft;
}

}  // namespace kasumori::config

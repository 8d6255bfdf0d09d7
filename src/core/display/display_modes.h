// SPDX-License-Identifier: GPL-3.0-or-later
// The display modes that last beyond one photo. The display driver holds the one copy; every
// feature reads them there.
#pragma once

namespace kasumori::display {

// One photo, two side by side (the second on the left when reversed), or four in a square.
enum class PanoramaMode { Single, Two, TwoReversed, Four };

inline int PaneCount(PanoramaMode mode) {
  switch (mode) {
    case PanoramaMode::Two:
    case PanoramaMode::TwoReversed:
      return 2;
    case PanoramaMode::Four:
      return 4;
    case PanoramaMode::Single:
      break;
  }
  return 1;
}

struct DisplayModes {
  display::PanoramaMode PanoramaMode = display::PanoramaMode::Single;
  bool ZoomMode = false;
  bool WideMode = false;
  bool FullScreenActive = false;
  bool SlideshowActive = false;

  bool Panorama() const { return PanoramaMode != display::PanoramaMode::Single; }
};

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/pane_geometry.h"

namespace kasumori::display {

int PaneAt(PanoramaMode mode, int x, int y, int width, int height) {
  const bool right = x >= width / 2;
  switch (mode) {
    case PanoramaMode::Single:
      return 1;
    case PanoramaMode::Two:
      return right ? 2 : 1;
    case PanoramaMode::TwoReversed:
      return right ? 1 : 2;
    case PanoramaMode::Four:
      return (y < height / 2 ? 1 : 3) + (right ? 1 : 0);
  }
  return 1;
}

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
// Where the panes of a panorama lie in the display area.
#pragma once

#include "display/display_modes.h"

namespace kasumori::display {

// The number of the pane drawn at x, y of a width × height area: by the half for two panes
// (the reversed mode draws pane 2 on the left), by the quarter for four. 1 outside panorama.
int PaneAt(PanoramaMode mode, int x, int y, int width, int height);

}  // namespace kasumori::display

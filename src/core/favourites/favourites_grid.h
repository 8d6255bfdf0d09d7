// SPDX-License-Identifier: GPL-3.0-or-later
// How many thumbnail columns and rows the favourites windows have, by the main window's size.
#pragma once

#include "config/modes.h"

#include <QSize>

namespace kasumori::favourites {

struct FavouritesGrid {
  int columns;
  int rows;
};

// The standard modes and the custom ones with a fixed layout follow their layout; the
// automatic custom size goes by its display area.
FavouritesGrid GridFor(config::WindowSizeMode mode, QSize displayArea);

}  // namespace kasumori::favourites

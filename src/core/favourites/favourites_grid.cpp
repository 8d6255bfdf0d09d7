// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_grid.h"

namespace kasumori::favourites {

FavouritesGrid GridFor(config::WindowSizeMode mode, QSize displayArea) {
  using M = config::WindowSizeMode;
  constexpr FavouritesGrid kSmall{6, 6};
  constexpr FavouritesGrid kMedium{6, 8};
  constexpr FavouritesGrid kLarge{8, 10};
  switch (mode) {
    case M::Size480:
    case M::Custom480:
      return kSmall;
    case M::Size640:
    case M::Custom640:
      return kMedium;
    case M::Size800:
    case M::Custom800:
    case M::Size1024:
    case M::Custom1024:
      return kLarge;
    case M::CustomAutomatic:
      break;
  }
  const int w = displayArea.width();
  const int h = displayArea.height();
  if (w > 640 || h > 480) return kLarge;
  if (w > 480 || h > 360) return kMedium;
  return kSmall;
}

}  // namespace kasumori::favourites

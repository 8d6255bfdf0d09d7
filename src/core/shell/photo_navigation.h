// SPDX-License-Identifier: GPL-3.0-or-later
// Next and previous photo: how the strip cursor moves before the photo at it is shown.
#pragma once

#include "config/modes.h"
#include "display/display_modes.h"
#include "library/photo_list.h"

#include <QString>

namespace kasumori::shell {

struct NavigationStep {
  bool cursorMoved = false;  // the strip is redrawn and the slot remembers the position
  bool show = false;         // the photo at CurrentIndex is shown
};

struct NavigationContext {
  QString shownPhotoName;  // empty when no photo is displayed
  config::ListDirection listDirection = config::ListDirection::LeftToRight;
  display::PanoramaMode panoramaMode = display::PanoramaMode::Single;
  bool shift = false;  // steps by one photo in panorama modes
};

// Moves CurrentIndex forward when the photo at the cursor is already displayed (or the cursor
// is on no photo); otherwise leaves it, so that the photo at the cursor is shown first.
NavigationStep NextPhoto(library::PhotoList& list, const NavigationContext& context);
NavigationStep PreviousPhoto(library::PhotoList& list, const NavigationContext& context);

}  // namespace kasumori::shell

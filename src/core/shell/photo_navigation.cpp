// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/photo_navigation.h"

#include <algorithm>

namespace kasumori::shell {

namespace {

// Photos beyond the first that one step covers in a panorama mode.
int ExtraPanes(display::PanoramaMode mode) { return display::PaneCount(mode) - 1; }

// Whether the photo at the cursor is the one on display. A right-to-left panorama fills its
// panes backwards from the cursor, so the displayed photo (that of the first pane) lies the
// other panes' worth before it.
bool CursorPhotoIsShown(const library::PhotoList& list, const NavigationContext& c) {
  int b = list.CurrentIndex;
  if (c.listDirection == config::ListDirection::RightToLeft)
    b = std::max(1, b - ExtraPanes(c.panoramaMode));
  if (b < 1 || b > list.PhotoCount) return true;
  return list.Name(b) == c.shownPhotoName;
}

bool OnAPhoto(const library::PhotoList& list) {
  return list.CurrentIndex >= 1 && list.CurrentIndex <= list.PhotoCount;
}

}  // namespace

NavigationStep NextPhoto(library::PhotoList& list, const NavigationContext& c) {
  if (!CursorPhotoIsShown(list, c)) return {false, OnAPhoto(list)};
  if (list.CurrentIndex >= list.PhotoCount) return {};
  ++list.CurrentIndex;
  const int extra = c.shift ? 0 : ExtraPanes(c.panoramaMode);
  for (int i = 0; i < extra && list.CurrentIndex < list.PhotoCount; ++i) ++list.CurrentIndex;
  return {true, OnAPhoto(list)};
}

NavigationStep PreviousPhoto(library::PhotoList& list, const NavigationContext& c) {
  if (!CursorPhotoIsShown(list, c)) return {false, OnAPhoto(list)};
  if (list.CurrentIndex < 2) return {};
  --list.CurrentIndex;
  const int extra = c.shift ? 0 : ExtraPanes(c.panoramaMode);
  for (int i = 0; i < extra && list.CurrentIndex > 1; ++i) --list.CurrentIndex;
  return {true, OnAPhoto(list)};
}

}  // namespace kasumori::shell

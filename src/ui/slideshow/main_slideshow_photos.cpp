// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slideshow/main_slideshow_photos.h"

#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"

#include <algorithm>

namespace kasumori::ui {

bool MainSlideshowPhotos::RightToLeft() const {
  return p_.settings.ListDirection == config::ListDirection::RightToLeft;
}

int MainSlideshowPhotos::FirstPosition() const {
  if (p_.list.PhotoCount < 1) return 0;
  return RightToLeft() ? p_.list.PhotoCount : 1;
}

int MainSlideshowPhotos::LastPosition() const {
  if (p_.list.PhotoCount < 1) return 0;
  return RightToLeft() ? 1 : p_.list.PhotoCount;
}

// In full screen the photo on the screen is the one to start from, whichever it is.
bool MainSlideshowPhotos::NeedsFirstPhoto() const {
  if (p_.list.PhotoCount < 1) return false;
  const display::ShownPhoto& shown = p_.display.Driver().Shown();
  if (!shown.Shown()) return true;
  if (p_.fullScreen()) return false;
  // A right-to-left panorama fills its panes backwards from the position: the shown photo,
  // the first pane's, lies the other panes' worth before it.
  int at = p_.list.CurrentIndex;
  if (RightToLeft()) {
    at = std::max(1, at - display::PaneCount(p_.display.Driver().Modes().PanoramaMode) + 1);
  }
  const bool current = at >= 1 && at <= p_.list.PhotoCount && shown.Name == p_.list.Name(at) &&
                       shown.Folder == p_.folders.CurrentFolder;
  return !current;
}

bool MainSlideshowPhotos::AtEnd() const {
  return p_.list.PhotoCount < 1 || p_.list.CurrentIndex == LastPosition();
}

bool MainSlideshowPhotos::AtStart() const { return p_.list.CurrentIndex == FirstPosition(); }

void MainSlideshowPhotos::StepOn() {
  RightToLeft() ? p_.display.PreviousPhoto(false, true) : p_.display.NextPhoto(false, true);
}

void MainSlideshowPhotos::StepBack() {
  RightToLeft() ? p_.display.NextPhoto(false, true) : p_.display.PreviousPhoto(false, true);
}

void MainSlideshowPhotos::ShowCurrent() {
  const int at = p_.list.CurrentIndex;
  if (at >= 1 && at <= p_.list.PhotoCount) p_.display.ShowPhoto(at);
}

void MainSlideshowPhotos::MoveTo(int position) {
  p_.list.CurrentIndex = position;
  if (p_.folders.HasSlot()) p_.folders.SlotPositionOfCurrent() = position;
  if (p_.redrawStrip) p_.redrawStrip();
}

void MainSlideshowPhotos::ToFirst() { MoveTo(FirstPosition()); }

void MainSlideshowPhotos::ToLast() { MoveTo(LastPosition()); }

void MainSlideshowPhotos::NextFolder() { p_.folderPanel.Panel().NextFolder(); }

void MainSlideshowPhotos::PreviousFolder() { p_.folderPanel.Panel().PreviousFolder(); }

// A slot whose root has gone cannot be walked: the walk counts as back at the root.
bool MainSlideshowPhotos::AtSlotRoot() const {
  if (!p_.folderPanel.Panel().CurrentSlotHasRoot()) return true;
  const library::FolderTree& tree = p_.folderPanel.Tree();
  return tree.Selected() == nullptr || tree.Selected() == tree.Root();
}

}  // namespace kasumori::ui

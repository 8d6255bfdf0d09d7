// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's photo list, folder tree and display as the slideshow walks them.
#pragma once

#include "config/settings.h"
#include "library/folder_state.h"
#include "library/photo_list.h"
#include "slideshow/slideshow_run.h"

#include <functional>

namespace kasumori::ui {

class FolderPanelView;
class MainDisplay;

struct SlideshowPhotosParts {
  library::PhotoList& list;
  library::FolderState& folders;
  const config::Settings& settings;
  MainDisplay& display;
  FolderPanelView& folderPanel;
  std::function<void()> redrawStrip;
  std::function<bool()> fullScreen;
};

class MainSlideshowPhotos final : public slideshow::SlideshowPhotos {
 public:
  explicit MainSlideshowPhotos(SlideshowPhotosParts parts) : p_(std::move(parts)) {}

  bool NeedsFirstPhoto() const override;
  bool AtEnd() const override;
  bool AtStart() const override;
  void StepOn() override;
  void StepBack() override;
  void ShowCurrent() override;
  void ToFirst() override;
  void ToLast() override;
  bool SlotSelected() const override { return p_.folders.HasSlot(); }
  void NextFolder() override;
  void PreviousFolder() override;
  bool AtSlotRoot() const override;
  bool HasPhotos() const override { return p_.list.PhotoCount > 0; }

 private:
  bool RightToLeft() const;
  // The first and the last photo in the list's direction (0 on an empty list).
  int FirstPosition() const;
  int LastPosition() const;
  void MoveTo(int position);

  SlideshowPhotosParts p_;
};

}  // namespace kasumori::ui

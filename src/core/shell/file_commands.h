// SPDX-License-Identifier: GPL-3.0-or-later
// The shown photo's file commands (delete, rename, a drop on a folder) and what follows each:
// which list is read again, where the cursor stands, whether the display is cleared and what
// is shown next. The window only supplies the screen they act on.
#pragma once

#include "display/name_labels.h"
#include "display/photo_display.h"
#include "display/shown_photo.h"
#include "library/fileops/photo_commands.h"
#include "library/photo_list_controller.h"
#include "shell/app_model.h"

#include <QString>

#include <optional>

namespace kasumori::shell {

// The parts of the window the file commands change.
class PhotoScreen {
 public:
  virtual ~PhotoScreen() = default;
  // The photo on display (its name changes with a rename) and whether a panorama shows it.
  virtual display::ShownPhoto& Shown() = 0;
  virtual bool PanoramaShown() const = 0;
  // The shown photo leaves the view: grey, no histogram, nothing remembered as shown.
  virtual void ClearDisplay() = 0;
  // The strip redrawn for CurrentIndex, its name tag hidden.
  virtual void RedrawStrip() = 0;
  virtual void ShowPhoto(int position) = 0;
  virtual void HideNameTag() = 0;
  virtual void ShowNameLabels(const display::NameLabels& labels) = 0;
  // The rename dialog; nothing when the user cancels it.
  virtual std::optional<QString> AskNewName(const QString& currentName) = 0;
  // Makes the photo's folder current, lists it and shows the photo.
  virtual void ShowPhotoByPath(const QString& path) = 0;
};

class FileCommands {
 public:
  FileCommands(AppModel& model, library::PhotoListController& lists, PhotoScreen& screen);

  void DeleteShownPhoto();
  void RenameShownPhoto();
  // A photo dropped on a folder of the tree, from the view (the shown photo) or the strip.
  void MoveDroppedPhoto(const QString& photoPath, const QString& folder, library::DragSource from);
  // A shown record whose photo is gone (already reported as unreadable): the user may trash it
  // or say where the photo is now, and the record is then shown from there.
  void ResolveMissingSource(const display::MissingRecordSource& missing);

 private:
  library::PhotoPlace ShownPlace();
  // The list read again with the cursor where it was (or at the end of a shorter list).
  void RescanKeepingPosition();
  // ... and the photo now at the cursor shown: what follows a photo leaving the display.
  void RescanAndShowCurrent();

  AppModel& model_;
  library::PhotoListController& lists_;
  PhotoScreen& screen_;
};

}  // namespace kasumori::shell

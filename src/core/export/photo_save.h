// SPDX-License-Identifier: GPL-3.0-or-later
// The save command: the photo as the main window shows it into a new JPEG or BMP file, through
// the options dialog, the quality and black-bar questions and the save-file dialog.
#pragma once

#include "config/settings.h"
#include "export/save_area.h"
#include "export/save_options.h"
#include "export/saved_overlays.h"
#include "library/archive_folder.h"
#include "pixels/pixel_view.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"

#include <QString>

#include <functional>
#include <vector>
#include <optional>

namespace kasumori::exporting {

// What is on screen when the command starts.
struct SaveScene {
  QString folder;  // the shown photo's folder and listed name (an edit record's own name)
  QString name;
  SaveAreaInput area;
};

struct SaveDeps {
  config::Settings& settings;
  platform::DialogService& dialogs;
  platform::PickerService& picker;
};

struct SaveHooks {
  // The options dialog on a copy of the options; true on "決定".
  std::function<bool(SaveOptions& options)> askOptions;
  std::function<void()> saveSettings;
  // The quality mode set and the shown photo drawn again with it.
  std::function<void(config::QualityMode mode)> redrawInQuality;
  // The screen picture as the compositors left it, at the display area's origin.
  std::function<pixels::ConstPixelView()> screen;
  std::function<void(bool busy)> setBusy;
  // The comment strips on screen, in the display area's coordinates.
  std::function<std::vector<SavedOverlay>()> overlays;
  // The shown photo's member extracted from its archive, for its Exif segment.
  std::function<std::optional<library::ExtractedPhoto>(const QString& path)> extractArchived = {};
};

class PhotoSave {
 public:
  // `firstFolder` is where the first save dialog of the run opens (the desktop); while it is
  // not a folder, the dialog opens in the photo's.
  PhotoSave(SaveDeps deps, QString firstFolder) : d_(deps), lastFolder_(std::move(firstFolder)) {}

  // The photo is shown; the no-photo notice is the command table's.
  void Run(const SaveScene& scene, const SaveHooks& hooks);

  // The folder the save dialog opens in: the last one saved into.
  const QString& LastFolder() const { return lastFolder_; }

 private:
  bool ChooseOptions(SaveOptions& options, const SaveHooks& hooks);
  QRect ChooseArea(const SaveAreaPlan& plan);
  std::optional<QString> ChooseTarget(const SaveScene& scene, const SaveOptions& options,
                                      bool wholeZoom);
  void Write(const SaveScene& scene, const SaveOptions& options, const QRect& area,
             const QString& target, const SaveHooks& hooks);

  SaveDeps d_;
  QString lastFolder_;
};

// The file the Exif segment comes from: an edit record's photo, else the shown file.
QString ExifSourcePath(const QString& folder, const QString& name);
// The same for a photo inside an archive: its extracted member (an edit record's photo), kept
// in `extracted` until the save is written.
QString ExifSourcePath(const QString& folder, const QString& name, const SaveHooks& hooks,
                       library::ExtractedFiles& extracted);

}  // namespace kasumori::exporting

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/photo_save.h"
#include "pixels/work_picture.h"
#include "shell/app_model.h"

#include <functional>

class QWidget;

namespace kasumori::ui {

class MainDisplay;

struct PhotoSaveDeps {
  QWidget& window;
  shell::AppModel& model;
  MainDisplay& display;
  std::function<void()> saveSettings;
};

// The main window's save command: the scene from the display, the options dialog, and the
// display drawn again in another quality mode when the save asks for it.
class PhotoSaveView {
 public:
  explicit PhotoSaveView(PhotoSaveDeps deps);

  // The no-photo notice is given before this, by the command table.
  void Run();

 private:
  exporting::SaveScene Scene();
  void RedrawInQuality(config::QualityMode mode);
  // The screen picture, or the whole zoomed picture rendered for a save of the whole zoom.
  pixels::ConstPixelView Captured(bool wholeZoom);

  PhotoSaveDeps d_;
  exporting::PhotoSave save_;
  pixels::WorkPicture wholeZoom_;  // held only while a save runs
};

}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// Panorama mode in the main window: the menu entries that choose it, the status label that
// toggles it, the double click that leaves it through a pane, and the release command.
#pragma once

#include "display/display_modes.h"
#include "library/photo_list.h"
#include "platform/dialog_service.h"

#include <QPoint>

#include <functional>

class QWidget;

namespace kasumori::ui {

class MainDisplay;
struct MainMenu;
struct MainPanels;

struct PanoramaViewParts {
  QWidget& window;
  MainPanels& panels;
  MainMenu& menu;
  MainDisplay& display;
  const library::PhotoList& list;
  platform::DialogService& dialogs;
  std::function<bool()> uiReady;
  std::function<void(bool ready)> setUiReady;
  std::function<void(const QString& path)> showPhotoByPath;
  std::function<void()> openFullScreen;
};

class PanoramaView {
 public:
  explicit PanoramaView(PanoramaViewParts parts) : p_(std::move(parts)) {}

  // A menu entry: the mode, and the current photo shown again in it.
  void Choose(display::PanoramaMode mode);
  // The mode only, checked in the menu; the slideshow shows the photos in it.
  void SetMode(display::PanoramaMode mode);
  // A press on the status label: panorama off when on, two panes when off.
  void ToggleByLabel();
  // A double click on the view at `at`: full screen, or the photo of the pane there alone.
  void DoubleClick(QPoint at);
  // N, the release button and its menu entry: out of panorama (or zoom) to the photo alone.
  void Release();

 private:
  void ShowCurrentBusy();
  void Leave();
  bool PhotoShown() const;

  PanoramaViewParts p_;
};

}  // namespace kasumori::ui

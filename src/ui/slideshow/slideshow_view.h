// SPDX-License-Identifier: GPL-3.0-or-later
// The slideshow in the main window or full screen: the settings dialog, the run with its
// timers and hooks, and the requests to stop that come from the windows while it runs.
#pragma once

#include "display/display_modes.h"
#include "platform/linux_platform.h"
#include "shell/app_model.h"
#include "slideshow/slideshow_run.h"
#include "slideshow/transitions.h"
#include "ui/platform/screen_saver.h"
#include "ui/slideshow/main_slideshow_photos.h"

#include <QObject>

#include <functional>

namespace kasumori::ui {

class FolderPanelView;
class FullScreenView;
class MainDisplay;
struct MainPanels;

struct SlideshowViewDeps {
  QWidget& window;
  shell::AppModel& model;
  MainPanels& panels;
  MainDisplay& display;
  FolderPanelView& folders;
  FullScreenView& fullScreen;
  std::function<void()> redrawStrip;
  std::function<void()> saveSettings;
  std::function<void(display::PanoramaMode mode)> setPanorama;
};

class SlideshowView final : public QObject {
  Q_OBJECT

 public:
  explicit SlideshowView(SlideshowViewDeps deps);
  ~SlideshowView() override;

  // The menu entries and F9: the dialog and the show, or a stop when one runs.
  void Command();
  // The show "全画面スタート" asked for, once the full-screen window is up.
  void StartInFullScreen();
  void KeyPressed(int key) { run_.KeyPressed(key); }
  void RequestStop() { run_.RequestStop(); }
  bool Running() const { return run_.Running(); }
  slideshow::SlideshowRun& Run() { return run_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  slideshow::SlideshowHooks Hooks();
  void Start();
  void Started();
  void BlankScreen();
  void TransitionEnded();
  void StopShown();
  void Finished();
  void RestoreMainWindow();
  bool FullScreenActive() const;

  SlideshowViewDeps d_;
  platform::QtTicker waitTimer_;
  platform::QtTicker stepTimer_;
  slideshow::SystemRandom random_;
  MainSlideshowPhotos photos_;
  slideshow::SlideshowRun run_;
  ScreenSaverInhibitor screenSaver_;
  bool forbiddenCursor_ = false;
};

}  // namespace kasumori::ui

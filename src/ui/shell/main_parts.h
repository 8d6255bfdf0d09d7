// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's features, made once and wired to one another.
#pragma once

#include "shell/app_model.h"

#include <functional>
#include <memory>

namespace kasumori::library {
class PhotoListController;
}
namespace kasumori::thumbs {
class ThumbnailMaker;
}

namespace kasumori::ui {

class AppsView;
class FavouritesView;
class FullScreenView;
class PanoramaView;
class SlideshowView;
class InputPacer;
class MainCommands;
class MainDisplay;
class PhotoSaveView;
class TMainForm;
class ThumbStrip;
class FolderPanelView;
class TWideThumbForm;
class TransferView;
class ViewImage;
struct MainMenu;
struct MainPanels;

// What the window has made before its features: the model, its panels, menus and view.
struct MainPartsContext {
  TMainForm& window;
  shell::AppModel& model;
  MainPanels& panels;
  MainMenu& menu;
  ViewImage& view;
  InputPacer& pacer;
  std::function<void()> saveSettings;
};

class MainParts {
 public:
  explicit MainParts(MainPartsContext context);
  ~MainParts();
  MainParts(const MainParts&) = delete;
  MainParts& operator=(const MainParts&) = delete;

  library::PhotoListController& Lists() { return *lists_; }
  MainDisplay& Display() { return *display_; }
  ThumbStrip& Strip() { return *strip_; }
  TWideThumbForm& Wide() { return *wide_; }
  FolderPanelView& Folders() { return *folders_; }
  MainCommands& Commands() { return *commands_; }
  SlideshowView& Slideshow() { return *slideshow_; }
  FullScreenView& FullScreen() { return *fullScreen_; }
  PanoramaView& Panorama() { return *panorama_; }
  AppsView& Apps() { return *apps_; }

 private:
  void MakeLists();
  void MakeThumbnailMaker();
  void MakeDisplayAndStrips();
  void MakeFolderPanel();
  void MakeFavourites();
  void MakeExport();
  void MakeApps();
  void MakeTransfer();
  void MakeFullScreenAndSlideshow();
  bool UiReady() const;
  void RedrawStrip();

  MainPartsContext c_;
  // Made in this order; each may refer to those before it, and those after it only from
  // call-backs, which run once all are made. They go in the reverse order.
  std::unique_ptr<library::PhotoListController> lists_;
  std::unique_ptr<thumbs::ThumbnailMaker> thumbnailMaker_;
  std::unique_ptr<MainDisplay> display_;
  QString listedFolder_;  // the folder of the last list, whose photos may be decoded ahead
  std::unique_ptr<ThumbStrip> strip_;
  std::unique_ptr<TWideThumbForm> wide_;
  std::unique_ptr<FolderPanelView> folders_;
  std::unique_ptr<FavouritesView> favourites_;
  std::unique_ptr<PhotoSaveView> photoSave_;
  std::unique_ptr<AppsView> apps_;
  std::unique_ptr<TransferView> transfer_;
  std::unique_ptr<FullScreenView> fullScreen_;
  std::unique_ptr<PanoramaView> panorama_;
  std::unique_ptr<SlideshowView> slideshow_;
  std::unique_ptr<MainCommands> commands_;
};

}  // namespace kasumori::ui

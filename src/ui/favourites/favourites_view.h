// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/shown_photo.h"
#include "favourites/favourite_thumbnails.h"
#include "favourites/favourites_grid.h"
#include "shell/app_model.h"
#include "thumbs/thumbnail_maker.h"

#include <functional>
#include <memory>

class QWidget;

namespace kasumori::ui {

class TOkiniForm;

struct FavouritesViewDeps {
  QWidget& window;
  shell::AppModel& model;
  thumbs::ThumbnailMaker& maker;  // in its favourites mode for the window's thumbnails
  std::function<const display::ShownPhoto&()> shown;
  std::function<bool()> panorama;
  // Makes the photo's folder current, lists it and shows the photo.
  std::function<void(const QString& path)> showPhoto;
};

// The main window's favourites: the add command and the favourites window.
class FavouritesView {
 public:
  explicit FavouritesView(FavouritesViewDeps deps);
  ~FavouritesView();

  // The add command. The no-photo notice of the menus is given before this, by the command
  // table.
  void Add();
  // Opens the favourites window with HighlightKey's favourite selected (none when empty).
  void OpenWindow(const QString& highlightKey = {});

  TOkiniForm& Window() { return *form_; }

 private:
  bool ShowAddDialog();
  favourites::FavouritesGrid Grid() const;

  FavouritesViewDeps d_;
  favourites::FavouriteThumbnails thumbnails_;
  std::unique_ptr<TOkiniForm> form_;
};

}  // namespace kasumori::ui

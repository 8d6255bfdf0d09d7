// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/shown_photo.h"
#include "shell/app_model.h"

#include <functional>

class QWidget;

namespace kasumori::ui {

struct FavouriteAddDeps {
  QWidget& window;
  shell::AppModel& model;
  std::function<const display::ShownPhoto&()> shown;
  std::function<bool()> panorama;
};

// The main window's add command: the shown photo into the favourites through the add dialog.
class FavouriteAddView {
 public:
  explicit FavouriteAddView(FavouriteAddDeps deps) : d_(std::move(deps)) {}

  // The no-photo notice of the menus is given before this, by the command table.
  void Run();

 private:
  bool ShowAddDialog();

  FavouriteAddDeps d_;
};

}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/favourite_add_view.h"

#include "config/text_file.h"
#include "favourites/favourites_grid.h"
#include "shell/favourite_add.h"
#include "shell/window_layout.h"
#include "ui/favourites/add_form.h"

namespace kasumori::ui {

void FavouriteAddView::Run() {
  // The favourites window is not part of the program yet; after an add the store still
  // remembers the new key for it.
  shell::RunFavouriteAdd(d_.model.Favourites(), d_.model.Session().dialogs(), d_.shown().Shown(),
                         d_.panorama(), {[this] { return ShowAddDialog(); }, nullptr});
}

bool FavouriteAddView::ShowAddDialog() {
  favourites::FavouritesStore& store = d_.model.Favourites();
  platform::DialogService& dialogs = d_.model.Session().dialogs();
  try {
    store.Load();
  } catch (const config::TextFileError& error) {
    dialogs.Notice(QString::fromStdString(error.what()).split(QStringLiteral(": ")));
    return false;
  }
  const config::Settings& settings = d_.model.settings();
  const shell::DisplayMode mode = shell::DisplayModeFor(
      settings.WindowSizeMode, settings.CustomPhotoWidth, settings.CustomPhotoHeight);
  const display::ShownPhoto& shown = d_.shown();
  TOkiniAddForm form(&d_.window, store, dialogs,
                     favourites::GridFor(settings.WindowSizeMode, mode.display),
                     {shown.Folder, shown.Name});
  return form.exec() == QDialog::Accepted;
}

}  // namespace kasumori::ui

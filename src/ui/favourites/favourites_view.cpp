// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/favourites_view.h"

#include "config/text_file.h"
#include "shell/favourite_add.h"
#include "shell/window_layout.h"
#include "ui/favourites/add_form.h"
#include "ui/favourites/okini_form.h"

namespace kasumori::ui {

FavouritesView::FavouritesView(FavouritesViewDeps deps)
    : d_(std::move(deps)),
      thumbnails_(d_.model.settings(), d_.model.Favourites().ThumbnailFolder(),
                  d_.model.Favourites().Folder()) {
  thumbnails_.SetMaker([this](int number, const QString& storePath) {
    return d_.maker.MakeThumbnail(thumbs::ThumbnailMode::Favourites, number, storePath);
  });
  thumbnails_.SetDecodeAhead([this](const QStringList& paths) { d_.maker.DecodeAhead(paths); });
  form_ = std::make_unique<TOkiniForm>(
      OkiniFormParts{d_.window, d_.model.Favourites(), thumbnails_, d_.model.Session().dialogs(),
                     d_.model.Session().UiReady, [this] { return d_.shown().Shown(); }});
}

FavouritesView::~FavouritesView() = default;

void FavouritesView::Add() {
  shell::RunFavouriteAdd(d_.model.Favourites(), d_.model.Session().dialogs(), d_.shown().Shown(),
                         d_.panorama(),
                         {[this] { return ShowAddDialog(); },
                          [this] { OpenWindow(d_.model.Favourites().HighlightKey); }});
}

void FavouritesView::OpenWindow(const QString& highlightKey) {
  d_.model.Favourites().HighlightKey = highlightKey;
  const int result = form_->Open(Grid());
  if (result == TOkiniForm::kAddShownPhoto) {
    // The window's own button: no notice when the photo went meanwhile.
    if (d_.shown().Shown()) Add();
  } else if (result == TOkiniForm::kOpenFavourite) {
    d_.showPhoto(form_->PhotoToOpen());
  }
}

favourites::FavouritesGrid FavouritesView::Grid() const {
  const config::Settings& settings = d_.model.settings();
  const shell::DisplayMode mode = shell::DisplayModeFor(
      settings.WindowSizeMode, settings.CustomPhotoWidth, settings.CustomPhotoHeight);
  return favourites::GridFor(settings.WindowSizeMode, mode.display);
}

bool FavouritesView::ShowAddDialog() {
  favourites::FavouritesStore& store = d_.model.Favourites();
  platform::DialogService& dialogs = d_.model.Session().dialogs();
  try {
    store.Load();
  } catch (const config::TextFileError& error) {
    dialogs.Notice(QString::fromStdString(error.what()).split(QStringLiteral(": ")));
    return false;
  }
  const display::ShownPhoto& shown = d_.shown();
  TOkiniAddForm form(&d_.window, {store, dialogs, d_.model.Session().UiReady}, Grid(),
                     {shown.Folder, shown.Name});
  return form.exec() == QDialog::Accepted;
}

}  // namespace kasumori::ui

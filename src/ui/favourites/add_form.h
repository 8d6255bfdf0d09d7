// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favourites/favourites_grid.h"
#include "favourites/favourites_store.h"
#include "platform/dialog_service.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QWidget;

namespace kasumori::ui {

class FavouritesFolderPane;

struct AddFormParts {
  favourites::FavouritesStore& store;
  platform::DialogService& dialogs;
  bool& uiReady;  // the main window's: input waits while it is off
};

// Files the shown photo under a name in a favourites folder chosen in the tree. It closes
// accepted only once the store has added the favourite. The caller has loaded the store.
class TOkiniAddForm final : public QDialog {
  Q_OBJECT

 public:
  struct Photo {
    QString folder;
    QString name;
  };

  // The owner is the main window.
  TOkiniAddForm(QWidget* owner, AddFormParts parts, favourites::FavouritesGrid grid, Photo photo);
  void done(int result) override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls(int clientHeight, QWidget& mainWindow);
  // True when the key was the window's own.
  bool HandleKey(const QKeyEvent& key);
  void Decide();
  void ReportWriteFailure(const std::exception& error);

  favourites::FavouritesStore& store_;
  platform::DialogService& dialogs_;
  bool& uiReady_;
  Photo photo_;
  FavouritesFolderPane* pane_;
  QWidget* folderPnl_;
  QLineEdit* nameEdit_;
  QPushButton* ketteiBtn_;
};

}  // namespace kasumori::ui

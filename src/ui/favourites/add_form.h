// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favourites/favourites_grid.h"
#include "favourites/favourites_store.h"
#include "favourites/folder_tree.h"
#include "platform/dialog_service.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kasumori::ui {

// Files the shown photo under a name in a favourites folder chosen in the tree. It closes
// accepted only once the store has added the favourite. The caller has loaded the store.
class TOkiniAddForm final : public QDialog {
  Q_OBJECT

 public:
  struct Photo {
    QString folder;
    QString name;
  };

  TOkiniAddForm(QWidget* owner, favourites::FavouritesStore& store,
                platform::DialogService& dialogs, favourites::FavouritesGrid grid, Photo photo);
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls(int clientHeight);
  void RebuildTree();
  void SelectNode(int node);
  void StepTo(const std::optional<favourites::FolderStep>& step);
  // True when the key was the window's own.
  bool HandleKey(const QKeyEvent& key);
  void Decide();
  void MakeFolder();
  void ReportWriteFailure(const std::exception& error);

  favourites::FavouritesStore& store_;
  platform::DialogService& dialogs_;
  Photo photo_;
  favourites::FolderTree tree_;
  std::vector<QTreeWidgetItem*> items_;
  QWidget* folderPnl_;
  QTreeWidget* treeView_;
  QLineEdit* nameEdit_;
  QPushButton* ketteiBtn_;
};

}  // namespace kasumori::ui

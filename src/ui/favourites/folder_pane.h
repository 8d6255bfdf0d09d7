// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites folder tree on the left of both favourites windows: building it, walking it
// with the keys and the wheel, making a folder, and the folder window on its right button.
#pragma once

#include "favourites/favourites_store.h"
#include "favourites/folder_menu.h"
#include "favourites/folder_tree.h"
#include "platform/dialog_service.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kasumori::ui {

struct FolderPaneParts {
  QWidget& window;      // the favourites window the pane lies in
  QWidget& mainWindow;  // keeps the folder window inside it
  favourites::FavouritesStore& store;
  platform::DialogService& dialogs;
  // The store's folder this pane walks: the favourites window's or the add dialog's.
  QString favourites::FavouritesStore::*folder;
  favourites::FolderMenuOwner owner;
  bool& uiReady;
  // After the pane's folder changed, for the window to load and draw it.
  std::function<void()> folderChanged;
};

class FavouritesFolderPane final : public QObject {
  Q_OBJECT

 public:
  // The tree lies in the panel; the wheel over either walks the folders.
  FavouritesFolderPane(FolderPaneParts parts, QWidget& panel, QTreeWidget& tree);

  const QString& Folder() const { return p_.store.*p_.folder; }
  // Builds the tree from the folder list anew and selects the pane's folder (the root when it
  // is not there).
  void Rebuild();
  void Previous();
  void Next();
  // The make-folder dialog, asked again after a name that exists.
  void MakeFolder();
  // The tree widget's item under a point of its viewport: -1 for none.
  int NodeAt(QPoint viewportPoint) const;
  const favourites::FolderTree& Tree() const { return tree_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectNode(int node, bool fromExpand);
  void StepTo(const favourites::FolderStep& step);
  void OpenFolderMenu(int node, QPoint globalPointer, bool renameOnly);
  bool Answer(const favourites::FolderMenuAnswer& answer);
  void ReportWriteFailure(const std::exception& error);

  FolderPaneParts p_;
  QWidget& panel_;
  QTreeWidget& view_;
  favourites::FolderTree tree_;
  std::vector<QTreeWidgetItem*> items_;
  bool expanding_ = false;
};

}  // namespace kasumori::ui

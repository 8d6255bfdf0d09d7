// SPDX-License-Identifier: GPL-3.0-or-later
// The folder panel of the main window: the three slots with their labels and buttons, the
// folder tree shown from its model, and the watcher of the current folder.
#pragma once

#include "library/folders/directory_watcher.h"
#include "library/folders/folder_panel.h"
#include "library/folders/folder_tree.h"
#include "library/folders/folder_window_rules.h"
#include "library/folders/path_label.h"
#include "library/fileops/photo_commands.h"
#include "library/photo_list_controller.h"
#include "config/data_folders.h"

#include <QHash>
#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QDropEvent;
class QTreeWidgetItem;

namespace kasumori::ui {

struct MainPanels;

struct FolderPanelViewParts {
  MainPanels& panels;
  config::Settings& settings;
  library::FolderState& folders;
  library::PhotoList& list;
  library::PhotoListController& controller;
  platform::DialogService& dialogs;
  platform::PickerService& picker;
  const config::DataFolders& dataFolders;
  std::function<bool()> uiReady;
  std::function<void()> saveSettings;
  std::function<void()> refreshStrip;
  std::function<void()> clearStrip;
  // A photo file dropped on a tree node: move it into the node's folder.
  std::function<void(const QString& photoPath, const QString& folder, library::DragSource from)>
      dropPhoto;
  // Drags are taken from these two only: the photo view, and the strip's cells inside it.
  const QWidget* photoView;
  const QWidget* strip;
  // The shown photo no longer counts as one of the slot's (its root changed).
  std::function<void(int slot)> detachShownPhoto;
  // A renamed folder: the shown photo's path inside it follows.
  std::function<void(const QString& oldPath, const QString& newPath)> followShownPhoto;
  // A renamed folder: the favourites' photo paths inside it follow (empty until favourites).
  std::function<void(const QString& oldPath, const QString& newPath)> renameFavouritePaths;
};

class FolderPanelView final : public QObject {
  Q_OBJECT

 public:
  explicit FolderPanelView(FolderPanelViewParts parts);

  library::FolderPanel& Panel() { return panel_; }
  library::FolderTree& Tree() { return tree_; }
  library::TDirectoryWatcher& Watcher() { return watcher_; }

  // Shows the slot labels for the settings and the panel's width.
  void UpdateFolderLabels();
  // Shows the tree model in the tree view (after the model changed).
  void ShowTree();
  // A photo file dropped on the node of the item: it moves into that folder.
  void DropPhoto(const QString& photoPath, QTreeWidgetItem* item, library::DragSource from);
  // The folder window for a folder of the tree, just below the pointer.
  void OpenFolderWindow(const QString& folder, QPoint pointer, bool shortForm);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  library::FolderPanelHooks MakeHooks();
  void ConnectControls();
  bool HandleDrop(QEvent* event);
  std::optional<library::DragSource> DragOrigin(const QDropEvent& drop) const;
  void AddItems(QTreeWidgetItem* item, library::FolderNode& node);
  library::FriendlyFolders Friendly() const;
  library::FolderRenameHooks RenameHooks();

  FolderPanelViewParts p_;
  library::FolderTree tree_;
  library::FolderPanel panel_;
  library::TDirectoryWatcher watcher_;
  QHash<QTreeWidgetItem*, library::FolderNode*> nodes_;
  bool showing_ = false;
  // Where and which button last went down over the tree (the pointer on the screen).
  QPoint pressedAt_;
  Qt::MouseButton pressedButton_ = Qt::NoButton;
};

}  // namespace kasumori::ui

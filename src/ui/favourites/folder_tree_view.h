// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites folder tree in a tree widget, as both favourites windows show it.
#pragma once

#include "favourites/folder_tree.h"

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace kasumori::ui {

// Fills the widget with the tree and selects and expands its current node. Item i stands for
// node i.
std::vector<QTreeWidgetItem*> ShowFolderTree(QTreeWidget& view, const favourites::FolderTree& tree);

// The node an item stands for; -1 for none.
int NodeOfItem(const QTreeWidgetItem* item);

// A look like the main window's folder tree: white, borderless, no header, folder pictures.
void StyleFolderTree(QTreeWidget& view);

}  // namespace kasumori::ui

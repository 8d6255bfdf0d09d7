// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/folder_tree_view.h"

#include "ui/library/tree_icons.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace kasumori::ui {

namespace {

constexpr int kNodeRole = Qt::UserRole;

}  // namespace

std::vector<QTreeWidgetItem*> ShowFolderTree(QTreeWidget& view,
                                             const favourites::FolderTree& tree) {
  const QSignalBlocker quiet(view);  // rebuilding is no choice of the user's
  view.clear();
  std::vector<QTreeWidgetItem*> items(tree.nodes.size(), nullptr);
  items[0] = new QTreeWidgetItem(&view, {tree.nodes[0].text});
  // Parents come before their children in a children list walk from the root.
  std::vector<int> pending{0};
  while (!pending.empty()) {
    const int node = pending.back();
    pending.pop_back();
    items[node]->setData(0, kNodeRole, node);
    items[node]->setIcon(0, TreeNodeIcon(library::NodeKind::Folder));
    for (int child : tree.nodes[node].children) {
      items[child] = new QTreeWidgetItem(items[node], {tree.nodes[child].text});
      pending.push_back(child);
    }
  }
  view.setCurrentItem(items[tree.current]);
  items[tree.current]->setExpanded(true);
  for (QTreeWidgetItem* up = items[tree.current]->parent(); up; up = up->parent()) {
    up->setExpanded(true);
  }
  return items;
}

int NodeOfItem(const QTreeWidgetItem* item) {
  if (item == nullptr) return -1;
  bool ok = false;
  const int node = item->data(0, kNodeRole).toInt(&ok);
  return ok ? node : -1;
}

void StyleFolderTree(QTreeWidget& view) {
  view.header()->hide();
  view.setFrameShape(QFrame::NoFrame);
  view.setIndentation(19);
  view.setIconSize(QSize(16, 12));
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  QPalette palette = view.palette();
  palette.setColor(QPalette::Base, Qt::white);
  view.setPalette(palette);
}

}  // namespace kasumori::ui

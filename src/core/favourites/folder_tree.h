// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites folder tree as both favourites windows show it, built from the folder list
// without any widget, and the previous and next folder steps through it.
#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kasumori::favourites {

inline constexpr char kFavouritesRootText[] = "お気に入り";

struct FolderTreeNode {
  QString text;
  QString path;               // the ancestors' texts below the root joined by "\"; "" for the root
  int parent = -1;            // -1 for the root
  std::vector<int> children;  // in display order
};

// Node 0 is the root. Nodes keep the order they were added in; only the children lists are
// sorted, so a node's number never changes after it is built.
struct FolderTree {
  std::vector<FolderTreeNode> nodes;
  int current = 0;  // the node of the current folder, the root when no node has its path
};

// Each line goes under the node its parts before the last "\" lead to, as far as they exist:
// a line whose parent is missing lands under its deepest existing ancestor. Every level is
// then sorted by the collator.
FolderTree BuildFolderTree(const QStringList& folderList, const QString& currentFolder,
                           const QCollator& order);

struct FolderStep {
  int node;
  std::vector<int> collapse;  // the nodes to collapse on the way
};

// The previous folder: nothing at the root; an earlier sibling (the node left collapsed), or
// else the parent.
std::optional<FolderStep> PreviousFolder(const FolderTree& tree, int node);
// The next folder: the first child, or a later sibling, or the later sibling of the nearest
// ancestor that has one (the ancestors passed are collapsed); the root when none has.
FolderStep NextFolder(const FolderTree& tree, int node);

}  // namespace kasumori::favourites

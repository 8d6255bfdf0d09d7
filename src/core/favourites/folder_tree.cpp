// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/folder_tree.h"

#include "favourites/favourite_keys.h"

#include <algorithm>

namespace kasumori::favourites {

namespace {

int ChildWithText(const FolderTree& tree, int node, const QString& text) {
  for (int child : tree.nodes[node].children) {
    if (tree.nodes[child].text == text) return child;
  }
  return -1;
}

int AddNode(FolderTree& tree, int parent, const QString& text) {
  const QString& parentPath = tree.nodes[parent].path;
  tree.nodes.push_back({text, parent == 0 ? text : parentPath + kKeySeparator + text, parent, {}});
  const int added = int(tree.nodes.size()) - 1;
  tree.nodes[parent].children.push_back(added);
  return added;
}

// The position of a node among its parent's children; the root has none.
int SiblingIndex(const FolderTree& tree, int node) {
  const auto& siblings = tree.nodes[tree.nodes[node].parent].children;
  return int(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
}

}  // namespace

FolderTree BuildFolderTree(const QStringList& folderList, const QString& currentFolder,
                           const QCollator& order) {
  FolderTree tree;
  tree.nodes.push_back({QString::fromUtf8(kFavouritesRootText), QString(), -1, {}});
  for (const QString& line : folderList) {
    const QStringList parts = line.split(kKeySeparator);
    int node = 0;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
      const int child = ChildWithText(tree, node, parts[i]);
      if (child >= 0) node = child;
    }
    const int added = AddNode(tree, node, parts.last());
    // A line added under a missing parent has a path of its own that differs from the line.
    if (tree.current == 0 && tree.nodes[added].path == currentFolder) tree.current = added;
  }
  for (FolderTreeNode& node : tree.nodes) {
    std::stable_sort(node.children.begin(), node.children.end(), [&](int a, int b) {
      return order.compare(tree.nodes[a].text, tree.nodes[b].text) < 0;
    });
  }
  return tree;
}

std::optional<FolderStep> PreviousFolder(const FolderTree& tree, int node) {
  if (node == 0) return std::nullopt;
  const int index = SiblingIndex(tree, node);
  const int parent = tree.nodes[node].parent;
  if (index > 0) return FolderStep{tree.nodes[parent].children[index - 1], {node}};
  return FolderStep{parent, {}};
}

FolderStep NextFolder(const FolderTree& tree, int node) {
  if (!tree.nodes[node].children.empty()) return {tree.nodes[node].children.front(), {}};
  FolderStep step{0, {}};
  for (int at = node; at != 0; at = tree.nodes[at].parent) {
    const auto& siblings = tree.nodes[tree.nodes[at].parent].children;
    const int index = SiblingIndex(tree, at);
    if (index + 1 < int(siblings.size())) {
      step.node = siblings[index + 1];
      return step;
    }
    // The node itself stays as it is; the ancestors it leaves are folded away.
    if (tree.nodes[at].parent != 0) step.collapse.push_back(tree.nodes[at].parent);
  }
  return step;
}

}  // namespace kasumori::favourites

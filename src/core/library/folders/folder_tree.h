// SPDX-License-Identifier: GPL-3.0-or-later
// The folder tree of one slot as plain data: nodes named after their folders, loaded lazily so
// that a node has children (and so an expand button) exactly when its folder has sub-folders.
// Only the levels along the path to the current folder are loaded beyond the first two.
#pragma once

#include "library/archive_folder.h"

#include <QCollator>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kasumori::library {

// A folder node shows the folder icons (0, 1 when selected), an archive node the archive
// icons (2, 3).
enum class NodeKind { Folder, Archive };

struct FolderNode {
  QString text;
  NodeKind kind = NodeKind::Folder;
  bool expanded = false;
  FolderNode* parent = nullptr;
  std::vector<std::unique_ptr<FolderNode>> children;

  FolderNode* AddChild(const QString& childText, NodeKind childKind = NodeKind::Folder);
  FolderNode* FirstChild() const { return children.empty() ? nullptr : children.front().get(); }
  FolderNode* PreviousSibling() const;
  FolderNode* NextSibling() const;
  QStringList ChildTexts() const;
};

struct FolderTreeHooks {
  // The interface marked busy (not ready, wait cursor) or ready again.
  std::function<void(bool busy)> setBusy;
  // A notice of the given lines.
  std::function<void(const QStringList& lines)> showMessage;
};

class FolderTree {
 public:
  FolderTree();

  void SetHooks(FolderTreeHooks hooks) { hooks_ = std::move(hooks); }
  // The archive component; without one, folders inside archives have no children.
  void SetArchiveLister(ArchiveLister* archives) { archives_ = archives; }
  // The node order (the user's locale, case ignored, unless set).
  void SetCollator(const QCollator& collator) { collator_ = collator; }

  // Empties the tree.
  void Clear();
  bool Empty() const { return !root_; }
  FolderNode* Root() const { return root_.get(); }
  const QString& RootFolder() const { return rootFolder_; }
  FolderNode* Selected() const { return selected_; }
  void Select(FolderNode* node) { selected_ = node; }

  // Builds the tree of the root folder and expands it down to the current folder: every
  // component of the current folder below the root is looked up among the children (letter
  // case ignored) until one is missing. A current folder inside a ZIP archive gets a node for
  // the archive and for its inner folders. The deepest node reached is selected.
  void BuildTree(const QString& rootFolder, const QString& currentFolder);
  // Adds the sub-folders of the folder to the node, their sub-folders, and every level along
  // the path to the current folder.
  void LoadChildren(FolderNode& node, const QString& folder, const QString& currentFolder);
  // Replaces the node's children: the sub-folders of an existing folder, or the inner folders
  // of a folder inside an archive. The node is expanded afterwards.
  void ReloadNode(const QString& path, FolderNode& node, const QString& currentFolder);
  // The folder a node stands for: the root folder followed by the texts below it.
  QString FolderOf(const FolderNode& node) const;

  // Set when a node was expanded or collapsed by its button: the mouse-down that follows is
  // ignored and the node's children are not reloaded.
  bool TreeClickConsumed = false;

 private:
  void AddSubFolders(FolderNode& node, const QString& folder);
  void LoadArchiveFolders(FolderNode& node, const ArchiveLocation& location);
  // Continues the walk of BuildTree into an archive below the node; returns the deepest node.
  FolderNode* WalkIntoArchive(FolderNode* node, QString path, const QStringList& rest,
                              const QString& currentFolder);
  void Sort(FolderNode& node);
  // Nested busy spans (an archive read while the tree is built) report only the outer one.
  void SetBusy(bool busy) {
    busyDepth_ += busy ? 1 : -1;
    if (hooks_.setBusy && busyDepth_ == (busy ? 1 : 0)) hooks_.setBusy(busy);
  }

  std::unique_ptr<FolderNode> root_;
  QString rootFolder_;
  FolderNode* selected_ = nullptr;
  FolderTreeHooks hooks_;
  ArchiveLister* archives_ = nullptr;
  QCollator collator_;
  int busyDepth_ = 0;
};

// The path joined with one more component by "/".
QString JoinPath(const QString& folder, const QString& name);
// The path's last component, or the whole path when it has none ("/").
QString LastComponent(const QString& path);
// The components of path below folder when path lies inside it (letter case ignored), else
// nothing.
std::optional<QStringList> ComponentsBelow(const QString& path, const QString& folder);

}  // namespace kasumori::library

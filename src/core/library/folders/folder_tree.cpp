// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/folder_tree.h"

#include "library/folder_listing.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace kasumori::library {
namespace {

FolderNode* FindChild(const FolderNode& node, const QString& text) {
  for (const auto& child : node.children) {
    if (child->text.compare(text, Qt::CaseInsensitive) == 0) return child.get();
  }
  return nullptr;
}

qsizetype IndexInParent(const FolderNode& node) {
  const auto& siblings = node.parent->children;
  for (qsizetype i = 0; i < qsizetype(siblings.size()); ++i) {
    if (siblings[std::size_t(i)].get() == &node) return i;
  }
  return -1;
}

}  // namespace

FolderNode* FolderNode::AddChild(const QString& childText, NodeKind childKind) {
  auto child = std::make_unique<FolderNode>();
  child->text = childText;
  child->kind = childKind;
  child->parent = this;
  children.push_back(std::move(child));
  return children.back().get();
}

FolderNode* FolderNode::PreviousSibling() const {
  if (!parent) return nullptr;
  const qsizetype i = IndexInParent(*this);
  return i > 0 ? parent->children[std::size_t(i - 1)].get() : nullptr;
}

FolderNode* FolderNode::NextSibling() const {
  if (!parent) return nullptr;
  const qsizetype i = IndexInParent(*this);
  const auto& siblings = parent->children;
  return i + 1 < qsizetype(siblings.size()) ? siblings[std::size_t(i + 1)].get() : nullptr;
}

QStringList FolderNode::ChildTexts() const {
  QStringList texts;
  for (const auto& child : children) texts << child->text;
  return texts;
}

QString JoinPath(const QString& folder, const QString& name) {
  return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QString LastComponent(const QString& path) {
  const QString name = path.section('/', -1);
  return name.isEmpty() ? path : name;
}

std::optional<QStringList> ComponentsBelow(const QString& path, const QString& folder) {
  if (!path.startsWith(folder, Qt::CaseInsensitive)) return std::nullopt;
  if (path.size() == folder.size()) return QStringList{};
  if (!folder.endsWith('/') && path[folder.size()] != '/') return std::nullopt;
  return path.mid(folder.size()).split('/', Qt::SkipEmptyParts);
}

FolderTree::FolderTree() : collator_(QLocale()) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void FolderTree::Clear() {
  selected_ = nullptr;
  root_.reset();
  rootFolder_.clear();
}

void FolderTree::Sort(FolderNode& node) {
  std::stable_sort(
      node.children.begin(), node.children.end(),
      [this](const auto& a, const auto& b) { return collator_.compare(a->text, b->text) < 0; });
}

void FolderTree::AddSubFolders(FolderNode& node, const QString& folder) {
  for (const QString& name : ListSubFolders(folder)) node.AddChild(name);
  // Every level is put in order as it is loaded, so a level opened later is in order too.
  Sort(node);
}

void FolderTree::LoadChildren(FolderNode& node, const QString& folder,
                              const QString& currentFolder) {
  AddSubFolders(node, folder);
  // Each remembered child gets its own sub-folders; those on the way to the current folder
  // are remembered in turn, so the whole path down to it is loaded.
  std::vector<std::pair<FolderNode*, QString>> pending;
  for (const auto& child : node.children) {
    pending.emplace_back(child.get(), JoinPath(folder, child->text));
  }
  while (!pending.empty()) {
    auto [child, path] = pending.back();
    pending.pop_back();
    AddSubFolders(*child, path);
    const auto below = ComponentsBelow(currentFolder, path);
    if (!below || below->isEmpty()) continue;
    if (FolderNode* onPath = FindChild(*child, below->front())) {
      pending.emplace_back(onPath, JoinPath(path, onPath->text));
    }
  }
}

void FolderTree::ReloadNode(const QString& path, FolderNode& node, const QString& currentFolder) {
  node.children.clear();
  if (IsExistingFolder(path)) {
    LoadChildren(node, path, currentFolder);
  } else if (const auto location = FindContainingArchive(path)) {
    SetBusy(true);
    LoadArchiveFolders(node, *location);
    node.kind = location->innerFolder.isEmpty() ? NodeKind::Archive : NodeKind::Folder;
    SetBusy(false);
  }
  Sort(node);
  node.expanded = true;
  TreeClickConsumed = false;
}

void FolderTree::LoadArchiveFolders(FolderNode& node, const ArchiveLocation& location) {
  if (!archives_ || !archives_->IsBrowsable(location.archivePath)) return;
  const std::optional<QStringList> entries = archives_->EntryNames(location.archivePath);
  if (!entries) {
    if (hooks_.showMessage) hooks_.showMessage(archives_->UnreadableMessage(location.archivePath));
    return;
  }
  QStringList seen;
  for (const QString& entry : *entries) {
    if (!entry.startsWith(location.innerFolder)) continue;
    // Only a component followed by "/" is a folder; a file of the inner folder is not a node.
    const QString rest = entry.mid(location.innerFolder.size());
    const qsizetype slash = rest.indexOf('/');
    if (slash <= 0) continue;
    const QString name = rest.left(slash);
    if (!seen.contains(name)) seen << name;
  }
  for (const QString& name : seen) node.AddChild(name);
}

FolderNode* FolderTree::WalkIntoArchive(FolderNode* node, QString path, const QStringList& rest,
                                        const QString& currentFolder) {
  const QString archivePath = JoinPath(path, rest.front());
  if (!QFileInfo(archivePath).isFile()) return node;
  FolderNode* at = node->AddChild(rest.front(), NodeKind::Archive);
  Sort(*node);
  path = archivePath;
  ReloadNode(path, *at, currentFolder);
  for (qsizetype i = 1; i < rest.size(); ++i) {
    FolderNode* child = FindChild(*at, rest[i]);
    if (!child) break;
    at = child;
    path = JoinPath(path, child->text);
    ReloadNode(path, *at, currentFolder);
  }
  return at;
}

void FolderTree::BuildTree(const QString& rootFolder, const QString& currentFolder) {
  Clear();
  SetBusy(true);
  root_ = std::make_unique<FolderNode>();
  root_->text = LastComponent(rootFolder);
  rootFolder_ = rootFolder;
  LoadChildren(*root_, rootFolder, currentFolder);

  FolderNode* at = root_.get();
  QString path = rootFolder;
  const QStringList components = ComponentsBelow(currentFolder, rootFolder).value_or(QStringList{});
  qsizetype i = 0;
  // The walk ends at the first component that is not a sub-folder: the deepest real folder
  // reached is shown, or the archive the rest of the path runs through.
  for (; i < components.size(); ++i) {
    FolderNode* child = FindChild(*at, components[i]);
    if (!child) break;
    at = child;
    path = JoinPath(path, child->text);
    ReloadNode(path, *at, currentFolder);
  }
  if (i < components.size()) at = WalkIntoArchive(at, path, components.mid(i), currentFolder);

  for (FolderNode* open = at; open; open = open->parent) open->expanded = true;
  selected_ = at;
  TreeClickConsumed = false;
  SetBusy(false);
}

QString FolderTree::FolderOf(const FolderNode& node) const {
  QStringList texts;
  for (const FolderNode* n = &node; n && n->parent; n = n->parent) texts.prepend(n->text);
  QString folder = rootFolder_;
  for (const QString& text : texts) folder = JoinPath(folder, text);
  return folder;
}

}  // namespace kasumori::library

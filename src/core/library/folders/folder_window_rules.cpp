// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/folder_window_rules.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace kasumori::library {
namespace {

QString ParentOf(const QString& folder) {
  const qsizetype slash = folder.lastIndexOf('/');
  if (slash < 0) return {};
  return slash == 0 ? QStringLiteral("/") : folder.left(slash);
}

bool Rebase(QString& path, const QString& oldPath, const QString& newPath) {
  const std::optional<QString> moved = RebasedPath(path, oldPath, newPath);
  if (moved) path = *moved;
  return moved.has_value();
}

void FollowRename(FolderPanel& panel, const QString& oldPath, const QString& newPath) {
  FolderState& folders = panel.Folders();
  Rebase(folders.CurrentFolder, oldPath, newPath);
  Rebase(folders.OtherFolder, oldPath, newPath);
  for (QString& slotFolder : folders.SlotCurrentFolder) Rebase(slotFolder, oldPath, newPath);
  bool rootMoved = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    rootMoved |= Rebase(panel.Settings().PhotoFolder(slot), oldPath, newPath);
  }
  if (rootMoved && panel.Hooks().saveSettings) panel.Hooks().saveSettings();
  if (rootMoved && panel.Hooks().updateLabels) panel.Hooks().updateLabels();
}

void RebuildCurrentTree(FolderPanel& panel) {
  if (panel.Folders().HasSlot()) panel.BuildSlotTree(panel.Folders().CurrentSlot);
}

}  // namespace

std::optional<QString> RebasedPath(const QString& path, const QString& oldPath,
                                   const QString& newPath) {
  // Letter case counts: a sibling "trip" is another folder than the renamed "Trip".
  if (path == oldPath) return newPath;
  if (path.startsWith(oldPath + u'/')) return newPath + path.mid(oldPath.size());
  return std::nullopt;
}

QPoint FolderWindowPosition(QPoint pointer, QSize window, const QRect& screen,
                            const QRect& mainWindow) {
  constexpr int kBelowPointer = 6;
  // QRect's right() and bottom() are the last pixels inside, hence the + 1.
  const int right = std::min(screen.right(), mainWindow.right()) + 1;
  const int bottom = std::min(screen.bottom(), mainWindow.bottom()) + 1;
  QPoint at(pointer.x(), pointer.y() + kBelowPointer);
  at.setX(std::max(screen.left(), std::min(at.x(), right - window.width())));
  at.setY(std::max(screen.top(), std::min(at.y(), bottom - window.height())));
  return at;
}

bool HasForbiddenCharacter(const QString& name) {
  for (const QChar c : QString::fromUtf8(kForbiddenNameCharacters)) {
    if (name.contains(c)) return true;
  }
  return false;
}

QString ForbiddenCharactersLine() {
  return QStringLiteral("フォルダ名に「") + QString::fromUtf8(kForbiddenNameCharacters) +
         QStringLiteral("」の文字は使用できません。");
}

bool FolderHoldsName(const QString& folder, const QString& name) {
  const QStringList entries =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

bool RenameInPlace(const QString& from, const QString& to) {
  const QByteArray source = QFile::encodeName(from);
  const QByteArray target = QFile::encodeName(to);
  // A plain rename would silently replace an empty folder of the new name: refuse instead.
  if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
      0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the no-replace rename: check, then rename.
  if (QFile::exists(to)) return false;
  return std::rename(source.constData(), target.constData()) == 0;
}

FolderRenameOutcome RenameFolder(FolderPanel& panel, const QString& folder,
                                 const QString& typedName, const FolderRenameHooks& hooks) {
  platform::DialogService& dialogs = panel.Dialogs();
  if (HasForbiddenCharacter(typedName)) {
    dialogs.Notice({ForbiddenCharactersLine()});
    return FolderRenameOutcome::BadName;
  }
  const QString parent = ParentOf(folder);
  const QString newPath = JoinPath(parent, typedName);
  if (newPath == folder) return FolderRenameOutcome::Unchanged;
  // Another entry of the name, whatever its case; the folder itself may change its case.
  const bool caseOnly = newPath.compare(folder, Qt::CaseInsensitive) == 0;
  if (!caseOnly && FolderHoldsName(parent, typedName)) {
    dialogs.Notice({QStringLiteral("フォルダ名「") + typedName + QStringLiteral("」は"),
                    QString::fromUtf8(kNameExistsLine2)});
    return FolderRenameOutcome::NameTaken;
  }
  if (typedName.isEmpty() || !RenameInPlace(folder, newPath)) {
    dialogs.Notice({QString::fromUtf8(kHardwareErrorLine1), QString::fromUtf8(kRenameFailedLine2)});
    return FolderRenameOutcome::Failed;
  }
  FollowRename(panel, folder, newPath);
  RebuildCurrentTree(panel);
  if (hooks.renameThumbnailCache) hooks.renameThumbnailCache(folder, newPath);
  if (hooks.renameFavouritePaths) hooks.renameFavouritePaths(folder, newPath);
  if (hooks.followShownPhoto) hooks.followShownPhoto(folder, newPath);
  NoteOwnChange(panel.Folders(), parent);
  return FolderRenameOutcome::Renamed;
}

bool DeleteEmptyFolder(FolderPanel& panel, const QString& folder) {
  FolderState& folders = panel.Folders();
  platform::DialogService& dialogs = panel.Dialogs();
  if (folders.HasSlot() &&
      folder.compare(panel.Settings().PhotoFolder(folders.CurrentSlot), Qt::CaseInsensitive) == 0) {
    dialogs.Notice({QString::fromUtf8(kRootNotDeletable)});
    return false;
  }
  // rmdir removes nothing but an empty folder.
  if (!QDir().rmdir(folder)) {
    dialogs.Notice({QString::fromUtf8(kDeleteFailedLine1), QString::fromUtf8(kDeleteFailedLine2),
                    QString::fromUtf8(kDeleteFailedLine3)});
    return false;
  }
  folders.CurrentFolder = ParentOf(folder);
  if (folders.HasSlot()) folders.SlotFolder() = folders.CurrentFolder;
  RebuildCurrentTree(panel);
  if (panel.Hooks().scanFolder) panel.Hooks().scanFolder();
  if (panel.Hooks().refreshStrip) panel.Hooks().refreshStrip();
  NoteOwnChange(folders, ParentOf(folder));
  return true;
}

std::optional<QString> MakeNewFolder(FolderPanel& panel, const QString& folder) {
  platform::DialogService& dialogs = panel.Dialogs();
  const QString name = QString::fromUtf8(kNewFolderName);
  if (FolderHoldsName(folder, name)) {
    dialogs.Notice({QString::fromUtf8(kNewFolderExistsLine1),
                    QString::fromUtf8(kNewFolderExistsLine2),
                    QString::fromUtf8(kNewFolderExistsLine3)});
    return std::nullopt;
  }
  const QString made = JoinPath(folder, name);
  if (!QDir().mkdir(made)) {
    dialogs.Notice(
        {QString::fromUtf8(kHardwareErrorLine1), QString::fromUtf8(kNewFolderFailedLine2)});
    return std::nullopt;
  }
  RebuildCurrentTree(panel);
  NoteOwnChange(panel.Folders(), folder);
  return made;
}

}  // namespace kasumori::library

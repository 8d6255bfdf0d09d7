// SPDX-License-Identifier: GPL-3.0-or-later
// What the folder window's buttons do to the folder chosen in the tree: rename it, delete it
// when empty, make a new folder inside it. The window only collects the name and closes.
#pragma once

#include "library/folders/folder_panel.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace kasumori::library {

inline constexpr char kForbiddenNameCharacters[] = "\\/:*?\"<>|";
inline constexpr char kNewFolderName[] = "新しいフォルダ";

inline constexpr char kRootNotDeletable[] = "ルートフォルダは削除できません。";
inline constexpr char kDeleteFailedLine1[] = "フォルダが空でないか";
inline constexpr char kDeleteFailedLine2[] = "もしくはハード的なエラーのため";
inline constexpr char kDeleteFailedLine3[] = "フォルダを削除できませんでした。";
inline constexpr char kNewFolderExistsLine1[] = "フォルダ名「新しいフォルダ」が";
inline constexpr char kNewFolderExistsLine2[] = "すでに存在していますので";
inline constexpr char kNewFolderExistsLine3[] = "新しいフォルダは作成できません。";
inline constexpr char kHardwareErrorLine1[] = "ハード的なエラーが原因で";
inline constexpr char kNewFolderFailedLine2[] = "新しいフォルダを作成できませんでした。";
inline constexpr char kRenameFailedLine2[] = "フォルダ名を変更できませんでした。";
inline constexpr char kNameExistsLine2[] = "すでに存在していますので、フォルダ名を変更できません。";

// What else follows a folder's new name: other parts keep paths of their own.
struct FolderRenameHooks {
  // The folder's thumbnail cache folder follows it.
  std::function<void(const QString& oldPath, const QString& newPath)> renameThumbnailCache;
  // The favourites' photo paths inside the folder follow it.
  std::function<void(const QString& oldPath, const QString& newPath)> renameFavouritePaths;
  // The photo on display, when it lies inside the folder, is found at its new path.
  std::function<void(const QString& oldPath, const QString& newPath)> followShownPhoto;
};

// The path after the folder oldPath became newPath: itself when it is that folder or lies
// inside it, nothing otherwise.
std::optional<QString> RebasedPath(const QString& path, const QString& oldPath,
                                   const QString& newPath);

enum class FolderRenameOutcome {
  BadName,    // a forbidden character: the name field gets the focus back
  Unchanged,  // the same name: the window closes, nothing was done
  NameTaken,  // a sibling has the name
  Failed,     // the file system refused
  Renamed,    // the window closes
};

// Whether a folder name holds one of the characters no folder name may have.
bool HasForbiddenCharacter(const QString& name);
// The notice line for a name with a forbidden character.
QString ForbiddenCharactersLine();
// Renames the folder to the typed name within its parent, then brings the slots, the current
// folder, the tree and the other parts' paths along.
FolderRenameOutcome RenameFolder(FolderPanel& panel, const QString& folder,
                                 const QString& typedName, const FolderRenameHooks& hooks = {});
// Deletes the folder when it is empty and not the slot root. True when it was deleted.
bool DeleteEmptyFolder(FolderPanel& panel, const QString& folder);
// Makes "新しいフォルダ" inside the folder; its path when made, for the short folder window.
std::optional<QString> MakeNewFolder(FolderPanel& panel, const QString& folder);

// Where the folder window's top-left goes: 6 pixels below the pointer, moved left and up as
// far as needed to stay on the screen and inside the main window's right and bottom edges.
QPoint FolderWindowPosition(QPoint pointer, QSize window, const QRect& screen,
                            const QRect& mainWindow);

// Renames a folder in place and never over anything that exists. False when it did not
// happen; the folder is then untouched.
bool RenameInPlace(const QString& from, const QString& to);
// Whether the folder holds an entry of that name, letter case ignored.
bool FolderHoldsName(const QString& folder, const QString& name);

}  // namespace kasumori::library

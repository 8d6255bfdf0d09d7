// SPDX-License-Identifier: GPL-3.0-or-later
// What the folder window does to a favourites folder when it is opened from either favourites
// window's tree: rename it, delete it when empty, make "新しいフォルダ" inside it. The answers
// carry the notice to show; the windows only show them and rebuild their trees.
#pragma once

#include "favourites/favourites_store.h"

#include <QString>
#include <QStringList>

namespace kasumori::favourites {

// Which window opened the folder window: they explain a folder with favourites differently.
enum class FolderMenuOwner { FavouritesWindow, AddDialog };

struct FolderMenuAnswer {
  bool done = false;   // the store changed, or nothing is left to do: the window closes
  QStringList notice;  // shown before the window closes or stays
};

// The typed name replaces the folder's last part. A name with a character no folder name may
// have, or one that another folder has, keeps the window open; so does an empty name, which
// would leave a path no folder may have.
FolderMenuAnswer RenameFavouritesFolder(FavouritesStore& store, const QString& folder,
                                        const QString& typedName);

// Deletes the folder when it holds neither favourites nor folders.
FolderMenuAnswer DeleteFavouritesFolder(FavouritesStore& store, const QString& folder,
                                        FolderMenuOwner owner);

// Makes "新しいフォルダ" inside the folder; done when made, with its path in `made`.
FolderMenuAnswer MakeNewFavouritesFolder(FavouritesStore& store, const QString& folder,
                                         QString& made);

}  // namespace kasumori::favourites

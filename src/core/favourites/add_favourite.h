// SPDX-License-Identifier: GPL-3.0-or-later
// What the add dialog's buttons do to the store: file the shown photo in the chosen folder,
// make a favourites folder, and the notices that answer a refusal.
#pragma once

#include "favourites/favourites_store.h"

#include <QString>
#include <QStringList>

namespace kasumori::favourites {

inline constexpr int kMaxFavouriteNameChars = 64;

// Files the photo folder/name under the typed name (the photo's own name when nothing was
// typed) in AddDialogFolder.
AddOutcome AddShownPhoto(FavouritesStore& store, const QString& typedName,
                         const QString& photoFolder, const QString& photoName);

QStringList NameExistsNotice();
QStringList FolderExistsNotice();

// The folder a new folder of that name inside `parent` would be.
QString NewFolderPath(const QString& parent, const QString& name);

}  // namespace kasumori::favourites

// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/add_favourite.h"

#include "favourites/favourite_keys.h"

namespace kasumori::favourites {

AddOutcome AddShownPhoto(FavouritesStore& store, const QString& typedName,
                         const QString& photoFolder, const QString& photoName) {
  const QString name = typedName.isEmpty() ? photoName : typedName;
  return store.Add(store.AddDialogFolder, name, photoFolder + u'/' + photoName);
}

QStringList NameExistsNotice() {
  return {QStringLiteral("入力された写真名は、すでにお気に入りに存在します。"),
          QStringLiteral("写真名を変更後、再度「決定」なさってください。")};
}

QStringList FolderExistsNotice() {
  return {QStringLiteral("入力されたお気に入りフォルダ名は"),
          QStringLiteral("すでに存在しています。")};
}

QString NewFolderPath(const QString& parent, const QString& name) { return JoinKey(parent, name); }

}  // namespace kasumori::favourites

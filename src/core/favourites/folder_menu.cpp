// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/folder_menu.h"

#include "favourites/favourite_keys.h"
#include "library/folders/folder_window_rules.h"

namespace kasumori::favourites {

namespace {

QStringList HoldsFavouritesLines(FolderMenuOwner owner) {
  const QString first = QStringLiteral("お気に入り写真が「空のフォルダ」のみ削除できます。");
  const QString second = QStringLiteral("お気に入り写真を全て外して空にしたい場合は");
  if (owner == FolderMenuOwner::FavouritesWindow) {
    return {first, second, QStringLiteral("「Ctrl+A」キーを押して全てを選択し"),
            QStringLiteral("「メニュー」ボタンを押すことで外すことができます。")};
  }
  return {first, second, QStringLiteral("「お気に入りへの追加」ウィンドウを閉じ"),
          QStringLiteral("メイン画面左の方にある「お気に入り」ボタンを押して"),
          QStringLiteral("「お気に入り」ウィンドウを表示してください。")};
}

QStringList HasSubfoldersLines() {
  return {QStringLiteral("「サブフォルダが作られていないフォルダ」のみ"),
          QStringLiteral("削除できます。"),
          QStringLiteral("このフォルダを削除するには、まず「サブフォルダ」を"),
          QStringLiteral("削除してください。")};
}

}  // namespace

FolderMenuAnswer RenameFavouritesFolder(FavouritesStore& store, const QString& folder,
                                        const QString& typedName) {
  if (library::HasForbiddenCharacter(typedName)) {
    return {false, {library::ForbiddenCharactersLine()}};
  }
  if (typedName.isEmpty()) return {};
  switch (store.RenameFolder(folder, typedName)) {
    case FolderRenameOutcome::Renamed:
    case FolderRenameOutcome::Unchanged:
      return {true, {}};
    case FolderRenameOutcome::Exists:
      return {false,
              {QStringLiteral("フォルダ名「") + typedName + QStringLiteral("」は"),
               QString::fromUtf8(library::kNameExistsLine2)}};
  }
  return {};
}

FolderMenuAnswer DeleteFavouritesFolder(FavouritesStore& store, const QString& folder,
                                        FolderMenuOwner owner) {
  switch (store.DeleteFolder(folder)) {
    case FolderDeleteOutcome::Deleted:
      return {true, {}};
    case FolderDeleteOutcome::HoldsFavourites:
      return {false, HoldsFavouritesLines(owner)};
    case FolderDeleteOutcome::HasSubfolders:
      return {false, HasSubfoldersLines()};
    case FolderDeleteOutcome::Root:
      return {};
  }
  return {};
}

FolderMenuAnswer MakeNewFavouritesFolder(FavouritesStore& store, const QString& folder,
                                         QString& made) {
  const QString name = QString::fromUtf8(library::kNewFolderName);
  if (store.CreateFolder(folder, name) == FolderCreateOutcome::Created) {
    made = JoinKey(folder, name);
    return {true, {}};
  }
  return {false,
          {QString::fromUtf8(library::kNewFolderExistsLine1),
           QString::fromUtf8(library::kNewFolderExistsLine2),
           QString::fromUtf8(library::kNewFolderExistsLine3)}};
}

}  // namespace kasumori::favourites

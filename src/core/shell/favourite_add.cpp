// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/favourite_add.h"

#include "favourites/favourite_keys.h"

namespace kasumori::shell {

void RunFavouriteAdd(favourites::FavouritesStore& store, platform::DialogService& dialogs,
                     bool photoShown, bool panorama, const FavouriteAddHooks& hooks) {
  if (panorama) {
    dialogs.Notice({QStringLiteral("現在パノラマモードになっていますので"),
                    QStringLiteral("お気に入りへの追加はできません。"),
                    QStringLiteral("お気に入りへ追加したい写真をダブルクリックしたのち"),
                    QStringLiteral("追加をおこなってください。")});
    return;
  }
  if (!photoShown) return;
  if (!hooks.showAddDialog()) return;
  // The favourites window opens on the folder the photo went into, with it selected.
  store.CurrentFavouritesFolder = favourites::FolderOfKey(store.HighlightKey);
  if (hooks.openFavourites) hooks.openFavourites();
}

}  // namespace kasumori::shell

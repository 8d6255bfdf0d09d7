// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's add command: the refusals, the add dialog, and what follows an add.
#pragma once

#include "favourites/favourites_store.h"
#include "platform/dialog_service.h"

#include <functional>

namespace kasumori::shell {

struct FavouriteAddHooks {
  // Shows the add dialog; true when it added the photo.
  std::function<bool()> showAddDialog;
  // Opens the favourites window with the store's HighlightKey selected.
  std::function<void()> openFavourites;
};

// The no-photo case is the command table's to explain; a panorama is refused here, since its
// panes hold several photos and the add files one.
void RunFavouriteAdd(favourites::FavouritesStore& store, platform::DialogService& dialogs,
                     bool photoShown, bool panorama, const FavouriteAddHooks& hooks);

}  // namespace kasumori::shell

// SPDX-License-Identifier: GPL-3.0-or-later
// What the favourites window's keys ask of it, once the key map has named the command.
#pragma once

#include "commands/command.h"
#include "favourites/favourites_notices.h"
#include "favourites/favourites_page.h"

#include <optional>
#include <variant>

namespace kasumori::favourites {

enum class FolderWalk { Previous, Next };
struct SelectPageToggle {
  friend bool operator==(SelectPageToggle, SelectPageToggle) = default;
};
struct CloseFavourites {
  friend bool operator==(CloseFavourites, CloseFavourites) = default;
};

// A page move or selection the page carries out itself, a folder step for the tree, closing,
// or an operation on the selected favourites (from a key, so no hint when none is selected).
using FavouritesRequest =
    std::variant<PageMove, SelectPageToggle, FolderWalk, CloseFavourites, SelectionOperation>;

// None for the commands the favourites window does not know.
std::optional<FavouritesRequest> RequestOf(commands::Command command);

}  // namespace kasumori::favourites

// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_page.h"

#include "favourites/favourite_keys.h"

#include <algorithm>

namespace kasumori::favourites {

namespace {

bool MovesBack(PageMove move) {
  switch (move) {
    case PageMove::PageBack:
    case PageMove::RowBack:
    case PageMove::FirstPage:
      return true;
    case PageMove::PageForward:
    case PageMove::RowForward:
    case PageMove::LastPage:
      return false;
  }
  return false;
}

}  // namespace

const FavouriteEntry* FavouritesPage::EntryInCell(const LoadedFolder& folder, int cell) const {
  if (cell < 1 || cell > cells_) return nullptr;
  const FavouriteEntry* entry = folder.Entry(EntryOfCell(cell));
  return entry != nullptr && !entry->Name.isEmpty() ? entry : nullptr;
}

int FavouritesPage::LastOnPage(int count) const { return std::min(first_ + cells_ - 1, count); }

std::optional<int> FavouritesPage::MovedFirst(PageMove move, int count) const {
  const int limit = LastPageStart(count);
  const auto forwardBy = [&](int n) -> std::optional<int> {
    if (count <= 1 || first_ >= limit) return std::nullopt;
    return std::min(first_ + n, limit);
  };
  const auto backBy = [&](int n) -> std::optional<int> {
    if (first_ == 1) return std::nullopt;
    return std::max(first_ - n, 1);
  };
  switch (move) {
    case PageMove::PageForward:
      return forwardBy(cells_);
    case PageMove::RowForward:
      return forwardBy(columns_);
    case PageMove::PageBack:
      return backBy(cells_);
    case PageMove::RowBack:
      return backBy(columns_);
    case PageMove::LastPage:
      if (count > 1 && first_ < limit) return limit;
      return std::nullopt;
    case PageMove::FirstPage:
      if (first_ == 1) return std::nullopt;
      return 1;
  }
  return std::nullopt;
}

PageChange FavouritesPage::Move(PageMove move, LoadedFolder& folder) {
  const bool cleared = ClearSelection(folder) != PageChange::None;
  const std::optional<int> first = MovedFirst(move, folder.Count);
  if (first) {
    first_ = *first;
    return MovesBack(move) ? PageChange::CellsBackward : PageChange::CellsForward;
  }
  return cleared ? PageChange::Frames : PageChange::None;
}

bool FavouritesPage::SetPageSelection(LoadedFolder& folder, bool selected) const {
  bool changed = false;
  for (int k = first_; k <= LastOnPage(folder.Count); ++k) {
    FavouriteEntry* entry = folder.Entry(k);
    changed = changed || entry->Selected != selected;
    entry->Selected = selected;
  }
  return changed;
}

PageChange FavouritesPage::ToggleSelectPage(LoadedFolder& folder) const {
  if (folder.Count == 0) return PageChange::None;
  bool allSelected = true;
  for (int k = first_; k <= LastOnPage(folder.Count); ++k) {
    allSelected = allSelected && folder.Entry(k)->Selected;
  }
  return SetPageSelection(folder, !allSelected) ? PageChange::Frames : PageChange::None;
}

PageChange FavouritesPage::SelectPage(LoadedFolder& folder) const {
  return SetPageSelection(folder, true) ? PageChange::Frames : PageChange::None;
}

PageChange FavouritesPage::ClearSelection(LoadedFolder& folder) {
  bool changed = false;
  for (int k = 1; k <= folder.Count; ++k) {
    FavouriteEntry* entry = folder.Entry(k);
    changed = changed || entry->Selected;
    entry->Selected = false;
  }
  return changed ? PageChange::Frames : PageChange::None;
}

PageChange FavouritesPage::ToggleCell(LoadedFolder& folder, int cell) const {
  if (EntryInCell(folder, cell) == nullptr) return PageChange::None;
  FavouriteEntry* entry = folder.Entry(EntryOfCell(cell));
  entry->Selected = !entry->Selected;
  return PageChange::Frames;
}

std::vector<int> FavouritesPage::SelectedOnPage(const LoadedFolder& folder) const {
  std::vector<int> selected;
  for (int k = first_; k <= LastOnPage(folder.Count); ++k) {
    if (folder.Entry(k)->Selected) selected.push_back(k);
  }
  return selected;
}

std::optional<int> FavouritesPage::Highlight(LoadedFolder& folder, const QString& highlightKey) {
  if (highlightKey.isEmpty()) return std::nullopt;
  // Only the name is compared: the window has just loaded the key's folder.
  const QString name = NameOfKey(highlightKey);
  for (int k = 1; k <= folder.Count; ++k) {
    FavouriteEntry* entry = folder.Entry(k);
    if (entry->Name != name) continue;
    entry->Selected = true;
    if (k > cells_) first_ = k - cells_ + 1;
    return k;
  }
  return std::nullopt;
}

}  // namespace kasumori::favourites

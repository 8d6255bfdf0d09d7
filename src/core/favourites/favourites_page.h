// SPDX-License-Identifier: GPL-3.0-or-later
// Which entries of the loaded favourites folder the favourites window shows, how it pages
// through them and which of them are selected. The selection itself stays in the entries'
// Selected flags: the page only decides which flags a command changes.
#pragma once

#include "favourites/favourites_grid.h"
#include "favourites/loaded_folder.h"

#include <QString>

#include <optional>
#include <vector>

namespace kasumori::favourites {

enum class PageMove { PageBack, PageForward, RowBack, RowForward, FirstPage, LastPage };

// What the window has to draw again after a change of the page.
enum class PageChange {
  None,           // nothing changed
  Frames,         // only selection flags changed: show or hide the frames
  CellsForward,   // the first shown entry changed: draw every cell from cell 1
  CellsBackward,  // the page moved back: draw from the last cell towards cell 1
};

class FavouritesPage {
 public:
  explicit FavouritesPage(const FavouritesGrid& grid)
      : cells_(grid.Cells()), columns_(grid.columns) {}

  int Cells() const { return cells_; }
  int FirstShown() const { return first_; }
  // A folder is shown from its first entry whenever it is loaded.
  void ShowFromStart() { first_ = 1; }

  // The entry number cell c (1..cells) shows; it may lie beyond the folder's count.
  int EntryOfCell(int cell) const { return first_ + cell - 1; }
  // The entry in the cell, when the cell shows one that has a name.
  const FavouriteEntry* EntryInCell(const LoadedFolder& folder, int cell) const;
  // The last entry number on the page: first + cells − 1, or the count when that is less.
  int LastOnPage(int count) const;

  // Every move clears the selection of the whole folder first, even one that cannot move.
  PageChange Move(PageMove move, LoadedFolder& folder);

  // Ctrl+A: selects every entry on the page, or unselects them when all are selected already.
  PageChange ToggleSelectPage(LoadedFolder& folder) const;
  // The pop-up menu's select-all: the page's entries only, never toggled off.
  PageChange SelectPage(LoadedFolder& folder) const;
  // The pop-up menu's clear: every entry of the folder, shown or not.
  static PageChange ClearSelection(LoadedFolder& folder);
  // The right button on a cell: toggles its entry. Nothing for a cell without an entry, which
  // opens the pop-up menu instead.
  PageChange ToggleCell(LoadedFolder& folder, int cell) const;

  // The selected entries on the page in display order: what remove, rename and renew act on.
  std::vector<int> SelectedOnPage(const LoadedFolder& folder) const;

  // When the window opens: selects the first entry named as the key's name part and pages so
  // that it is in the last cell when it lies beyond the first page. Returns its number.
  std::optional<int> Highlight(LoadedFolder& folder, const QString& highlightKey);

 private:
  // The first shown entry of the last page. Two past count − cells, so that the last page keeps
  // its last cell empty; below 1 when everything fits on one page.
  int LastPageStart(int count) const { return count - cells_ + 2; }
  std::optional<int> MovedFirst(PageMove move, int count) const;
  bool SetPageSelection(LoadedFolder& folder, bool selected) const;

  int cells_;
  int columns_;  // a row's step
  int first_ = 1;
};

}  // namespace kasumori::favourites

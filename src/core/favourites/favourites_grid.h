// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites window's thumbnail grid and where its controls sit. The grid follows the main
// window's size mode so that the favourites window never outgrows the screen the main window was
// sized for.
#pragma once

#include "config/modes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kasumori::favourites {

inline constexpr int kCellPitchX = 85;  // an 80-pixel cell and the gap to the next
inline constexpr int kCellPitchY = 65;  // a 60-pixel cell and the gap below it
inline constexpr QSize kCellSize{80, 60};
inline constexpr int kMaxCells = 79;  // the 8 × 10 grid less its button cell

struct FavouritesGrid {
  int columns = 6;
  int rows = 6;
  // The bottom-right cell holds the buttons, so one cell fewer than the grid has.
  int Cells() const { return columns * rows - 1; }
  friend bool operator==(const FavouritesGrid&, const FavouritesGrid&) = default;
};

// The grid for the main window's size mode; the automatic custom size goes by its display area,
// the largest grid once the area is wider than 640 or taller than 480.
FavouritesGrid GridFor(config::WindowSizeMode mode, const QSize& displayArea);

// The controls' bounds in client pixels; those inside a panel are relative to that panel.
struct FavouritesWindowLayout {
  QSize client;
  QRect folderPnl;
  QRect folderUePnl;  // in folderPnl
  QRect folderTree;   // in folderPnl
  QRect okiniAddBtn, makeBtn;
  QRect thumbPnl;
  QRect thumbTopBtn, thumbEndBtn, thumbLeftBtn, thumbRightBtn;  // in thumbPnl
  QRect menuBtn, tojiruBtn;                                     // in thumbPnl
};

FavouritesWindowLayout LayoutFor(const FavouritesGrid& grid);

// Cell c (1..cells) in the thumbnail panel, filled row by row from the top left.
QRect CellRect(const FavouritesGrid& grid, int cell);
// The selection frame behind a cell: two pixels wider on every side.
QRect FrameRect(const FavouritesGrid& grid, int cell);

// Centred on the main window with both halves rounded down, so an odd difference in size leaves
// the extra pixel to the right and below.
QPoint CentredOn(const QRect& mainWindow, const QSize& own);

}  // namespace kasumori::favourites
